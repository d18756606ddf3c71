#pragma once

#include "database/vehicle.h"

#include <QStyledItemDelegate>

// Paints the fuel list: the date in the configured format, the fuel type as
// the vehicle's fuel name, every other column centred.
class CFuelLogDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CFuelLogDelegate(QObject *parent = nullptr);

    void setVehicle(const CVehicle &vehicle) { m_vehicle = vehicle; }
    void setDateFormat(const QString &format) { m_dateFormat = format; }
    QString dateFormat() const { return m_dateFormat; }

    // The text painted for a cell of column `column` holding `value`.
    QString displayText(int column, const QVariant &value) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    CVehicle m_vehicle;
    QString m_dateFormat;
};
