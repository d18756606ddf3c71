#pragma once

#include <QPointer>
#include <QTableWidget>

class CVehicleExpenseCalculator;

// The cost report's table: one row per bucket with its fuel, service, other
// and total cost, refilled whenever its calculator has computed.
class CVehicleExpensesTable : public QTableWidget
{
    Q_OBJECT

public:
    enum Column { PeriodColumn, FuelColumn, ServiceColumn, OtherColumn, TotalColumn, ColumnCount };

    explicit CVehicleExpensesTable(QWidget *parent = nullptr);

    // Shows `calculator` from now on (not owned).
    void setCalculator(CVehicleExpenseCalculator *calculator);
    void retranslateUi();

public slots:
    void updateTable();

private:
    QPointer<CVehicleExpenseCalculator> m_calculator;
};
