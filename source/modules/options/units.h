#pragma once

#include <QString>

namespace ASCurrency {
class Currency;
}

// Volume units ("volume_unit" setting); 0 means not chosen yet.
enum VolumeUnit { VolumeUnitNone = 0, VolumeUnitLitre = 1, VolumeUnitGallon = 2 };

// Fuel-efficiency modes ("fuel_efficiency" setting); 0 means not chosen yet.
enum FuelEfficiencyMode { FuelEfficiencyNone = 0, FuelEfficiencyPerDistance = 1, FuelEfficiencyPerQuantity = 2 };

// The process-wide current currency. With an empty code: the existing object,
// or one made from the "currency" setting (default "USD") when there is none
// or the settings' cache was dropped since (a restore, a rollback). With a code that
// differs from the current one: a new object replaces (and deletes) the old
// one and the code is stored in the setting. Do not keep the pointer across
// a currency change.
ASCurrency::Currency *currency(const QString &code = QString());
// Deletes the current currency; the next currency() reads the setting again
// (for a database that was replaced, and for tests).
void resetCurrency();

// The "volume_unit" setting, 0 when not chosen.
int volumeUnit();
// "Litre", "Gallon" or "Unknown".
QString volumeUnitName(int unit);
QString volumeUnitName();
// The unit's name for an amount of it: "1 Litre", "46 Litres", "0.5 Gallons".
QString volumeUnitNameFor(double quantity, int unit);
QString volumeUnitNameFor(double quantity);

// The description shown beside the efficiency choice.
QString efficiencyDescription(int mode, int volumeUnit);
