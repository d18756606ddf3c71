#pragma once

#include "setup/setupwizardtab.h"

// Step 0 of the setup: litres or gallons (gallons at first).
class CVolumeUnitsWizardTab : public CSetupWizardTab
{
    Q_OBJECT

public:
    explicit CVolumeUnitsWizardTab(QWidget *parent = nullptr);

    // 1 when "Litres" is checked, otherwise 2.
    int volumeUnit() const;
    QRadioButton *litreButton() const { return litreRadioButton; }
    QRadioButton *gallonButton() const { return gallonRadioButton; }

    void retranslate() override;

private:
    QRadioButton *litreRadioButton = nullptr;
    QRadioButton *gallonRadioButton = nullptr;
};
