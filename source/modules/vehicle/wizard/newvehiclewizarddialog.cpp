#include "modules/vehicle/wizard/newvehiclewizarddialog.h"

#include "application/mainwindow.h"
#include "database/vehicletype.h"
#include "modules/vehicle/wizard/descriptionwizardtab.h"
#include "modules/vehicle/wizard/finishwizardtab.h"
#include "modules/vehicle/wizard/fuelsystemwizardtab.h"
#include "modules/vehicle/wizard/licenseplatewizardtab.h"
#include "modules/vehicle/wizard/newvehiclewizard.h"
#include "modules/vehicle/wizard/odometerwizardtab.h"
#include "modules/vehicle/wizard/vehicledetailswizardtab.h"
#include "utility/prompt.h"
#include "utility/utility.h"

CNewVehicleWizardDialog::CNewVehicleWizardDialog(QWidget *parent)
    : CWizardDialog(parent)
    , vehicleDetailsPage(new CVehicleDetailsWizardTab)
    , licensePlatePage(new CLicensePlateWizardTab)
    , odometerPage(new COdometerWizardTab)
    , fuelSystemPage(new CFuelSystemWizardTab)
    , descriptionPage(new CDescriptionWizardTab)
    , finishPage(new CFinishWizardTab)
{
    addPage(vehicleDetailsPage);
    addPage(licensePlatePage);
    addPage(odometerPage);
    addPage(fuelSystemPage);
    addPage(descriptionPage);
    addPage(finishPage);
    // Enter on the summary confirms it, like the default Finish button.
    finishPage->setLastPage(true);
    setStyleSheet(QStringLiteral("QLabel {color:#000;}"));
    retranslate();
    setCurrentPage(VehicleDetailsStep, true);
}

CNewVehicle CNewVehicleWizardDialog::newVehicle() const
{
    CNewVehicle vehicle;
    vehicle.name = vehicleDetailsPage->name();
    vehicle.date = vehicleDetailsPage->date();
    vehicle.typeId = vehicleDetailsPage->vehicleTypeId();
    vehicle.licensePlate = licensePlatePage->licensePlate();
    vehicle.registrationExpirationDate = licensePlatePage->registrationExpirationDate();
    vehicle.odometerType = odometerPage->odometerType();
    vehicle.odometerValue = odometerPage->odometerValue();
    vehicle.fuelSystem = fuelSystemPage->fuelSystem();
    vehicle.description = descriptionPage->description();
    return vehicle;
}

void CNewVehicleWizardDialog::retranslate()
{
    CWizardDialog::retranslate();
    setPrevText(tr("Go Back"));
    setNextText(tr("Continue"));
    setFinishText(tr("Finish"));
    setWindowTitle(tr("Create a New Vehicle"));
    if (currentPageIndex() == FinishStep)
        fillSummary();
}

void CNewVehicleWizardDialog::goToPage(int index)
{
    const bool forward = currentPageIndex() <= index;
    // A type without suggestions (or no type at all) leaves the pages alone.
    if (vehicleDetailsPage->hasVehicleType()) {
        const CVehicleType type = vehicleDetailsPage->vehicleType();
        if (index == OdometerStep)
            odometerPage->applySuggestion(type.odometerTypeSuggestion());
        else if (index == FuelSystemStep)
            fuelSystemPage->applySuggestion(type.fuelSystemSuggestion());
    }
    if (index == FinishStep)
        fillSummary();
    setCurrentPage(index, forward);
}

void CNewVehicleWizardDialog::fillSummary()
{
    const CNewVehicle vehicle = newVehicle();
    const QString format = Utility::dateFormat();
    const QString separator = QStringLiteral(" - ");
    finishPage->setSummaryText(CFinishWizardTab::VehicleTypeRow, vehicleDetailsPage->vehicleType().name());
    finishPage->setSummaryText(
        CFinishWizardTab::VehicleNameRow, vehicle.name + separator + vehicle.date.toString(format));
    finishPage->setSummaryText(CFinishWizardTab::LicensePlateRow,
        vehicle.licensePlate + separator + tr("Valid until") + QStringLiteral(": ")
            + vehicle.registrationExpirationDate.toString(format));
    finishPage->setSummaryText(CFinishWizardTab::OdometerRow,
        QString::number(vehicle.odometerValue) + QLatin1Char(' ') + COdometerUnit::text(vehicle.odometerType, true));
    finishPage->setSummaryText(CFinishWizardTab::FuelSystemRow, vehicle.fuelSystem.displayText());
}

void CNewVehicleWizardDialog::finish()
{
    if (resultId == 0) {
        const int id = newVehicle().save();
        if (id == 0) {
            Utility::Prompt::critical(this, tr("Create a New Vehicle"),
                tr("The vehicle could not be saved, and nothing of it was stored. Please "
                   "check that the data folder can be written and try again."));
            return;
        }
        resultId = id;
    }
    accept();
}

int runNewVehicleWizard()
{
    CNewVehicleWizardDialog wizard(CMainWindow::instance());
    wizard.exec();
    return wizard.newVehicleId();
}
