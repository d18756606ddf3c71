#pragma once

#include "database/note.h"
#include "widgets/entrydialog.h"

class CVehicle;
class QCheckBox;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The note dialog: title, star, date and description of a new or stored
// note. Save needs a title; it writes the note with its odometer reading in
// one transaction.
class CNoteDialog : public CEntryDialog
{
    Q_OBJECT

public:
    explicit CNoteDialog(QWidget *parent = nullptr);

    // Run the dialog with the main window as parent: the saved id, or 0.
    static int addEntry(const CVehicle &vehicle);
    static int editEntry(int id);

    // Fills the fields for a new note of `vehicleId`, or stored note `id`;
    // false when there is no such note.
    bool openEntry(int id, int vehicleId = 0);
    void retranslate();

    QLineEdit *titleEdit() const { return m_titleEdit; }
    QCheckBox *staredBox() const { return m_staredBox; }
    QPlainTextEdit *descriptionEdit() const { return m_descriptionEdit; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QDialogButtonBox *buttons() const { return m_buttons; }

public slots:
    void slotSave();

private:
    CNote m_note;
    int m_vehicleId = 0;

    QLabel *m_titleLabel = nullptr;
    QLineEdit *m_titleEdit = nullptr;
    QCheckBox *m_staredBox = nullptr;
    QLabel *m_dateLabel = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    QPlainTextEdit *m_descriptionEdit = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
