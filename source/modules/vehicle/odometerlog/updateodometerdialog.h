#pragma once

#include "database/odometerlog.h"
#include "database/vehicle.h"
#include "widgets/dialog.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Enters a reading by hand or corrects a stored one. A new reading must be
// above the vehicle's current value; a stored one may take any value.
class CUpdateOdometerDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CUpdateOdometerDialog(QWidget *parent = nullptr);

    // Runs the dialog for a new reading of `vehicle`: the new reading's id,
    // 0 when cancelled or when saving failed (the user is told).
    static int newEntry(const CVehicle &vehicle);
    // Runs the dialog for the stored reading `id`: its id, 0 when cancelled,
    // when saving failed or when there is no such reading (the user is told).
    static int editEntry(int id);

    // The reading typed into `text` when Save may accept it: a whole number
    // from 0 up, written in plain digits whatever the system locale, and
    // above `vehicleOdometer` for a new reading. Otherwise false, with the
    // reason in `reason` (`unit` names the odometer unit).
    static bool acceptedOdometer(const QString &text, bool stored, int vehicleOdometer, int *value,
                                 QString *reason = nullptr, const QString &unit = QString());

    // Prepares the form: a new reading of `vehicle`, or the stored reading
    // `id` (false when no row has that id).
    void setNewEntry(const CVehicle &vehicle);
    bool setStoredEntry(int id);
    // Writes the accepted form; the reading's id, 0 after a failure.
    int saveEntry();

    void retranslate();

    QDateEdit *dateEdit() const { return m_dateEdit; }
    QLineEdit *odometerEdit() const { return m_odometerEdit; }
    QPlainTextEdit *descriptionEdit() const { return m_descriptionEdit; }
    QLabel *odometerLabel() const { return m_odometerLabel; }
    // Why Save refused the odometer; empty while it is not refused.
    QLabel *reasonLabel() const { return m_reasonLabel; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

public slots:
    void slotSave();

private:
    // Marks the odometer as refused with `reason`, or clears the mark.
    void showReason(const QString &reason);

    // Runs the prepared dialog; see newEntry().
    int run();

    CVehicle m_vehicle;
    COdometerLog m_reading;
    int m_odometer = 0;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_reasonLabel = nullptr;
    QLabel *m_odometerLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QLineEdit *m_odometerEdit = nullptr;
    QPlainTextEdit *m_descriptionEdit = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
