#pragma once

#include "modules/vehicle/records/recorddelegate.h"

#include <QHash>
#include <QPixmap>

// Paints the reading list: the parent kind as its icon, the date in the
// configured format, the description left-aligned, the rest centred.
class COdometerLogDelegate : public CRecordDelegate
{
    Q_OBJECT

public:
    explicit COdometerLogDelegate(QObject *parent = nullptr);

protected:
    bool paintContent(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const QPixmap &icon(int parentType) const;

    mutable QHash<int, QPixmap> m_icons;
};
