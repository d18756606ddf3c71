#pragma once

#include "database/session.h"
#include "widgets/entrydialog.h"

class CNumberEdit;
class CServiceItemListEdit;
class CVehicle;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

// The service session dialog: date, odometer and comment on the left, the
// priced items on the right. Items are added, edited and deleted in the
// dialog only; Save writes the session, its items and its odometer reading
// in one transaction, Cancel leaves the database as it was.
class CSessionDialog : public CEntryDialog
{
    Q_OBJECT

public:
    explicit CSessionDialog(QWidget *parent = nullptr);

    // Run the dialog with the main window as parent: the saved id, or 0.
    static int addEntry(int vehicleId);
    static int addEntry(const CVehicle &vehicle);
    static int editEntry(int id);

    // Fills the fields for a new session of `vehicleId`, or stored session
    // `id`; false when there is no such session.
    bool openEntry(int id, int vehicleId = 0);
    void retranslate();

    CNumberEdit *odometerEdit() const { return m_odometerEdit; }
    QPlainTextEdit *commentEdit() const { return m_commentEdit; }
    QDateEdit *dateEdit() const { return m_dateEdit; }
    QLabel *odometerLabel() const { return m_odometerLabel; }
    CServiceItemListEdit *itemsEdit() const { return m_items; }

public slots:
    void slotSave();

private:
    CSession m_session;
    int m_vehicleId = 0;

    QLabel *m_dateLabel = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QLabel *m_odometerLabel = nullptr;
    CNumberEdit *m_odometerEdit = nullptr;
    QLabel *m_commentLabel = nullptr;
    QPlainTextEdit *m_commentEdit = nullptr;
    CServiceItemListEdit *m_items = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
