#include "modules/vehicle/fuellog/fuellogtableview.h"

#include "application/configuration.h"
#include "currency/currency.h"
#include "database/tablefuellog.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuellogdelegate.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"

using Column = CTableFuelLog::Column;

CFuelLogTableView::CFuelLogTableView(QWidget *parent)
    : CRecordTableView(parent), m_delegate(new CFuelLogDelegate(this))
{
    setSelectsFirstRow(true);
    setUp(CTableFuelLog::instance(), Column::VehicleId, {{Column::Odometer, Qt::DescendingOrder}},
          Config::Group::FuelLogColumns, m_delegate);
    vehicleChanged();
}

void CFuelLogTableView::vehicleChanged()
{
    m_delegate->setVehicle(vehicle());
    QList<int> columns{Column::Date,     Column::Odometer,   Column::Distance, Column::Quantity,
                       Column::CostPerUnit, Column::Efficiency, Column::TotalCost};
    if (vehicle().fuelSystemType() == 2)
        columns.prepend(Column::FuelType);
    setVisibleColumns(columns);
}

QString CFuelLogTableView::headerText(int column) const
{
    const QString volume = volumeUnitName().toLower();
    const QString symbol = currency()->symbol();
    const QString unit = vehicle().odometerUnitText();
    switch (column) {
    case Column::Id:
        return tr("ID");
    case Column::Date:
        return tr("Date");
    case Column::Odometer:
        return tr("Odometer") + QStringLiteral(" (%1)").arg(unit);
    case Column::FuelType:
        return tr("Fuel Type");
    case Column::CostPerUnit:
        return tr("Cost (%1 / %2)").arg(symbol, volume);
    case Column::Quantity:
        return tr("Quantity") + QStringLiteral(" (%1s)").arg(volume);
    case Column::Distance:
        return tr("Distance (%1)").arg(unit);
    case Column::Efficiency:
        return vehicle().fuelEfficiencyFor(0, 0).unitText();
    case Column::TotalCost:
        return tr("Total cost") + QStringLiteral(" (%1)").arg(symbol);
    default:
        return QString();
    }
}

QString CFuelLogTableView::notSelectedText() const
{
    return tr("Fuel entry not selected.");
}

CRecordTableView::DeletePrompt CFuelLogTableView::deletePrompt(const QSqlRecord &) const
{
    return {tr("Delete Fuel Entry"), tr("Are you sure that you want to delete this Fuel Entry?"), QString()};
}

int CFuelLogTableView::editRecord(int id)
{
    return CFuelLogDialog::editEntry(id);
}
