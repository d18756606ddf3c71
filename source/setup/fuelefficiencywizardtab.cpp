#include "setup/fuelefficiencywizardtab.h"

#include "modules/options/units.h"

#include <QRadioButton>

CFuelEfficiencyWizardTab::CFuelEfficiencyWizardTab(QWidget *parent)
    : CSetupWizardTab(QStringLiteral(":resource/icons/road-64.png"), parent)
    , perDistanceRadioButton(addChoiceButton(QStringLiteral("perDistanceRadioButton"),
                                             QStringLiteral(":resource/icons/perDistanceButtonImage.png")))
    , perQuantityRadioButton(addChoiceButton(QStringLiteral("perQuantityRadioButton"),
                                             QStringLiteral(":resource/icons/perQuantityButtonImage.png")))
{
    perQuantityRadioButton->setChecked(true);
    connect(perDistanceRadioButton, &QRadioButton::clicked, this,
            &CFuelEfficiencyWizardTab::slotFuelEfficiencySelected);
    connect(perQuantityRadioButton, &QRadioButton::clicked, this,
            &CFuelEfficiencyWizardTab::slotFuelEfficiencySelected);
    retranslate();
}

void CFuelEfficiencyWizardTab::setVolumeUnit(int code)
{
    volumeUnit = code;
    if (!userChose) {
        if (code == VolumeUnitLitre)
            perDistanceRadioButton->setChecked(true);
        else if (code == VolumeUnitGallon)
            perQuantityRadioButton->setChecked(true);
    }
    retranslate();
}

int CFuelEfficiencyWizardTab::fuelEfficiency() const
{
    return perDistanceRadioButton->isChecked() ? FuelEfficiencyPerDistance : FuelEfficiencyPerQuantity;
}

void CFuelEfficiencyWizardTab::slotFuelEfficiencySelected()
{
    userChose = true;
}

void CFuelEfficiencyWizardTab::retranslate()
{
    const QString unit = volumeUnitName(volumeUnit);
    setTitle(tr("Fuel Efficiency"));
    setExplanation(tr("Please choose your Fuel Efficiency type:"));
    // The unit goes on a line of its own: one line does not fit the wizard.
    perDistanceRadioButton->setText(tr("Per Distance") + QLatin1Char('\n')
                                    + tr("(%1 / 100 Odometer Units)").arg(unit));
    perQuantityRadioButton->setText(tr("Per Quantity") + QLatin1Char('\n')
                                    + tr("(Odometer Units per %1)").arg(unit));
}
