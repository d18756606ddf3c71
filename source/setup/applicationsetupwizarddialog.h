#pragma once

#include "widgets/wizarddialog.h"

class CApplicationFinishWizardTab;
class CCurrencyWizardTab;
class CFuelEfficiencyWizardTab;
class CVolumeUnitsWizardTab;

// The first-run wizard: volume unit, fuel-efficiency mode and currency.
// Nothing is stored before Finish.
class CApplicationSetupWizardDialog : public CWizardDialog
{
    Q_OBJECT

public:
    explicit CApplicationSetupWizardDialog(QWidget *parent = nullptr);

    // True once Finish has stored the choices.
    bool isFinished() const { return finished; }

    CVolumeUnitsWizardTab *volumeUnitsTab() const { return volumeUnitsPage; }
    CFuelEfficiencyWizardTab *fuelEfficiencyTab() const { return fuelEfficiencyPage; }
    CCurrencyWizardTab *currencyTab() const { return currencyPage; }
    CApplicationFinishWizardTab *finishTab() const { return finishPage; }

    // The summary's efficiency line: the mode in the chosen volume unit, with
    // km beside litres and miles beside gallons.
    static QString efficiencySummaryText(int mode, int volumeUnit);

    void retranslate() override;
    // Stores the choices in one transaction; a failure is shown and keeps
    // the wizard open.
    void finish() override;
    void goToPage(int index) override;

private:
    bool finished = false;
    CVolumeUnitsWizardTab *volumeUnitsPage = nullptr;
    CFuelEfficiencyWizardTab *fuelEfficiencyPage = nullptr;
    CCurrencyWizardTab *currencyPage = nullptr;
    CApplicationFinishWizardTab *finishPage = nullptr;
};

// Runs the wizard modally; true when the user completed it with Finish.
bool runSetupWizard(QWidget *parent);
