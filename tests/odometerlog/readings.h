#pragma once

// Vehicles and readings for the odometer log tests.

#include "testrecords.h"

inline int addVehicle(int odometer)
{
    return TestRecords::addVehicle(QStringLiteral("car"), odometer);
}

using TestRecords::addReading;
