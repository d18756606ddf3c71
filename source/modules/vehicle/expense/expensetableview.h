#pragma once

#include "modules/vehicle/records/recorddelegate.h"
#include "modules/vehicle/records/recordtableview.h"

// Paints the expense list: the date in the configured format, the amount
// with two decimals.
class CExpenseDelegate : public CRecordDelegate
{
    Q_OBJECT

public:
    explicit CExpenseDelegate(QObject *parent = nullptr);
};

// A vehicle's expenses, newest first: date, amount, name. Column widths are
// kept under "ExpenseColumns".
class CExpenseTableView : public CRecordTableView
{
    Q_OBJECT

public:
    explicit CExpenseTableView(QWidget *parent = nullptr);

protected:
    QString headerText(int column) const override;
    QString notSelectedText() const override;
    DeletePrompt deletePrompt(const QSqlRecord &record) const override;
    int editRecord(int id) override;
};
