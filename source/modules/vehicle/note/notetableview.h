#pragma once

#include "modules/vehicle/records/recorddelegate.h"
#include "modules/vehicle/records/recordtableview.h"

// Paints the note list: the date in the configured format.
class CNoteDelegate : public CRecordDelegate
{
    Q_OBJECT

public:
    explicit CNoteDelegate(QObject *parent = nullptr);
};

// A vehicle's notes, newest first: date and title. Column widths are kept
// under "NoteColumns".
class CNoteTableView : public CRecordTableView
{
    Q_OBJECT

public:
    explicit CNoteTableView(QWidget *parent = nullptr);

protected:
    QString headerText(int column) const override;
    QString notSelectedText() const override;
    DeletePrompt deletePrompt(const QSqlRecord &record) const override;
    int editRecord(int id) override;
};
