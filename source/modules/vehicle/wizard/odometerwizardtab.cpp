#include "modules/vehicle/wizard/odometerwizardtab.h"

#include "modules/vehicle/wizard/newvehicle.h"
#include "modules/vehicle/wizard/odometerunit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <limits>

COdometerWizardTab::COdometerWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
    , typeCaption(new QLabel(this))
    , typeComboBox(new QComboBox(this))
    , valueCaption(new QLabel(this))
    , valueEdit(new QLineEdit(this))
{
    setImage(QPixmap(QStringLiteral(":resource/icons/speedometer-64.png")));
    const QList<int> codes = COdometerUnit::codes();
    for (int code : codes)
        typeComboBox->addItem(QString(), code);
    // Digits only, whatever the system locale's number format.
    valueEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), valueEdit));

    addRow(typeCaption, typeComboBox);
    addRow(valueCaption, valueEdit);
    setFirstEditor(valueEdit);

    connect(typeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &COdometerWizardTab::slotOdometerTypeChanged);
    // Re-choosing the unit already shown is a choice too.
    watchUserChoice(typeComboBox, userChanged);
    retranslate();
}

void COdometerWizardTab::retranslate()
{
    setTitle(tr("Odometer"));
    setExplanation(tr("Please enter your vehicle odometer informations"));
    typeCaption->setText(tr("Odometer Type:"));
    valueCaption->setText(tr("Odometer Value:"));
    for (int i = 0; i < typeComboBox->count(); ++i)
        typeComboBox->setItemText(i, COdometerUnit::text(typeComboBox->itemData(i).toInt(), true));
}

bool COdometerWizardTab::validatePage()
{
    const QString text = valueEdit->text();
    const bool valid = CNewVehicle::parseOdometer(text, nullptr);
    // The object name selects the application's error style.
    valueCaption->setObjectName(valid ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
    return checkField(valueCaption, valueEdit, valid,
        text.trimmed().isEmpty() ? tr("Please insert odometer value")
                                 : tr("Please insert the odometer value as a whole number from 0 to %1")
                                       .arg(std::numeric_limits<int>::max()));
}

void COdometerWizardTab::applySuggestion(int code)
{
    suggestChoice(typeComboBox, code, userChanged);
}

int COdometerWizardTab::odometerType() const
{
    return typeComboBox->currentData().toInt();
}

int COdometerWizardTab::odometerValue() const
{
    int value = 0;
    return CNewVehicle::parseOdometer(valueEdit->text(), &value) ? value : 0;
}

void COdometerWizardTab::slotOdometerTypeChanged(int index)
{
    Q_UNUSED(index)
    userChanged = true;
}
