#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The driving-condition codes stored with each fuel entry: driving style and
// tires are single choices (0 not defined), routes and extras are bit sets.
class CDrivingConditions
{
    Q_DECLARE_TR_FUNCTIONS(CDrivingConditions)

public:
    enum Kind { DrivingStyle, Tires, Routes, Extras };

    enum DrivingStyleCode { StyleNotDefined = 0, Moderate = 1, Normal = 2, Fast = 3 };
    enum TiresCode { TiresNotDefined = 0, Summer = 1, Winter = 2, AllYear = 3 };
    enum RouteBit { Motorway = 1, City = 2, CountryRoad = 4 };
    enum ExtraBit { Trailer = 1, AirConditioning = 2, PrivateUse = 4 };

    struct Entry {
        int code;
        // Untranslated; shown through text().
        const char *source;
    };

    // The box title of a kind: "Driving style", "Tires", "Routes", "Extras".
    static QString title(Kind kind);
    // True for the bit-set kinds (routes, extras).
    static bool isCombination(Kind kind);
    // The entries in display order, each with its code or bit.
    static QVector<Entry> entries(Kind kind);
    static QString text(const Entry &entry);
    // The value as a box shows it: a single choice it does not know becomes
    // 0, a bit set keeps only its known bits.
    static int normalized(Kind kind, int value);
};
