#include "modules/options/units.h"

#include "currency/currency.h"
#include "database/settings.h"

#include <QCoreApplication>

namespace {

const QString currencyKey = QStringLiteral("currency");
const QString volumeUnitKey = QStringLiteral("volume_unit");
const QString defaultCurrencyCode = QStringLiteral("USD");

ASCurrency::Currency *current = nullptr;
// The settings' generation `current` was made in; a restored file or a
// rolled-back change makes it stale.
quint64 currentGeneration = 0;

void deleteCurrent()
{
    delete current;
    current = nullptr;
}

void replaceCurrent(ASCurrency::Currency *replacement)
{
    static bool cleanupRegistered = false;
    if (!cleanupRegistered) {
        qAddPostRoutine(deleteCurrent);
        cleanupRegistered = true;
    }
    delete current;
    current = replacement;
    currentGeneration = CSettings::generation();
}

QVariant setting(const QString &key, const QVariant &defaultValue)
{
    CSettings *settings = CSettings::instance();
    return settings ? settings->value(key, defaultValue) : defaultValue;
}

struct Units
{
    Q_DECLARE_TR_FUNCTIONS(Units)
};

} // namespace

ASCurrency::Currency *currency(const QString &code)
{
    if (code.isEmpty()) {
        if (!current || currentGeneration != CSettings::generation())
            replaceCurrent(new ASCurrency::Currency(setting(currencyKey, defaultCurrencyCode).toString()));
        return current;
    }
    if (current && current->code() == code)
        return current;

    replaceCurrent(new ASCurrency::Currency(code));
    if (CSettings *settings = CSettings::instance())
        settings->setValue(currencyKey, code);
    return current;
}

void resetCurrency()
{
    deleteCurrent();
}

int volumeUnit()
{
    return setting(volumeUnitKey, 0).toInt();
}

QString volumeUnitName(int unit)
{
    switch (unit) {
    case VolumeUnitLitre:
        return Units::tr("Litre");
    case VolumeUnitGallon:
        return Units::tr("Gallon");
    default:
        return QStringLiteral("Unknown");
    }
}

QString volumeUnitName()
{
    return volumeUnitName(volumeUnit());
}

QString volumeUnitNameFor(double quantity, int unit)
{
    if (quantity == 1.0)
        return volumeUnitName(unit);
    switch (unit) {
    case VolumeUnitLitre:
        return Units::tr("Litres");
    case VolumeUnitGallon:
        return Units::tr("Gallons");
    default:
        return volumeUnitName(unit);
    }
}

QString volumeUnitNameFor(double quantity)
{
    return volumeUnitNameFor(quantity, volumeUnit());
}

QString efficiencyDescription(int mode, int volumeUnit)
{
    if (mode == FuelEfficiencyPerDistance)
        return volumeUnit == VolumeUnitGallon ? Units::tr("Gallons/100 Odometer Units")
                                              : Units::tr("Litres/100 Odometer Units - [Litres/100km]");
    if (mode == FuelEfficiencyPerQuantity)
        return volumeUnit == VolumeUnitGallon ? Units::tr("Odometer Units per Gallon - [MPG]")
                                              : Units::tr("Odometer Units per Litre");
    return QString();
}
