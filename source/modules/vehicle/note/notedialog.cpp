#include "modules/vehicle/note/notedialog.h"

#include "application/mainwindow.h"
#include "database/vehicle.h"
#include "utility/clock.h"
#include "utility/utility.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CNoteDialog::CNoteDialog(QWidget *parent)
    : CEntryDialog(parent), m_titleLabel(new QLabel(this)), m_titleEdit(new QLineEdit(this)),
      m_staredBox(new QCheckBox(this)), m_dateLabel(new QLabel(this)), m_dateEdit(new QDateEdit(this)),
      m_descriptionLabel(new QLabel(this)), m_descriptionEdit(new QPlainTextEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this))
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/notes-16.png")));
    m_dateEdit->setCalendarPopup(true);
    m_descriptionEdit->setTabChangesFocus(true);

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(m_titleEdit, 1);
    titleRow->addWidget(m_staredBox);
    auto *form = new QFormLayout;
    form->addRow(m_titleLabel, titleRow);
    form->addRow(m_dateLabel, m_dateEdit);
    form->addRow(m_descriptionLabel, m_descriptionEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(reasonLabel());
    layout->addWidget(m_buttons);

    moveOnReturn({m_titleEdit});
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CNoteDialog::slotSave);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
    setFixedSize(500, 400);
}

int CNoteDialog::addEntry(const CVehicle &vehicle)
{
    CNoteDialog dialog(CMainWindow::instance());
    dialog.openEntry(0, vehicle.id());
    return dialog.run();
}

int CNoteDialog::editEntry(int id)
{
    CNoteDialog dialog(CMainWindow::instance());
    return dialog.openEntry(id) ? dialog.run() : 0;
}

bool CNoteDialog::openEntry(int id, int vehicleId)
{
    m_note = CNote(id);
    if (m_note.id() != id)
        return false;
    m_note.setAutoSave(false);
    m_vehicleId = id == 0 ? vehicleId : m_note.vehicleId();
    m_dateEdit->setDisplayFormat(Utility::dateFormat());
    m_titleEdit->setText(m_note.title());
    m_staredBox->setChecked(m_note.stared());
    m_dateEdit->setDate(id == 0 ? Utility::Clock::today() : m_note.date());
    m_descriptionEdit->setPlainText(m_note.description());
    retranslate();
    m_titleEdit->setFocus();
    return true;
}

void CNoteDialog::slotSave()
{
    beginChecks();
    check(m_titleLabel, m_titleEdit, !m_titleEdit->text().trimmed().isEmpty(), tr("Enter a title"));
    if (!checksPassed())
        return;

    CNote note = m_note;
    note.setTitle(m_titleEdit->text());
    note.setStared(m_staredBox->isChecked());
    note.setDate(m_dateEdit->date());
    note.setDescription(m_descriptionEdit->toPlainText());
    QString error;
    const int id = note.saveWithReading(m_vehicleId, &error);
    if (id != 0)
        m_note = note;
    finishSave(id, error);
}

void CNoteDialog::retranslate()
{
    setWindowTitle(m_note.id() == 0 ? tr("New Note") : tr("Edit Note"));
    m_titleLabel->setText(tr("Title:"));
    m_staredBox->setText(tr("Stared"));
    m_dateLabel->setText(tr("Date:"));
    m_descriptionLabel->setText(tr("Description:"));
    m_buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}
