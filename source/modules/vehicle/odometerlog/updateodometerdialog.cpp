#include "modules/vehicle/odometerlog/updateodometerdialog.h"

#include "application/mainwindow.h"
#include "utility/clock.h"
#include "utility/numbertext.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CUpdateOdometerDialog::CUpdateOdometerDialog(QWidget *parent)
    : CDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_dateLabel(new QLabel(this))
    , m_odometerLabel(new QLabel(this))
    , m_descriptionLabel(new QLabel(this))
    , m_dateEdit(new QDateEdit(this))
    , m_odometerEdit(new QLineEdit(this))
    , m_descriptionEdit(new QPlainTextEdit(this))
    , m_saveButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(this))
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/odometer-log-16.png")));

    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setDisplayFormat(Utility::dateFormat());
    // Digits only: no sign, no group or decimal separator of any locale.
    m_odometerEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), m_odometerEdit));
    m_odometerLabel->setStyleSheet(QStringLiteral("QLabel {color:#000;}"));
    m_descriptionEdit->setTabChangesFocus(true);
    m_reasonLabel = new QLabel(this);
    m_reasonLabel->setObjectName(QStringLiteral("reasonLabel"));
    m_reasonLabel->setStyleSheet(QStringLiteral("QLabel {color:#f00;}"));
    m_reasonLabel->setTextFormat(Qt::PlainText);
    m_reasonLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // The line is always there, so the dialog does not jump when it fills.
    m_reasonLabel->setFixedHeight(m_reasonLabel->fontMetrics().height());
    // A refused reading loses its mark as soon as it is mended.
    connect(m_odometerEdit, &QLineEdit::textChanged, this, [this] {
        if (m_reasonLabel->text().isEmpty())
            return;
        QString reason;
        acceptedOdometer(m_odometerEdit->text(), m_reading.id() != 0, m_vehicle.odometerValue(), nullptr, &reason,
                         m_vehicle.odometerUnitText());
        showReason(reason);
    });

    auto *form = new QFormLayout;
    form->addRow(m_dateLabel, m_dateEdit);
    form->addRow(m_odometerLabel, m_odometerEdit);
    form->addRow(QString(), m_reasonLabel);
    form->addRow(m_descriptionLabel, m_descriptionEdit);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(9, 9, 9, 9);
    column->setSpacing(9);
    column->addLayout(form);
    column->addLayout(buttons);

    m_saveButton->setDefault(true);
    connect(m_saveButton, &QPushButton::clicked, this, &CUpdateOdometerDialog::slotSave);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
    // Wider than 300 only when a long date format would not fit.
    setFixedSize(qMax(300, sizeHint().width()), 190 + m_reasonLabel->height() + 6);
}

int CUpdateOdometerDialog::newEntry(const CVehicle &vehicle)
{
    CUpdateOdometerDialog dialog(CMainWindow::instance());
    dialog.setNewEntry(vehicle);
    return dialog.run();
}

int CUpdateOdometerDialog::editEntry(int id)
{
    CUpdateOdometerDialog dialog(CMainWindow::instance());
    if (!dialog.setStoredEntry(id)) {
        Utility::Prompt::warning(CMainWindow::instance(), tr("Update odometer"),
                                 tr("This odometer entry no longer exists."));
        return 0;
    }
    return dialog.run();
}

bool CUpdateOdometerDialog::acceptedOdometer(const QString &text, bool stored, int vehicleOdometer, int *value,
                                             QString *reason, const QString &unit)
{
    QString why;
    const std::optional<int> odometer = NumberText::whole(text, &why);
    if (odometer && !stored && *odometer <= vehicleOdometer)
        why = tr("Must be higher than %1").arg(QString::number(vehicleOdometer) + QLatin1Char(' ') + unit).trimmed();
    if (reason)
        *reason = why;
    if (!why.isEmpty())
        return false;
    if (value)
        *value = *odometer;
    return true;
}

void CUpdateOdometerDialog::setNewEntry(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    // The page's copy may lag behind readings saved since it was loaded.
    if (vehicle.id() != 0) {
        const CVehicle stored(vehicle.id());
        if (stored.id() == vehicle.id())
            m_vehicle = stored;
    }
    m_reading = COdometerLog();
    m_dateEdit->setDate(Utility::Clock::today());
    m_odometerEdit->clear();
    m_descriptionEdit->clear();
}

bool CUpdateOdometerDialog::setStoredEntry(int id)
{
    const COdometerLog reading(id);
    if (id == 0 || reading.id() != id)
        return false;
    m_reading = reading;
    m_vehicle = CVehicle(reading.vehicleId());
    m_dateEdit->setDate(reading.date());
    m_odometerEdit->setText(QString::number(reading.odometer()));
    m_descriptionEdit->setPlainText(reading.description());
    return true;
}

int CUpdateOdometerDialog::run()
{
    m_odometerEdit->setFocus();
    retranslate();
    if (exec() != QDialog::Accepted)
        return 0;
    const int id = saveEntry();
    if (id == 0)
        Utility::Prompt::critical(this, tr("Update odometer"), tr("The odometer entry could not be saved."));
    return id;
}

void CUpdateOdometerDialog::slotSave()
{
    QString reason;
    const bool ok = acceptedOdometer(m_odometerEdit->text(), m_reading.id() != 0, m_vehicle.odometerValue(),
                                     &m_odometer, &reason, m_vehicle.odometerUnitText());
    showReason(reason);
    if (ok)
        accept();
}

void CUpdateOdometerDialog::showReason(const QString &reason)
{
    m_odometerLabel->setObjectName(reason.isEmpty() ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
    // Re-set so the application style sheet's rule for the name applies.
    m_odometerLabel->setStyleSheet(QString());
    m_odometerEdit->setToolTip(reason);
    m_reasonLabel->setText(reason);
}

int CUpdateOdometerDialog::saveEntry()
{
    COdometerLog reading = m_reading;
    reading.setAutoSave(false);
    reading.setDate(m_dateEdit->date());
    // A stored reading keeps its vehicle, even one that has since gone.
    if (reading.id() == 0)
        reading.setVehicleId(m_vehicle.id());
    reading.setOdometer(m_odometer);
    reading.setDescription(Utility::emptyIfBlank(m_descriptionEdit->toPlainText()));
    if (reading.id() == 0) {
        reading.setParentType(COdometerLog::VehicleParent);
        reading.setParentId(0);
    }
    const int id = reading.save(false);
    if (id != 0)
        m_reading = reading;
    return id;
}

void CUpdateOdometerDialog::retranslate()
{
    setWindowTitle(tr("Update odometer"));
    m_dateLabel->setText(tr("Date") + QStringLiteral(":"));
    m_odometerLabel->setText(tr("Odometer") + QStringLiteral(":"));
    m_descriptionLabel->setText(tr("Description") + QStringLiteral(":"));
    m_saveButton->setText(tr("Save"));
    m_cancelButton->setText(tr("Cancel"));
}
