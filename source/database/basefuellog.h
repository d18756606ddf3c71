#pragma once

#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "fuellog" row, bound to the process-wide table object.
class CBaseFuelLog : public CTableObject
{
public:
    CBaseFuelLog();

    int vehicleId() const { return m_vehicleId; }
    void setVehicleId(int value) { setField(m_vehicleId, value); }
    QDate date() const { return m_date; }
    void setDate(const QDate &value) { setField(m_date, value); }
    int odometer() const { return m_odometer; }
    void setOdometer(int value) { setField(m_odometer, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    int fuelType() const { return m_fuelType; }
    void setFuelType(int value) { setField(m_fuelType, value); }
    double costPerUnit() const { return m_costPerUnit; }
    void setCostPerUnit(double value) { setField(m_costPerUnit, value); }
    double quantity() const { return m_quantity; }
    void setQuantity(double value) { setField(m_quantity, value); }
    int distance() const { return m_distance; }
    void setDistance(int value) { setField(m_distance, value); }
    double efficiency() const { return m_efficiency; }
    void setEfficiency(double value) { setField(m_efficiency, value); }
    double totalCost() const { return m_totalCost; }
    void setTotalCost(double value) { setField(m_totalCost, value); }
    unsigned int tires() const { return m_tires; }
    void setTires(unsigned int value) { setField(m_tires, value); }
    unsigned int drivingStyle() const { return m_drivingStyle; }
    void setDrivingStyle(unsigned int value) { setField(m_drivingStyle, value); }
    unsigned int routes() const { return m_routes; }
    void setRoutes(unsigned int value) { setField(m_routes, value); }
    unsigned int extras() const { return m_extras; }
    void setExtras(unsigned int value) { setField(m_extras, value); }
    unsigned int driverId() const { return m_driverId; }
    void setDriverId(unsigned int value) { setField(m_driverId, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_vehicleId = 0;
    QDate m_date;
    int m_odometer = 0;
    QString m_description;
    int m_fuelType = 0;
    double m_costPerUnit = 0.0;
    double m_quantity = 0.0;
    int m_distance = 0;
    double m_efficiency = 0.0;
    double m_totalCost = 0.0;
    unsigned int m_tires = 0;
    unsigned int m_drivingStyle = 0;
    unsigned int m_routes = 0;
    unsigned int m_extras = 0;
    unsigned int m_driverId = 0;
};
