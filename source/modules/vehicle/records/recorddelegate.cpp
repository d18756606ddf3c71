#include "modules/vehicle/records/recorddelegate.h"

#include "currency/currency.h"
#include "modules/options/units.h"
#include "utility/utility.h"

#include <QAbstractItemView>
#include <QDate>
#include <QPainter>

namespace {

constexpr int LeftMargin = 5;
constexpr int RightMargin = 10;

QSet<int> toSet(const QList<int> &columns)
{
    return QSet<int>(columns.begin(), columns.end());
}

} // namespace

CRecordDelegate::CRecordDelegate(QObject *parent) : QStyledItemDelegate(parent), m_dateFormat(Utility::dateFormat())
{
}

void CRecordDelegate::setDateColumns(const QList<int> &columns)
{
    m_dateColumns = toSet(columns);
}

void CRecordDelegate::setAmountColumns(const QList<int> &columns)
{
    m_amountColumns = toSet(columns);
}

void CRecordDelegate::setTextColumns(const QList<int> &columns)
{
    m_textColumns = toSet(columns);
}

QString CRecordDelegate::amountText(double value)
{
    QString text = Utility::numberToString(value, 2);
    const QChar mark = currency()->decimalPoint();
    if (!mark.isNull() && mark != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), mark);
    return text;
}

QString CRecordDelegate::cellText(int column, const QVariant &value) const
{
    if (m_dateColumns.contains(column))
        return QDate::fromString(value.toString(), Qt::ISODate).toString(m_dateFormat);
    if (m_amountColumns.contains(column))
        return amountText(value.toDouble());
    // One line per row: a text of several lines shows them side by side.
    QString text = value.toString();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString CRecordDelegate::rowText(const QModelIndex &index) const
{
    return cellText(index.column(), index.data(Qt::DisplayRole));
}

QColor CRecordDelegate::textColor(const QModelIndex &) const
{
    return QColor();
}

Qt::Alignment CRecordDelegate::alignment(int column) const
{
    if (m_dateColumns.contains(column))
        return Qt::AlignRight | Qt::AlignVCenter;
    if (m_textColumns.contains(column))
        return Qt::AlignLeft | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

bool CRecordDelegate::paintContent(QPainter *, const QStyleOptionViewItem &, const QModelIndex &) const
{
    return false;
}

void CRecordDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool active = view ? view->isActiveWindow() : bool(option.state & QStyle::State_Active);
    const bool selected = option.state & QStyle::State_Selected;
    const QColor kindColor = textColor(index);
    QColor pen = kindColor.isValid() ? kindColor : option.palette.color(QPalette::Active, QPalette::Text);
    if (selected) {
        painter->fillRect(option.rect, active ? option.palette.highlight() : option.palette.window());
        if (active)
            pen = Qt::white;
    }
    painter->setPen(pen);
    if (!paintContent(painter, option, index)) {
        const QRect textRect = option.rect.adjusted(LeftMargin, 0, -RightMargin, 0);
        const QString text = rowText(index);
        painter->setFont(option.font);
        painter->drawText(textRect, int(alignment(index.column())),
                          option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
    }
    painter->restore();
}

QSize CRecordDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(textWidth(option.fontMetrics, rowText(index)));
    return size;
}

int CRecordDelegate::textWidth(const QFontMetrics &metrics, const QString &text)
{
    return metrics.horizontalAdvance(text) + LeftMargin + RightMargin;
}
