#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpensestable.h"

#include "reports/vehicleexpensecalculator.h"
#include "utility/utility.h"

#include <QHeaderView>

CVehicleExpensesTable::CVehicleExpensesTable(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(ColumnCount);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionResizeMode(PeriodColumn, QHeaderView::Stretch);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setAlternatingRowColors(true);
    retranslateUi();
}

void CVehicleExpensesTable::setCalculator(CVehicleExpenseCalculator *calculator)
{
    if (m_calculator)
        disconnect(m_calculator, nullptr, this, nullptr);
    m_calculator = calculator;
    if (m_calculator)
        connect(m_calculator, &CVehicleExpenseCalculator::updated, this, &CVehicleExpensesTable::updateTable);
}

void CVehicleExpensesTable::retranslateUi()
{
    setHorizontalHeaderLabels({tr("Expenses"), tr("Fuel"), tr("Service"), tr("Custom"), tr("Total")});
}

void CVehicleExpensesTable::updateTable()
{
    if (!m_calculator)
        return;
    const int rows = m_calculator->count();
    const QStringList names = m_calculator->periodNames();
    const QVector<double> amounts[] = {m_calculator->fuelCosts(), m_calculator->serviceCosts(),
                                       m_calculator->otherCosts(), m_calculator->totalCosts()};
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        auto *name = new QTableWidgetItem(names.value(row));
        name->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, PeriodColumn, name);
        for (int column = FuelColumn; column <= TotalColumn; ++column) {
            auto *amount = new QTableWidgetItem(Utility::numberToString(amounts[column - FuelColumn].value(row), 2));
            amount->setTextAlignment(Qt::AlignCenter);
            setItem(row, column, amount);
        }
    }
    setUpdatesEnabled(true);
}
