#include "setup/volumeunitswizardtab.h"

#include "modules/options/units.h"

#include <QRadioButton>

CVolumeUnitsWizardTab::CVolumeUnitsWizardTab(QWidget *parent)
    : CSetupWizardTab(QStringLiteral(":resource/icons/fuel-log-64.png"), parent)
    , litreRadioButton(addChoiceButton(QStringLiteral("litreRadioButton"),
                                       QStringLiteral(":resource/icons/litreButtonImage.png")))
    , gallonRadioButton(addChoiceButton(QStringLiteral("gallonRadioButton"),
                                        QStringLiteral(":resource/icons/gallonButtonImage.png")))
{
    gallonRadioButton->setChecked(true);
    retranslate();
}

int CVolumeUnitsWizardTab::volumeUnit() const
{
    return litreRadioButton->isChecked() ? VolumeUnitLitre : VolumeUnitGallon;
}

void CVolumeUnitsWizardTab::retranslate()
{
    setTitle(tr("Volume Units"));
    setExplanation(tr("Please choose your Fuel Volume units"));
    litreRadioButton->setText(tr("Litres"));
    gallonRadioButton->setText(tr("Gallons"));
}
