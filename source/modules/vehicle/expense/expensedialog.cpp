#include "modules/vehicle/expense/expensedialog.h"

#include "application/mainwindow.h"
#include "database/vehicle.h"
#include "utility/clock.h"
#include "utility/utility.h"
#include "widgets/numberedit.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CExpenseDialog::CExpenseDialog(QWidget *parent)
    : CEntryDialog(parent), m_dateLabel(new QLabel(this)), m_dateEdit(new QDateEdit(this)),
      m_nameLabel(new QLabel(this)), m_nameEdit(new QLineEdit(this)), m_amountLabel(new QLabel(this)),
      m_amountEdit(new CNumberEdit(8, this)), m_commentLabel(new QLabel(this)),
      m_commentEdit(new QPlainTextEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this))
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/expenses-16.png")));
    m_dateEdit->setCalendarPopup(true);
    m_commentEdit->setTabChangesFocus(true);

    auto *form = new QFormLayout;
    form->addRow(m_dateLabel, m_dateEdit);
    form->addRow(m_nameLabel, m_nameEdit);
    form->addRow(m_amountLabel, m_amountEdit);
    form->addRow(m_commentLabel, m_commentEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(reasonLabel());
    layout->addWidget(m_buttons);

    moveOnReturn({m_nameEdit, m_amountEdit});
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CExpenseDialog::slotSave);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
    setFixedSize(300, 250);
}

int CExpenseDialog::addEntry(const CVehicle &vehicle)
{
    CExpenseDialog dialog(CMainWindow::instance());
    dialog.openEntry(0, vehicle.id());
    return dialog.run();
}

int CExpenseDialog::editEntry(int id)
{
    CExpenseDialog dialog(CMainWindow::instance());
    return dialog.openEntry(id) ? dialog.run() : 0;
}

bool CExpenseDialog::openEntry(int id, int vehicleId)
{
    m_expense = CExpense(id);
    if (m_expense.id() != id)
        return false;
    m_expense.setAutoSave(false);
    m_vehicleId = id == 0 ? vehicleId : m_expense.vehicleId();
    m_dateEdit->setDisplayFormat(Utility::dateFormat());
    if (id == 0) {
        m_nameEdit->clear();
        m_dateEdit->setDate(Utility::Clock::today());
        m_commentEdit->clear();
        m_amountEdit->setText(QStringLiteral("0.00"));
    } else {
        m_nameEdit->setText(m_expense.name());
        m_dateEdit->setDate(m_expense.date());
        m_commentEdit->setPlainText(m_expense.comment());
        m_amountEdit->setText(CExpense::amountText(m_expense.amount()));
    }
    retranslate();
    m_nameEdit->setFocus();
    return true;
}

void CExpenseDialog::slotSave()
{
    QString reason;
    beginChecks();
    check(m_nameLabel, m_nameEdit, !m_nameEdit->text().trimmed().isEmpty(), tr("Enter a name"));
    const std::optional<double> amount = m_amountEdit->value(&reason);
    check(m_amountLabel, m_amountEdit, amount.has_value(), reason);
    if (!checksPassed())
        return;

    CExpense expense = m_expense;
    expense.setName(m_nameEdit->text());
    expense.setDate(m_dateEdit->date());
    expense.setComment(m_commentEdit->toPlainText());
    expense.setAmount(*amount);
    QString error;
    const int id = expense.saveWithReading(m_vehicleId, &error);
    if (id != 0)
        m_expense = expense;
    finishSave(id, error);
}

void CExpenseDialog::retranslate()
{
    setWindowTitle(m_expense.id() == 0 ? tr("New Expense") : tr("Edit Expense"));
    m_dateLabel->setText(tr("Date:"));
    m_nameLabel->setText(tr("Name:"));
    m_amountLabel->setText(tr("Amount:"));
    m_commentLabel->setText(tr("Comment:"));
    m_buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}
