#include "modules/vehicle/vehicledialog.h"

#include "application/mainwindow.h"
#include "database/vehicletype.h"
#include "modules/vehicle/wizard/fuelsystem.h"
#include "modules/vehicle/wizard/odometerunit.h"
#include "utility/clock.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const QString NormalCaption = QStringLiteral("QLabel {color:#000;}");
const QString MissingCaption = QStringLiteral("QLabel {color:#f00;}");

QDateEdit *dateEdit(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(Utility::dateFormat());
    return edit;
}

QComboBox *fuelNameComboBox(QWidget *parent)
{
    auto *comboBox = new QComboBox(parent);
    comboBox->setEditable(true);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    comboBox->addItems(CFuelSystem::fuelNames());
    return comboBox;
}

// The item data of the selected item, `fallback` when nothing is selected.
int selectedData(const QComboBox *comboBox, int fallback)
{
    return comboBox->currentIndex() < 0 ? fallback : comboBox->currentData().toInt();
}

} // namespace

CVehicleDialog::CVehicleDialog(QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint), m_typeCaption(new QLabel(this)),
      m_nameCaption(new QLabel(this)), m_dateCaption(new QLabel(this)), m_licensePlateCaption(new QLabel(this)),
      m_expiryCaption(new QLabel(this)), m_odometerCaption(new QLabel(this)),
      m_odometerTypeCaption(new QLabel(this)), m_fuelSystemCaption(new QLabel(this)),
      m_fuelNamesCaption(new QLabel(this)),
      m_descriptionCaption(new QLabel(this)), m_typeComboBox(new QComboBox(this)), m_typeImageLabel(new QLabel(this)),
      m_nameEdit(new QLineEdit(this)), m_dateEdit(dateEdit(this)), m_licensePlateEdit(new QLineEdit(this)),
      m_expiryEdit(dateEdit(this)), m_odometerEdit(new QLineEdit(this)), m_odometerTypeComboBox(new QComboBox(this)),
      m_fuelSystemComboBox(new QComboBox(this)), m_firstFuelComboBox(fuelNameComboBox(this)),
      m_secondFuelComboBox(fuelNameComboBox(this)), m_descriptionEdit(new QPlainTextEdit(this)),
      m_saveButton(new QPushButton(this)), m_cancelButton(new QPushButton(this))
{
    // Whole numbers from 0, as many digits as typed; too large a number is
    // refused when saving.
    m_odometerEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_odometerEdit));
    m_typeImageLabel->setAlignment(Qt::AlignCenter);
    m_typeImageLabel->setMinimumWidth(64);
    m_descriptionEdit->setTabChangesFocus(true);
    m_descriptionEdit->setMaximumHeight(m_descriptionEdit->fontMetrics().lineSpacing() * 6);

    auto *fuelNames = new QHBoxLayout;
    fuelNames->setSpacing(9);
    fuelNames->addWidget(m_firstFuelComboBox, 1);
    fuelNames->addWidget(m_secondFuelComboBox, 1);

    auto *form = new QGridLayout;
    form->setSpacing(9);
    form->addWidget(m_typeCaption, 0, 0);
    form->addWidget(m_typeComboBox, 0, 1);
    form->addWidget(m_typeImageLabel, 0, 2, 3, 1, Qt::AlignTop);
    form->addWidget(m_nameCaption, 1, 0);
    form->addWidget(m_nameEdit, 1, 1);
    form->addWidget(m_dateCaption, 2, 0);
    form->addWidget(m_dateEdit, 2, 1);
    form->addWidget(m_licensePlateCaption, 3, 0);
    form->addWidget(m_licensePlateEdit, 3, 1, 1, 2);
    form->addWidget(m_expiryCaption, 4, 0);
    form->addWidget(m_expiryEdit, 4, 1, 1, 2);
    form->addWidget(m_odometerCaption, 5, 0);
    form->addWidget(m_odometerEdit, 5, 1, 1, 2);
    form->addWidget(m_odometerTypeCaption, 6, 0);
    form->addWidget(m_odometerTypeComboBox, 6, 1, 1, 2);
    form->addWidget(m_fuelSystemCaption, 7, 0);
    form->addWidget(m_fuelSystemComboBox, 7, 1, 1, 2);
    form->addWidget(m_fuelNamesCaption, 8, 0);
    form->addLayout(fuelNames, 8, 1, 1, 2);
    form->addWidget(m_descriptionCaption, 9, 0, Qt::AlignTop);
    form->addWidget(m_descriptionEdit, 9, 1, 1, 2);
    form->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 7);
    layout->setSpacing(9);
    layout->addLayout(form);
    layout->addSpacing(9);
    layout->addLayout(buttons);

    m_saveButton->setDefault(true);
    connect(m_saveButton, &QPushButton::clicked, this, &CVehicleDialog::slotSave);
    connect(m_cancelButton, &QPushButton::clicked, this, &CVehicleDialog::reject);
    connect(m_typeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CVehicleDialog::slotVehicleTypeChanged);
    connect(m_fuelSystemComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CVehicleDialog::slotFuelSystemChanged);
    connect(m_odometerTypeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CVehicleDialog::slotOdometerTypeChanged);

    m_selecting = true;
    fillTypes();
    fillOdometerTypes();
    fillFuelSystems();
    m_selecting = false;
    retranslate();
    loadVehicle(0);
}

