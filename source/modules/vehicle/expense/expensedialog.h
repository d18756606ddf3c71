#pragma once

#include "database/expense.h"
#include "widgets/entrydialog.h"

class CNumberEdit;
class CVehicle;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The expense dialog: date, name, amount and comment of a new or stored
// expense. Save needs a name and an amount that is a number; it writes the
// expense with its odometer reading in one transaction.
class CExpenseDialog : public CEntryDialog
{
    Q_OBJECT

public:
    explicit CExpenseDialog(QWidget *parent = nullptr);

    // Run the dialog with the main window as parent: the saved id, or 0.
    static int addEntry(const CVehicle &vehicle);
    static int editEntry(int id);

    // Fills the fields for a new expense of `vehicleId`, or stored expense
    // `id`; false when there is no such expense.
    bool openEntry(int id, int vehicleId = 0);
    void retranslate();

    QLineEdit *nameEdit() const { return m_nameEdit; }
    CNumberEdit *amountEdit() const { return m_amountEdit; }
    QPlainTextEdit *commentEdit() const { return m_commentEdit; }
    QDateEdit *dateEdit() const { return m_dateEdit; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *amountLabel() const { return m_amountLabel; }
    QDialogButtonBox *buttons() const { return m_buttons; }

public slots:
    void slotSave();

private:
    CExpense m_expense;
    int m_vehicleId = 0;

    QLabel *m_dateLabel = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_amountLabel = nullptr;
    CNumberEdit *m_amountEdit = nullptr;
    QLabel *m_commentLabel = nullptr;
    QPlainTextEdit *m_commentEdit = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
