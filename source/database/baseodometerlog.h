#pragma once

#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "odometerlog" row, bound to the process-wide table object.
class CBaseOdometerLog : public CTableObject
{
public:
    CBaseOdometerLog();

    int vehicleId() const { return m_vehicleId; }
    void setVehicleId(int value) { setField(m_vehicleId, value); }
    QDate date() const { return m_date; }
    void setDate(const QDate &value) { setField(m_date, value); }
    int odometer() const { return m_odometer; }
    void setOdometer(int value) { setField(m_odometer, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    int parentType() const { return m_parentType; }
    void setParentType(int value) { setField(m_parentType, value); }
    int parentId() const { return m_parentId; }
    void setParentId(int value) { setField(m_parentId, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_vehicleId = 0;
    QDate m_date;
    int m_odometer = 0;
    QString m_description;
    int m_parentType = 0;
    int m_parentId = 0;
};
