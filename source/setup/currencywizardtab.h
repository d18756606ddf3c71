#pragma once

#include "setup/setupwizardtab.h"

class CCurrencyComboBox;

// Step 2 of the setup: the currency, preselected from the stored one.
class CCurrencyWizardTab : public CSetupWizardTab
{
    Q_OBJECT

public:
    explicit CCurrencyWizardTab(QWidget *parent = nullptr);

    QString currencyCode() const;
    // The chosen entry as the currency list shows it.
    QString currencyText() const;
    CCurrencyComboBox *comboBox() const { return currencyComboBox; }

    void retranslate() override;

private:
    QLabel *label = nullptr;
    CCurrencyComboBox *currencyComboBox = nullptr;
};
