#pragma once

#include "setup/setupwizardtab.h"

// Step 3 of the setup: the summary of the choices.
class CApplicationFinishWizardTab : public CSetupWizardTab
{
    Q_OBJECT

public:
    explicit CApplicationFinishWizardTab(QWidget *parent = nullptr);

    void setSummary(const QString &volumeUnit, const QString &fuelEfficiency, const QString &currency);
    QString volumeUnitText() const;
    QString fuelEfficiencyText() const;
    QString currencyText() const;

    void retranslate() override;

private:
    QLabel *volumeUnitCaption = nullptr;
    QLabel *fuelEfficiencyCaption = nullptr;
    QLabel *currencyCaption = nullptr;
    QLabel *volumeUnitValue = nullptr;
    QLabel *fuelEfficiencyValue = nullptr;
    QLabel *currencyValue = nullptr;
};
