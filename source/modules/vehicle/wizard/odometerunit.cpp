#include "modules/vehicle/wizard/odometerunit.h"

QList<int> COdometerUnit::codes()
{
    return { Kilometres, Miles, Hours };
}

QString COdometerUnit::text(int code, bool plural)
{
    switch (code) {
    case Kilometres:
        return tr("km");
    case Miles:
        return plural ? tr("miles") : tr("mile");
    case Hours:
        return plural ? tr("hours") : tr("hour");
    default:
        return tr("Unknown");
    }
}
