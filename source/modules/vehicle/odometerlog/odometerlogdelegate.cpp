#include "modules/vehicle/odometerlog/odometerlogdelegate.h"

#include "database/odometerlog.h"
#include "database/tableodometerlog.h"

#include <QPainter>

COdometerLogDelegate::COdometerLogDelegate(QObject *parent) : CRecordDelegate(parent)
{
    setDateColumns({CTableOdometerLog::Date});
    setTextColumns({CTableOdometerLog::Description});
}

bool COdometerLogDelegate::paintContent(QPainter *painter, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    if (index.column() != CTableOdometerLog::ParentType)
        return false;
    const QPixmap &pixmap = icon(index.data().toInt());
    QRect target(QPoint(0, 0), pixmap.size());
    target.moveCenter(option.rect.center());
    painter->drawPixmap(target, pixmap);
    return true;
}

const QPixmap &COdometerLogDelegate::icon(int parentType) const
{
    auto found = m_icons.find(parentType);
    if (found == m_icons.end()) {
        QPixmap pixmap(COdometerLog::iconPath(parentType));
        if (!pixmap.isNull() && pixmap.width() != 16)
            pixmap = pixmap.scaledToWidth(16, Qt::SmoothTransformation);
        found = m_icons.insert(parentType, pixmap);
    }
    return found.value();
}
