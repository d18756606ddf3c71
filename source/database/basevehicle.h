#pragma once

#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "vehicle" row, bound to the process-wide table object.
class CBaseVehicle : public CTableObject
{
public:
    CBaseVehicle();

    QString name() const { return m_name; }
    void setName(const QString &value) { setField(m_name, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    QDate date() const { return m_date; }
    void setDate(const QDate &value) { setField(m_date, value); }
    int typeId() const { return m_typeId; }
    void setTypeId(int value) { setField(m_typeId, value); }
    int odometerValue() const { return m_odometerValue; }
    void setOdometerValue(int value) { setField(m_odometerValue, value); }
    int odometerType() const { return m_odometerType; }
    void setOdometerType(int value) { setField(m_odometerType, value); }
    QString licensePlate() const { return m_licensePlate; }
    void setLicensePlate(const QString &value) { setField(m_licensePlate, value); }
    QDate registrationExpirationDate() const { return m_registrationExpirationDate; }
    void setRegistrationExpirationDate(const QDate &value) { setField(m_registrationExpirationDate, value); }
    int fuelSystemType() const { return m_fuelSystemType; }
    void setFuelSystemType(int value) { setField(m_fuelSystemType, value); }
    QString fuelNameFirst() const { return m_fuelNameFirst; }
    void setFuelNameFirst(const QString &value) { setField(m_fuelNameFirst, value); }
    QString fuelNameSecond() const { return m_fuelNameSecond; }
    void setFuelNameSecond(const QString &value) { setField(m_fuelNameSecond, value); }
    int locationId() const { return m_locationId; }
    void setLocationId(int value) { setField(m_locationId, value); }
    int status() const { return m_status; }
    void setStatus(int value) { setField(m_status, value); }
    int order() const { return m_order; }
    void setOrder(int value) { setField(m_order, value); }
    bool favorite() const { return m_favorite; }
    void setFavorite(bool value) { setField(m_favorite, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    QString m_name;
    QString m_description;
    QDate m_date;
    int m_typeId = 0;
    int m_odometerValue = 0;
    int m_odometerType = 0;
    QString m_licensePlate;
    QDate m_registrationExpirationDate;
    int m_fuelSystemType = 0;
    QString m_fuelNameFirst;
    QString m_fuelNameSecond;
    int m_locationId = 0;
    int m_status = 0;
    int m_order = 0;
    bool m_favorite = false;
};
