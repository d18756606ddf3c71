#include "modules/vehicle/wizard/licenseplatewizardtab.h"

#include "utility/clock.h"
#include "utility/utility.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

CLicensePlateWizardTab::CLicensePlateWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
    , plateCaption(new QLabel(this))
    , plateEdit(new QLineEdit(this))
    , expiryCaption(new QLabel(this))
    , expiryEdit(new QDateEdit(this))
{
    setImage(QPixmap(QStringLiteral(":resource/icons/steering-wheel-64.png")));
    expiryEdit->setCalendarPopup(true);
    expiryEdit->setDisplayFormat(Utility::dateFormat());
    expiryEdit->setDate(Utility::Clock::today().addYears(1));

    addRow(plateCaption, plateEdit);
    addRow(expiryCaption, expiryEdit);
    setFirstEditor(plateEdit);
    retranslate();
}

void CLicensePlateWizardTab::retranslate()
{
    setTitle(tr("License Plate"));
    setExplanation(tr("Please enter License Plate informations"));
    plateCaption->setText(tr("License Plate:"));
    expiryCaption->setText(tr("Registration Expiration:"));
}

bool CLicensePlateWizardTab::validatePage()
{
    return checkField(
        plateCaption, plateEdit, !plateEdit->text().trimmed().isEmpty(), tr("Please insert all requested data"));
}

QString CLicensePlateWizardTab::licensePlate() const
{
    return plateEdit->text();
}

QDate CLicensePlateWizardTab::registrationExpirationDate() const
{
    return expiryEdit->date();
}
