#include "setup/applicationsetupwizarddialog.h"

#include "database/settings.h"
#include "database/transaction.h"
#include "modules/options/units.h"
#include "setup/applicationfinishwizardtab.h"
#include "setup/currencywizardtab.h"
#include "setup/fuelefficiencywizardtab.h"
#include "setup/volumeunitswizardtab.h"
#include "utility/prompt.h"

namespace {
enum Step { VolumeUnitsStep = 0, FuelEfficiencyStep = 1, CurrencyStep = 2, FinishStep = 3 };
}

CApplicationSetupWizardDialog::CApplicationSetupWizardDialog(QWidget *parent)
    : CWizardDialog(parent)
    , volumeUnitsPage(new CVolumeUnitsWizardTab)
    , fuelEfficiencyPage(new CFuelEfficiencyWizardTab)
    , currencyPage(new CCurrencyWizardTab)
    , finishPage(new CApplicationFinishWizardTab)
{
    addPage(volumeUnitsPage);
    addPage(fuelEfficiencyPage);
    addPage(currencyPage);
    addPage(finishPage);
    // Enter on the summary confirms it, like the default Finish button.
    finishPage->setLastPage(true);
    setStyleSheet(QStringLiteral("QLabel {color:#000;}"));
    retranslate();
    setCurrentPage(VolumeUnitsStep, true);
}

QString CApplicationSetupWizardDialog::efficiencySummaryText(int mode, int volumeUnit)
{
    const bool gallons = volumeUnit == VolumeUnitGallon;
    const QString volume = volumeUnitName(gallons ? VolumeUnitGallon : VolumeUnitLitre);
    const QString distance = gallons ? tr("miles") : tr("km");
    if (mode == FuelEfficiencyPerDistance)
        return tr("Per %1 (%2)").arg(tr("Distance"), tr("%1 / %2%3").arg(volume, QStringLiteral("100 "), distance));
    if (mode == FuelEfficiencyPerQuantity)
        return tr("Per Quantity (%1)").arg(tr("%1 per %2").arg(distance, volume));
    return QString();
}

void CApplicationSetupWizardDialog::retranslate()
{
    CWizardDialog::retranslate();
    setPrevText(tr("Go Back"));
    setNextText(tr("Continue"));
    setFinishText(tr("Finish"));
    setWindowTitle(tr("Garvo Setup"));
}

void CApplicationSetupWizardDialog::goToPage(int index)
{
    const bool forward = currentPageIndex() <= index;
    if (index == FuelEfficiencyStep)
        fuelEfficiencyPage->setVolumeUnit(volumeUnitsPage->volumeUnit());
    if (index == FinishStep)
        finishPage->setSummary(volumeUnitName(volumeUnitsPage->volumeUnit()),
                               efficiencySummaryText(fuelEfficiencyPage->fuelEfficiency(), volumeUnitsPage->volumeUnit()),
                               currencyPage->currencyText());
    setCurrentPage(index, forward);
}

void CApplicationSetupWizardDialog::finish()
{
    const QString code = currencyPage->currencyCode();
    CSettings *settings = CSettings::instance();
    bool stored = false;
    if (settings) {
        CTransaction transaction;
        stored = transaction.isActive()
            && settings->setValue(QStringLiteral("volume_unit"), volumeUnitsPage->volumeUnit())
            && settings->setValue(QStringLiteral("fuel_efficiency"), fuelEfficiencyPage->fuelEfficiency())
            && settings->setValue(QStringLiteral("currency"), code) && transaction.commit();
    }
    if (!stored) {
        Utility::Prompt::critical(this, tr("Garvo Setup"),
                                  tr("Your choices could not be saved. Please check that the data folder "
                                     "can be written and try again."));
        return;
    }
    currency(code);
    finished = true;
    close();
}

bool runSetupWizard(QWidget *parent)
{
    CApplicationSetupWizardDialog wizard(parent);
    wizard.exec();
    return wizard.isFinished();
}
