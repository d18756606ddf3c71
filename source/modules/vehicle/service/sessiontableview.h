#pragma once

#include "modules/vehicle/records/recorddelegate.h"
#include "modules/vehicle/records/recordtableview.h"

// Paints the session list: the date in the configured format, the total
// with two decimals.
class CSessionDelegate : public CRecordDelegate
{
    Q_OBJECT

public:
    explicit CSessionDelegate(QObject *parent = nullptr);
};

// A vehicle's service sessions, highest odometer first: date, odometer,
// total cost. Column widths are kept under "SessionColumns".
class CSessionTableView : public CRecordTableView
{
    Q_OBJECT

public:
    explicit CSessionTableView(QWidget *parent = nullptr);

protected:
    QString headerText(int column) const override;
    QString notSelectedText() const override;
    DeletePrompt deletePrompt(const QSqlRecord &record) const override;
    int editRecord(int id) override;
};
