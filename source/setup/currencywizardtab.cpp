#include "setup/currencywizardtab.h"

#include "currency/currency.h"
#include "modules/options/currencycombobox.h"
#include "modules/options/units.h"

#include <QLabel>
#include <QVBoxLayout>

CCurrencyWizardTab::CCurrencyWizardTab(QWidget *parent)
    : CSetupWizardTab(QStringLiteral(":resource/icons/currency-64.png"), parent)
    , label(new QLabel(this))
    , currencyComboBox(new CCurrencyComboBox(this))
{
    choicesLayout()->setSpacing(6);
    choicesLayout()->addWidget(label);
    choicesLayout()->addWidget(currencyComboBox);

    // The current currency comes from the stored one; a code the list does
    // not offer leaves its first entry selected, so a currency is always chosen.
    currencyComboBox->setCurrentCode(currency()->code());
    if (currencyComboBox->currentIndex() < 0)
        currencyComboBox->setCurrentIndex(0);
    retranslate();
}

QString CCurrencyWizardTab::currencyCode() const
{
    return currencyComboBox->currentCode();
}

QString CCurrencyWizardTab::currencyText() const
{
    return currencyComboBox->currentText();
}

void CCurrencyWizardTab::retranslate()
{
    setTitle(tr("Currency"));
    setExplanation(tr("Please choose Currency that you want to use"));
    label->setText(tr("Select your currency"));
}
