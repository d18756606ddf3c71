#pragma once

#include "modules/vehicle/records/recordtableview.h"

class CFuelLogDelegate;

// The fuel entries of one vehicle, highest odometer first, in the order fuel
// type (two fuels only), date, odometer, distance, quantity, price,
// efficiency, total cost. Column widths are kept under "FuelLogColumns".
class CFuelLogTableView : public CRecordTableView
{
    Q_OBJECT

public:
    explicit CFuelLogTableView(QWidget *parent = nullptr);

    CFuelLogDelegate *delegate() const { return m_delegate; }

protected:
    QString headerText(int column) const override;
    QString notSelectedText() const override;
    DeletePrompt deletePrompt(const QSqlRecord &record) const override;
    int editRecord(int id) override;
    void vehicleChanged() override;

private:
    CFuelLogDelegate *m_delegate = nullptr;
};
