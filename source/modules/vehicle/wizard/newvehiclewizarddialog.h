#pragma once

#include "modules/vehicle/wizard/newvehicle.h"
#include "widgets/wizarddialog.h"

class CDescriptionWizardTab;
class CFinishWizardTab;
class CFuelSystemWizardTab;
class CLicensePlateWizardTab;
class COdometerWizardTab;
class CVehicleDetailsWizardTab;

// The six-step wizard that creates a vehicle. Nothing is written before
// Finish, which stores the vehicle and its starting odometer reading.
class CNewVehicleWizardDialog : public CWizardDialog
{
    Q_OBJECT

public:
    enum Step { VehicleDetailsStep, LicensePlateStep, OdometerStep, FuelSystemStep, DescriptionStep, FinishStep };

    explicit CNewVehicleWizardDialog(QWidget *parent = nullptr);

    // The new vehicle's id once Finish has stored it, 0 until then.
    int newVehicleId() const { return resultId; }
    // The values the pages hold now.
    CNewVehicle newVehicle() const;

    CVehicleDetailsWizardTab *vehicleDetailsTab() const { return vehicleDetailsPage; }
    CLicensePlateWizardTab *licensePlateTab() const { return licensePlatePage; }
    COdometerWizardTab *odometerTab() const { return odometerPage; }
    CFuelSystemWizardTab *fuelSystemTab() const { return fuelSystemPage; }
    CDescriptionWizardTab *descriptionTab() const { return descriptionPage; }
    CFinishWizardTab *finishTab() const { return finishPage; }

    void retranslate() override;
    // Stores the vehicle; a failure is shown, nothing is kept, and the wizard
    // stays open so that the user may try again or cancel.
    void finish() override;
    void goToPage(int index) override;

private:
    void fillSummary();

    int resultId = 0;
    CVehicleDetailsWizardTab *vehicleDetailsPage = nullptr;
    CLicensePlateWizardTab *licensePlatePage = nullptr;
    COdometerWizardTab *odometerPage = nullptr;
    CFuelSystemWizardTab *fuelSystemPage = nullptr;
    CDescriptionWizardTab *descriptionPage = nullptr;
    CFinishWizardTab *finishPage = nullptr;
};
