#pragma once

#include "setup/setupwizardtab.h"

// Step 1 of the setup: efficiency per distance or per quantity. Until the
// user picks one, the choice follows the volume unit of step 0.
class CFuelEfficiencyWizardTab : public CSetupWizardTab
{
    Q_OBJECT

public:
    explicit CFuelEfficiencyWizardTab(QWidget *parent = nullptr);

    // Stores the unit named on the buttons; presets litres to per distance
    // and gallons to per quantity while the user has not chosen.
    void setVolumeUnit(int code);
    // 1 when "Per Distance" is checked, otherwise 2.
    int fuelEfficiency() const;
    bool hasUserChosen() const { return userChose; }
    QRadioButton *perDistanceButton() const { return perDistanceRadioButton; }
    QRadioButton *perQuantityButton() const { return perQuantityRadioButton; }

    void retranslate() override;

public slots:
    void slotFuelEfficiencySelected();

private:
    bool userChose = false;
    int volumeUnit = 0;
    QRadioButton *perDistanceRadioButton = nullptr;
    QRadioButton *perQuantityRadioButton = nullptr;
};
