#include "modules/vehicle/fuellog/fuelefficiency.h"

#include "database/settings.h"
#include "modules/options/units.h"
#include "utility/utility.h"

#include <cmath>

namespace {

int efficiencySetting()
{
    CSettings *settings = CSettings::instance();
    return settings ? settings->value(QStringLiteral("fuel_efficiency"), 0).toInt() : 0;
}

} // namespace

CFuelEfficiency::CFuelEfficiency() : m_mode(efficiencySetting()) {}

CFuelEfficiency::CFuelEfficiency(int mode, int volumeUnit, int odometerUnit, double quantity, int distance)
    : m_mode(mode), m_volumeUnit(volumeUnit), m_odometerUnit(odometerUnit), m_quantity(quantity), m_distance(distance)
{
}

bool CFuelEfficiency::isPerHour() const
{
    return m_mode == PerDistance && m_odometerUnit == Hours;
}

double CFuelEfficiency::efficiencyValue() const
{
    if (m_distance <= 0 || !(m_quantity > 0.0))
        return 0.0;
    double value = 0.0;
    if (m_mode == PerDistance)
        value = isPerHour() ? m_quantity / m_distance : m_quantity * 100.0 / m_distance;
    else
        value = m_distance / m_quantity;
    return Utility::roundTo(value, 2);
}

QString CFuelEfficiency::unitText() const
{
    const QString volume = volumeUnitName(m_volumeUnit);
    if (m_mode == PerDistance) {
        if (isPerHour())
            return QStringLiteral("%1 / %2").arg(volume, tr("hour"));
        QString unit;
        switch (m_odometerUnit) {
        case Kilometres:
            unit = tr("km");
            break;
        case Miles:
            unit = tr("mile") + QStringLiteral("s");
            break;
        default:
            unit = tr("Unknown");
        }
        return QStringLiteral("%1 / %2%3").arg(volume, QStringLiteral("100 "), unit);
    }
    if (m_mode == PerQuantity) {
        QString unit;
        switch (m_odometerUnit) {
        case Kilometres:
            unit = tr("km");
            break;
        case Miles:
            unit = tr("miles");
            break;
        case Hours:
            unit = tr("hours");
            break;
        default:
            unit = tr("Unknown");
        }
        return tr("%1 per %2").arg(unit, volume);
    }
    return QString();
}

QString CFuelEfficiency::typeText() const
{
    if (m_mode == PerDistance)
        return tr("Per %1 (%2)").arg(isPerHour() ? tr("Hour") : tr("Distance"), unitText());
    if (m_mode == PerQuantity)
        return tr("Per Quantity (%1)").arg(unitText());
    return QString();
}

QString CFuelEfficiency::valueText() const
{
    return QStringLiteral("%1 %2").arg(Utility::numberToString(efficiencyValue(), 2), unitText());
}

QString CFuelEfficiency::textFor(double value) const
{
    if (value <= 0.0 || !std::isfinite(value))
        return QString();
    return QStringLiteral("%1 %2").arg(Utility::numberToString(value, 2), unitText());
}
