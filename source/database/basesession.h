#pragma once

#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "service_session" row, bound to the process-wide table object.
class CBaseSession : public CTableObject
{
public:
    CBaseSession();

    int vehicleId() const { return m_vehicleId; }
    void setVehicleId(int value) { setField(m_vehicleId, value); }
    QDate date() const { return m_date; }
    void setDate(const QDate &value) { setField(m_date, value); }
    int odometer() const { return m_odometer; }
    void setOdometer(int value) { setField(m_odometer, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    double totalCost() const { return m_totalCost; }
    void setTotalCost(double value) { setField(m_totalCost, value); }
    int vendorId() const { return m_vendorId; }
    void setVendorId(int value) { setField(m_vendorId, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_vehicleId = 0;
    QDate m_date;
    int m_odometer = 0;
    QString m_description;
    double m_totalCost = 0.0;
    int m_vendorId = 0;
};
