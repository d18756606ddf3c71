#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// The units an odometer counts in, stored by code with each vehicle.
class COdometerUnit
{
    Q_DECLARE_TR_FUNCTIONS(COdometerUnit)

public:
    enum Code { Kilometres = 1, Miles = 2, Hours = 3 };

    // The codes offered, in the order shown.
    static QList<int> codes();
    // "km", "mile"/"miles", "hour"/"hours"; "Unknown" for any other code.
    static QString text(int code, bool plural = false);
};
