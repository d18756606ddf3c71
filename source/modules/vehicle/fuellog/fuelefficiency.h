#pragma once

#include <QCoreApplication>
#include <QString>

// Fuel efficiency of a quantity burnt over a distance, with its unit texts.
//
// Per distance (mode 1) is volume per 100 distance units; an hour-based
// vehicle (odometer unit 3) is measured per hour instead, so value and texts
// read "Litre / hour". Per quantity (mode 2) is distance units per volume
// unit. Any other mode has no value and no texts.
class CFuelEfficiency
{
    Q_DECLARE_TR_FUNCTIONS(CFuelEfficiency)

public:
    enum Mode { PerDistance = 1, PerQuantity = 2 };
    enum OdometerUnit { Kilometres = 1, Miles = 2, Hours = 3 };

    // Mode from the "fuel_efficiency" setting, volume unit 1 (Litre).
    CFuelEfficiency();
    CFuelEfficiency(int mode, int volumeUnit, int odometerUnit, double quantity, int distance);

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }
    int volumeUnit() const { return m_volumeUnit; }
    void setVolumeUnit(int unit) { m_volumeUnit = unit; }
    int odometerUnit() const { return m_odometerUnit; }
    void setOdometerUnit(int unit) { m_odometerUnit = unit; }
    double quantity() const { return m_quantity; }
    void setQuantity(double quantity) { m_quantity = quantity; }
    int distance() const { return m_distance; }
    void setDistance(int distance) { m_distance = distance; }

    // Rounded half up to two decimals; 0.0 unless distance and quantity are
    // both above 0.
    double efficiencyValue() const;
    // "Litre / 100 km", "Gallon / 100 miles", "Litre / hour", "km per Litre",
    // "hours per Gallon"; empty for an unknown mode.
    QString unitText() const;
    // "Per Distance (Litre / 100 km)", "Per Hour (Litre / hour)",
    // "Per Quantity (km per Litre)"; empty for an unknown mode.
    QString typeText() const;
    // The value with two decimals and the unit: "6.50 Litre / 100 km".
    QString valueText() const;
    // A stored value in the same form; empty for 0 (nothing to tell yet).
    QString textFor(double value) const;

    // True when per-distance values of this odometer unit are per hour.
    bool isPerHour() const;

private:
    int m_mode = 0;
    int m_volumeUnit = 1;
    int m_odometerUnit = 0;
    double m_quantity = 0.0;
    int m_distance = 0;
};
