#include "modules/vehicle/wizard/drivingconditions.h"

QString CDrivingConditions::title(Kind kind)
{
    switch (kind) {
    case DrivingStyle:
        return tr("Driving style");
    case Tires:
        return tr("Tires");
    case Routes:
        return tr("Routes");
    case Extras:
        return tr("Extras");
    }
    return QString();
}

bool CDrivingConditions::isCombination(Kind kind)
{
    return kind == Routes || kind == Extras;
}

QVector<CDrivingConditions::Entry> CDrivingConditions::entries(Kind kind)
{
    switch (kind) {
    case DrivingStyle:
        return { { StyleNotDefined, QT_TR_NOOP("Not defined") }, { Moderate, QT_TR_NOOP("Moderate") },
            { Normal, QT_TR_NOOP("Normal") }, { Fast, QT_TR_NOOP("Fast") } };
    case Tires:
        return { { TiresNotDefined, QT_TR_NOOP("Not defined") }, { Summer, QT_TR_NOOP("Summer") },
            { Winter, QT_TR_NOOP("Winter") }, { AllYear, QT_TR_NOOP("All Year") } };
    case Routes:
        return { { Motorway, QT_TR_NOOP("Motorway") }, { CountryRoad, QT_TR_NOOP("Country Road") },
            { City, QT_TR_NOOP("City") } };
    case Extras:
        return { { AirConditioning, QT_TR_NOOP("AC") }, { Trailer, QT_TR_NOOP("Trailer") },
            { PrivateUse, QT_TR_NOOP("Private Use") } };
    }
    return {};
}

QString CDrivingConditions::text(const Entry &entry)
{
    return tr(entry.source);
}

int CDrivingConditions::normalized(Kind kind, int value)
{
    const QVector<Entry> known = entries(kind);
    if (isCombination(kind)) {
        int bits = 0;
        for (const Entry &entry : known)
            bits |= entry.code;
        return value & bits;
    }
    for (const Entry &entry : known) {
        if (entry.code == value)
            return value;
    }
    return 0;
}
