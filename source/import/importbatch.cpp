#include "import/importbatch.h"

#include "modules/options/units.h"

#include <QCoreApplication>

int ImportBatch::rowCount() const
{
    return fuel.size() + services.size() + expenses.size() + notes.size() + odometer.size() + schedules.size();
}

bool ImportBatch::isEmpty() const
{
    return rowCount() == 0;
}

namespace ImportUnits {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ImportUnits", text);
}

} // namespace

double litresPer(VolumeUnitKind unit)
{
    switch (unit) {
    case VolumeUnitKind::UsGallons:
        return LitresPerUsGallon;
    case VolumeUnitKind::UkGallons:
        return LitresPerUkGallon;
    default:
        return 1.0;
    }
}

VolumeUnitKind defaultTargetVolume()
{
    return volumeUnit() == VolumeUnitGallon ? VolumeUnitKind::UsGallons : VolumeUnitKind::Litres;
}

double convertDistance(double value, DistanceUnit from, int odometerType)
{
    if (from == DistanceUnit::Miles && odometerType == 1)
        return value * KilometresPerMile;
    if (from == DistanceUnit::Kilometres && odometerType == 2)
        return value / KilometresPerMile;
    return value;
}

QString distanceUnitName(DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Kilometres:
        return tr("Kilometres");
    case DistanceUnit::Miles:
        return tr("Miles");
    default:
        return tr("Detect");
    }
}

QString volumeUnitName(VolumeUnitKind unit)
{
    switch (unit) {
    case VolumeUnitKind::Litres:
        return tr("Litres");
    case VolumeUnitKind::UsGallons:
        return tr("US gallons");
    case VolumeUnitKind::UkGallons:
        return tr("UK gallons");
    default:
        return tr("Detect");
    }
}

QString dateOrderName(DateOrder order)
{
    switch (order) {
    case DateOrder::YearMonthDay:
        return tr("Year, month, day");
    case DateOrder::DayMonthYear:
        return tr("Day, month, year");
    case DateOrder::MonthDayYear:
        return tr("Month, day, year");
    default:
        return tr("Detect");
    }
}

QString decimalMarkName(DecimalMark mark)
{
    switch (mark) {
    case DecimalMark::Point:
        return tr("Point (1.5)");
    case DecimalMark::Comma:
        return tr("Comma (1,5)");
    default:
        return tr("Detect");
    }
}

QString kindName(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Fuel:
        return tr("Fuel entries");
    case ImportKind::Service:
        return tr("Services");
    case ImportKind::Expense:
        return tr("Expenses");
    case ImportKind::Note:
        return tr("Notes");
    case ImportKind::Odometer:
        return tr("Odometer readings");
    case ImportKind::Schedule:
        return tr("Service schedules");
    }
    return QString();
}

} // namespace ImportUnits
