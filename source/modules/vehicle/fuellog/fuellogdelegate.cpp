#include "modules/vehicle/fuellog/fuellogdelegate.h"

#include "database/tablefuellog.h"
#include "database/fuellog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

CFuelLogDelegate::CFuelLogDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QString CFuelLogDelegate::displayText(int column, const QVariant &value) const
{
    switch (column) {
    case CTableFuelLog::Date:
        return QDate::fromString(value.toString(), Qt::ISODate).toString(m_dateFormat);
    case CTableFuelLog::FuelType: {
        const int fuelType = value.toInt();
        return fuelType == 1 || fuelType == 2 ? CFuelLog::fuelName(m_vehicle, fuelType) : tr("unknown");
    }
    default:
        return value.toString();
    }
}

void CFuelLogDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignCenter;
}

void CFuelLogDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int column = index.column();
    if (column != CTableFuelLog::Date && column != CTableFuelLog::FuelType) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    painter->setPen(option.palette.color(QPalette::Text));
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool active = view ? view->isActiveWindow() : (option.state & QStyle::State_Active);
    if (option.state & QStyle::State_Selected) {
        painter->fillRect(option.rect, active ? option.palette.highlight() : option.palette.window());
        if (active)
            painter->setPen(Qt::white);
    }
    const QRect textRect = option.rect.adjusted(5, 0, -10, 0);
    const Qt::Alignment alignment =
        column == CTableFuelLog::Date ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::AlignCenter;
    painter->setFont(option.font);
    painter->drawText(textRect, int(alignment), displayText(column, index.data(Qt::DisplayRole)));
    painter->restore();
}

QSize CFuelLogDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int column = index.column();
    if (column == CTableFuelLog::Date || column == CTableFuelLog::FuelType) {
        // The painted text with the 5 + 10 pixels around it.
        const QString text = displayText(column, index.data(Qt::DisplayRole));
        size.setWidth(option.fontMetrics.horizontalAdvance(text) + 15);
    }
    return size;
}
