#pragma once

#include "database/vehicle.h"
#include "modules/vehicle/records/recorddelegate.h"

// Paints the fuel list: the date in the configured format, the fuel type as
// the vehicle's fuel name, prices and totals as amounts, all centred but the
// date.
class CFuelLogDelegate : public CRecordDelegate
{
    Q_OBJECT

public:
    explicit CFuelLogDelegate(QObject *parent = nullptr);

    void setVehicle(const CVehicle &vehicle) { m_vehicle = vehicle; }

    QString cellText(int column, const QVariant &value) const override;

private:
    CVehicle m_vehicle;
};
