#pragma once

#include "modules/vehicle/records/recordtableview.h"

class CServiceScheduleDelegate;
class QAction;

// The service schedules of a vehicle, newest first: name, last check, due,
// reminder, repeat and status, coloured by status. Besides Edit and Delete
// a schedule can be marked as done.
class CServiceScheduleTableView : public CRecordTableView
{
    Q_OBJECT

public:
    explicit CServiceScheduleTableView(QWidget *parent = nullptr);

    QAction *markDoneAction() const { return m_markDoneAction; }
    CServiceScheduleDelegate *scheduleDelegate() const;

public slots:
    // Records a check of the current schedule today; see
    // CServiceSchedule::markDone().
    void slotMarkDone();

protected:
    QString headerText(int column) const override;
    QString notSelectedText() const override;
    DeletePrompt deletePrompt(const QSqlRecord &record) const override;
    int editRecord(int id) override;
    void vehicleChanged() override;
    void retranslateKind() override;

private:
    QAction *m_markDoneAction = nullptr;
};
