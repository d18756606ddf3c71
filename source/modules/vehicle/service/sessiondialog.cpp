#include "modules/vehicle/service/sessiondialog.h"

#include "application/mainwindow.h"
#include "database/vehicle.h"
#include "modules/vehicle/service/serviceitemlistedit.h"
#include "utility/clock.h"
#include "utility/utility.h"
#include "widgets/numberedit.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSessionDialog::CSessionDialog(QWidget *parent)
    : CEntryDialog(parent), m_dateLabel(new QLabel(this)), m_dateEdit(new QDateEdit(this)),
      m_odometerLabel(new QLabel(this)), m_odometerEdit(new CNumberEdit(0, this)),
      m_commentLabel(new QLabel(this)), m_commentEdit(new QPlainTextEdit(this)),
      m_items(new CServiceItemListEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this))
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/service-16.png")));
    m_dateEdit->setCalendarPopup(true);
    m_commentEdit->setTabChangesFocus(true);
    m_commentEdit->setFixedHeight(200);

    auto *form = new QFormLayout;
    form->addRow(m_dateLabel, m_dateEdit);
    form->addRow(m_odometerLabel, m_odometerEdit);
    form->addRow(m_commentLabel, m_commentEdit);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(form, 1);
    columns->addWidget(m_items, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(reasonLabel());
    layout->addWidget(m_buttons);

    moveOnReturn({m_odometerEdit});
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CSessionDialog::slotSave);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
    setFixedSize(700, 320);
}

int CSessionDialog::addEntry(int vehicleId)
{
    CSessionDialog dialog(CMainWindow::instance());
    dialog.openEntry(0, vehicleId);
    return dialog.run();
}

int CSessionDialog::addEntry(const CVehicle &vehicle)
{
    return addEntry(vehicle.id());
}

int CSessionDialog::editEntry(int id)
{
    CSessionDialog dialog(CMainWindow::instance());
    return dialog.openEntry(id) ? dialog.run() : 0;
}

bool CSessionDialog::openEntry(int id, int vehicleId)
{
    m_session = CSession(id);
    if (m_session.id() != id)
        return false;
    m_session.setAutoSave(false);
    m_vehicleId = id == 0 ? vehicleId : m_session.vehicleId();
    m_dateEdit->setDisplayFormat(Utility::dateFormat());
    m_dateEdit->setDate(id == 0 ? Utility::Clock::today() : m_session.date());
    m_odometerEdit->setText(QString::number(m_session.odometer()));
    m_commentEdit->setPlainText(m_session.description());
    m_items->load(id);
    retranslate();
    m_odometerEdit->setFocus();
    m_odometerEdit->selectAll();
    return true;
}

void CSessionDialog::slotSave()
{
    QString reason;
    beginChecks();
    const std::optional<int> odometer = m_odometerEdit->wholeValue(&reason);
    check(m_odometerLabel, m_odometerEdit, odometer.has_value(), reason);
    if (!checksPassed())
        return;

    CSession session = m_session;
    session.setDate(m_dateEdit->date());
    session.setOdometer(*odometer);
    session.setDescription(m_commentEdit->toPlainText());
    QString error;
    const int id = session.saveWithItems(m_vehicleId, m_items->editedItems(), &error);
    if (id != 0)
        m_session = session;
    finishSave(id, error);
}

void CSessionDialog::retranslate()
{
    setWindowTitle(tr("Service"));
    m_dateLabel->setText(tr("Date"));
    m_odometerLabel->setText(tr("Odometer"));
    m_commentLabel->setText(tr("Comment"));
    m_items->retranslate();
    m_buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}