void CVehicleDialog::fillTypes()
{
    for (const CVehicleType &type : CVehicleType::list())
        m_typeComboBox->addItem(type.name(), type.id());
}

void CVehicleDialog::fillOdometerTypes()
{
    for (int code : COdometerUnit::codes())
        m_odometerTypeComboBox->addItem(COdometerUnit::text(code, true), code);
}

void CVehicleDialog::fillFuelSystems()
{
    for (const CFuelSystem &system : CFuelSystem::list())
        m_fuelSystemComboBox->addItem(CFuelSystem::codeText(system.type), system.type);
}

void CVehicleDialog::retranslate()
{
    setWindowTitle(m_vehicle.id() != 0 ? tr("Edit Vehicle") : tr("New Vehicle"));
    m_typeCaption->setText(tr("Vehicle Type:"));
    m_nameCaption->setText(tr("Name:"));
    m_dateCaption->setText(tr("Manufacturing Date:"));
    m_licensePlateCaption->setText(tr("License Plate:"));
    m_expiryCaption->setText(tr("Registration Expires:"));
    m_odometerCaption->setText(tr("Odometer Value:"));
    m_odometerTypeCaption->setText(tr("Odometer Type:"));
    m_fuelSystemCaption->setText(tr("Fuel System:"));
    m_fuelNamesCaption->setText(tr("Fuel Names:"));
    m_firstFuelComboBox->setToolTip(tr("First fuel"));
    m_firstFuelComboBox->setAccessibleName(tr("First fuel"));
    m_secondFuelComboBox->setToolTip(tr("Second fuel"));
    m_secondFuelComboBox->setAccessibleName(tr("Second fuel"));
    m_descriptionCaption->setText(tr("Description:"));
    m_nameEdit->setWhatsThis(tr("Describe this vehicle"));
    m_dateEdit->setWhatsThis(tr("This is date when this vehicle is created"));
    m_expiryEdit->setWhatsThis(tr("Vehicle is registered until this date"));
    m_saveButton->setText(tr("Save"));
    m_cancelButton->setText(tr("Cancel"));
    for (int i = 0; i < m_odometerTypeComboBox->count(); ++i)
        m_odometerTypeComboBox->setItemText(
            i, COdometerUnit::text(m_odometerTypeComboBox->itemData(i).toInt(), true));
    for (int i = 0; i < m_fuelSystemComboBox->count(); ++i)
        m_fuelSystemComboBox->setItemText(i, CFuelSystem::codeText(m_fuelSystemComboBox->itemData(i).toInt()));

    int widest = 0;
    for (QLabel *caption : {m_typeCaption, m_nameCaption, m_dateCaption, m_licensePlateCaption, m_expiryCaption,
                            m_odometerCaption, m_odometerTypeCaption, m_fuelSystemCaption, m_fuelNamesCaption,
                            m_descriptionCaption})
        widest = qMax(widest, caption->sizeHint().width());
    m_typeCaption->setFixedWidth(widest);
    m_licensePlateCaption->setFixedWidth(widest);
}

void CVehicleDialog::loadVehicle(int id)
{
    m_vehicle = CVehicle();
    if (id != 0)
        m_vehicle.load(id);
    m_savedId = 0;
    m_fuelSystemTouched = false;
    m_odometerTypeTouched = false;
    for (QLabel *caption : {m_nameCaption, m_licensePlateCaption, m_odometerCaption, m_fuelSystemCaption})
        caption->setStyleSheet(NormalCaption);
    fill();
    retranslate();
}

void CVehicleDialog::fill()
{
    if (m_vehicle.id() == 0) {
        // A new vehicle: the first type with its suggestions, today's dates,
        // the registration for a year.
        const QDate today = Utility::Clock::today();
        m_nameEdit->clear();
        m_licensePlateEdit->clear();
        m_odometerEdit->setText(QStringLiteral("0"));
        m_descriptionEdit->clear();
        m_dateEdit->setDate(today);
        m_expiryEdit->setDate(today.addYears(1));
        m_firstFuelComboBox->setCurrentIndex(0);
        m_secondFuelComboBox->setCurrentIndex(qMin(1, m_secondFuelComboBox->count() - 1));
        select(m_odometerTypeComboBox, COdometerUnit::Kilometres);
        select(m_fuelSystemComboBox, CFuelSystem::Single);
        select(m_typeComboBox, m_typeComboBox->itemData(0).toInt());
        slotVehicleTypeChanged(m_typeComboBox->currentIndex());
        enableFuelNames();
        return;
    }
    const CVehicleForm form = CVehicleForm::fromVehicle(m_vehicle);
    select(m_typeComboBox, form.typeId);
    slotVehicleTypeChanged(m_typeComboBox->currentIndex());
    m_nameEdit->setText(form.name);
    m_dateEdit->setDate(form.date);
    m_licensePlateEdit->setText(form.licensePlate);
    m_expiryEdit->setDate(form.registrationExpirationDate);
    m_odometerEdit->setText(form.odometerText);
    select(m_odometerTypeComboBox, form.odometerType);
    select(m_fuelSystemComboBox, form.fuelSystemType);
    enableFuelNames();
    setFuelName(m_firstFuelComboBox, form.fuelNameFirst);
    setFuelName(m_secondFuelComboBox, form.fuelNameSecond);
    m_descriptionEdit->setPlainText(form.description);
}

