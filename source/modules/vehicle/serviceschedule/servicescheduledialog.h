#pragma once

#include "database/serviceschedule.h"
#include "database/vehicle.h"
#include "widgets/entrydialog.h"

class CNumberEdit;
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
class CServiceScheduleDialog : public CEntryDialog
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

    void retranslate();

public slots:
    void slotSave();
    // Enables the reminder and repeat fields that the due choice and the
    // repeat box allow.
    void slotRepeatEnabled();

private:
    void setForm(const CServiceScheduleForm &form);

    CVehicle m_vehicle;
    CServiceSchedule m_schedule;

    QLabel *nameLabel = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLabel *descriptionLabel = nullptr;
    QPlainTextEdit *descriptionEdit = nullptr;
    QLabel *dueLabel = nullptr;
    QCheckBox *dueDateCheck = nullptr;
    QDateEdit *dueDateEdit = nullptr;
    QLabel *dueOrLabel = nullptr;
    QCheckBox *dueOdometerCheck = nullptr;
    CNumberEdit *dueOdometerEdit = nullptr;
    QLabel *dueUnitLabel = nullptr;
    QCheckBox *repeatCheck = nullptr;
    CNumberEdit *repeatCountEdit = nullptr;
    QComboBox *repeatUnitCombo = nullptr;
    QLabel *repeatOrLabel = nullptr;
    CNumberEdit *repeatDistanceEdit = nullptr;
    QLabel *repeatUnitLabel = nullptr;
    QLabel *reminderLabel = nullptr;
    CNumberEdit *reminderCountEdit = nullptr;
    QComboBox *reminderUnitCombo = nullptr;
    QLabel *reminderOrLabel = nullptr;
    CNumberEdit *reminderDistanceEdit = nullptr;
    QLabel *reminderUnitLabel = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
