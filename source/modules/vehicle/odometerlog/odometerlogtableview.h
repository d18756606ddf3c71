#pragma once

#include "modules/vehicle/records/recordtableview.h"

class COdometerLogDelegate;

// A vehicle's readings, newest date first and, within one date, highest
// reading first, each with the icon of the kind of entry that wrote it.
// Editing a reading opens the dialog of that entry. Column widths are kept
// under "OdometerLogColumns".
class COdometerLogTableView : public CRecordTableView
{
    Q_OBJECT

public:
    explicit COdometerLogTableView(QWidget *parent = nullptr);

    COdometerLogDelegate *delegate() const { return m_delegate; }

protected:
    QString headerText(int column) const override;
    QString notSelectedText() const override;
    DeletePrompt deletePrompt(const QSqlRecord &record) const override;
    int editRecord(int id) override;

private:
    COdometerLogDelegate *m_delegate = nullptr;
};