void CVehicleDialog::select(QComboBox *comboBox, int data)
{
    const bool selecting = m_selecting;
    m_selecting = true;
    comboBox->setCurrentIndex(comboBox->findData(data));
    m_selecting = selecting;
}

void CVehicleDialog::setFuelName(QComboBox *comboBox, const QString &name)
{
    // A name typed earlier that is not among the offered ones stays as it is.
    comboBox->setCurrentIndex(comboBox->findText(name, Qt::MatchExactly));
    comboBox->setEditText(name);
}

CVehicleForm CVehicleDialog::form() const
{
    CVehicleForm form;
    form.typeId = selectedData(m_typeComboBox, m_vehicle.typeId());
    form.name = m_nameEdit->text();
    form.date = m_dateEdit->date();
    form.licensePlate = m_licensePlateEdit->text();
    form.registrationExpirationDate = m_expiryEdit->date();
    form.odometerText = m_odometerEdit->text();
    form.odometerType = selectedData(m_odometerTypeComboBox, m_vehicle.odometerType());
    form.fuelSystemType = selectedData(m_fuelSystemComboBox, m_vehicle.fuelSystemType());
    form.fuelNameFirst = m_firstFuelComboBox->currentText();
    form.fuelNameSecond = m_secondFuelComboBox->currentText();
    form.description = m_descriptionEdit->toPlainText();
    return form;
}

bool CVehicleDialog::validate()
{
    const CVehicleForm::Fields invalid = form().invalidFields();
    const auto mark = [&invalid](QLabel *caption, CVehicleForm::Field field) {
        caption->setStyleSheet(invalid.testFlag(field) ? MissingCaption : NormalCaption);
    };
    mark(m_nameCaption, CVehicleForm::Name);
    mark(m_licensePlateCaption, CVehicleForm::LicensePlate);
    mark(m_odometerCaption, CVehicleForm::Odometer);
    mark(m_fuelSystemCaption, CVehicleForm::FuelNames);
    return invalid == CVehicleForm::NoField;
}

void CVehicleDialog::slotSave()
{
    if (!validate())
        return;
    QString error;
    const int id = form().save(m_vehicle, &error);
    if (id == 0) {
        Utility::Prompt::critical(this, windowTitle(),
                                  QStringLiteral("<p>") + tr("The vehicle could not be saved.")
                                      + QStringLiteral("</p><p>") + error.toHtmlEscaped() + QStringLiteral("</p>"));
        // The record keeps what the database holds; the editors keep the
        // user's input for another try.
        m_vehicle.load(m_vehicle.id());
        return;
    }
    m_savedId = id;
    accept();
}

void CVehicleDialog::slotVehicleTypeChanged(int index)
{
    const CVehicleType type(m_typeComboBox->itemData(index).toInt());
    const QPixmap picture(type.imagePath());
    m_typeImageLabel->setPixmap(picture.isNull() ? picture : picture.scaledToWidth(64, Qt::SmoothTransformation));
    if (m_vehicle.id() != 0 || index < 0)
        return;
    // A suggestion that is not offered leaves the choice as it is.
    if (!m_fuelSystemTouched && m_fuelSystemComboBox->findData(type.fuelSystemSuggestion()) >= 0)
        select(m_fuelSystemComboBox, type.fuelSystemSuggestion());
    if (!m_odometerTypeTouched && m_odometerTypeComboBox->findData(type.odometerTypeSuggestion()) >= 0)
        select(m_odometerTypeComboBox, type.odometerTypeSuggestion());
}

void CVehicleDialog::slotFuelSystemChanged(int)
{
    enableFuelNames();
    if (!m_selecting)
        m_fuelSystemTouched = true;
}

void CVehicleDialog::enableFuelNames()
{
    const int fuelSystem = selectedData(m_fuelSystemComboBox, CFuelSystem::None);
    m_firstFuelComboBox->setEnabled(fuelSystem == CFuelSystem::Single || fuelSystem == CFuelSystem::Double);
    m_secondFuelComboBox->setEnabled(fuelSystem == CFuelSystem::Double);
}

void CVehicleDialog::slotOdometerTypeChanged(int)
{
    if (!m_selecting)
        m_odometerTypeTouched = true;
}

int runVehicleDialog(int vehicleId)
{
    CVehicleDialog dialog(CMainWindow::instance());
    dialog.loadVehicle(vehicleId);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.savedId();
}
