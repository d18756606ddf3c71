#include "modules/vehicle/odometerlog/odometerlogdelegate.h"

#include "database/odometerlog.h"
#include "database/tableodometerlog.h"
#include "utility/utility.h"

#include <QDate>
#include <QPainter>

COdometerLogDelegate::COdometerLogDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , dateFormat(Utility::dateFormat())
{
}

void COdometerLogDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    switch (index.column()) {
    case CTableOdometerLog::ParentType: {
        painter->save();
        paintSelection(painter, option);
        const QPixmap &pixmap = icon(index.data().toInt());
        QRect target(QPoint(0, 0), pixmap.size());
        target.moveCenter(option.rect.center());
        painter->drawPixmap(target, pixmap);
        painter->restore();
        return;
    }
    case CTableOdometerLog::Date: {
        painter->save();
        const bool selected = paintSelection(painter, option);
        if (!selected)
            painter->setPen(option.palette.color(QPalette::Text));
        const QDate date = QDate::fromString(index.data().toString(), Qt::ISODate);
        painter->drawText(option.rect.adjusted(5, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter,
                          date.toString(dateFormat));
        painter->restore();
        return;
    }
    default:
        QStyledItemDelegate::paint(painter, option, index);
    }
}

void COdometerLogDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = index.column() == CTableOdometerLog::Description
                                   ? Qt::AlignLeft | Qt::AlignVCenter
                                   : Qt::AlignCenter;
}

bool COdometerLogDelegate::paintSelection(QPainter *painter, const QStyleOptionViewItem &option) const
{
    if (!(option.state & QStyle::State_Selected))
        return false;
    if (option.state & QStyle::State_Active) {
        painter->fillRect(option.rect, option.palette.highlight());
        painter->setPen(Qt::white);
    } else {
        painter->fillRect(option.rect, option.palette.window());
    }
    return true;
}

const QPixmap &COdometerLogDelegate::icon(int parentType) const
{
    auto found = icons.find(parentType);
    if (found == icons.end()) {
        QPixmap pixmap(COdometerLog::iconPath(parentType));
        if (!pixmap.isNull() && pixmap.width() != 16)
            pixmap = pixmap.scaledToWidth(16, Qt::SmoothTransformation);
        found = icons.insert(parentType, pixmap);
    }
    return found.value();
}
