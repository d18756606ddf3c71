#pragma once

#include "database/serviceschedule.h"
#include "database/vehicle.h"
#include "widgets/dialog.h"

class CServiceScheduleForm;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The schedule dialog: a new schedule of a vehicle or a stored one. The
// user chooses whether it falls due by date, by odometer or both; the
// reminder and repeat fields of a kind not chosen are disabled. Save checks
// the form (CServiceScheduleForm), marks the captions of what is wrong with
// the reason below, and stores the schedule in one transaction.
class CServiceScheduleDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CServiceScheduleDialog(QWidget *parent = nullptr);

    // Run the dialog with the main window as parent: the id of the saved
    // schedule, 0 when the user cancelled.
    static int addEntry(int vehicleId);
    static int editEntry(int id);

    // Fills the fields for schedule `id`, or for a new one of `vehicleId`
    // when `id` is 0.
    void openEntry(int id, int vehicleId = 0);
    // The form as the fields hold it.
    CServiceScheduleForm form() const;
    // The id the last successful save returned, 0 before.
    int savedId() const { return m_savedId; }

    void retranslate();

public slots:
    void slotSave();
    // Enables the reminder and repeat fields that the due choice and the
    // repeat box allow.
    void slotRepeatEnabled();
    void slotNextDlgCtl();

private:
    int run(int id, int vehicleId);
    void setForm(const CServiceScheduleForm &form);
    void markInvalid(int fields, const QString &reason);

    CVehicle m_vehicle;
    CServiceSchedule m_schedule;
    int m_savedId = 0;

    QLabel *nameLabel = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLabel *descriptionLabel = nullptr;
    QPlainTextEdit *descriptionEdit = nullptr;
    QLabel *dueLabel = nullptr;
    QCheckBox *dueDateCheck = nullptr;
    QDateEdit *dueDateEdit = nullptr;
    QLabel *dueOrLabel = nullptr;
    QCheckBox *dueOdometerCheck = nullptr;
    QLineEdit *dueOdometerEdit = nullptr;
    QLabel *dueUnitLabel = nullptr;
    QCheckBox *repeatCheck = nullptr;
    QLineEdit *repeatCountEdit = nullptr;
    QComboBox *repeatUnitCombo = nullptr;
    QLabel *repeatOrLabel = nullptr;
    QLineEdit *repeatDistanceEdit = nullptr;
    QLabel *repeatUnitLabel = nullptr;
    QLabel *reminderLabel = nullptr;
    QLineEdit *reminderCountEdit = nullptr;
    QComboBox *reminderUnitCombo = nullptr;
    QLabel *reminderOrLabel = nullptr;
    QLineEdit *reminderDistanceEdit = nullptr;
    QLabel *reminderUnitLabel = nullptr;
    QLabel *errorText = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
