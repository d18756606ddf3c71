#include "setup/applicationfinishwizardtab.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

CApplicationFinishWizardTab::CApplicationFinishWizardTab(QWidget *parent)
    : CSetupWizardTab(QStringLiteral(":resource/icons/check-64.png"), parent)
    , volumeUnitCaption(new QLabel(this))
    , fuelEfficiencyCaption(new QLabel(this))
    , currencyCaption(new QLabel(this))
    , volumeUnitValue(valueLabel(this))
    , fuelEfficiencyValue(valueLabel(this))
    , currencyValue(valueLabel(this))
{
    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(6);
    form->addRow(volumeUnitCaption, volumeUnitValue);
    form->addRow(fuelEfficiencyCaption, fuelEfficiencyValue);
    form->addRow(currencyCaption, currencyValue);
    choicesLayout()->addLayout(form);
    retranslate();
}

void CApplicationFinishWizardTab::setSummary(const QString &volumeUnit, const QString &fuelEfficiency,
                                             const QString &currency)
{
    volumeUnitValue->setText(volumeUnit);
    fuelEfficiencyValue->setText(fuelEfficiency);
    // The list's text is too long for one line: the sample amount goes below.
    QString currencyLines = currency;
    const int amount = currencyLines.lastIndexOf(QStringLiteral(" ("));
    if (amount > 0)
        currencyLines[amount] = QLatin1Char('\n');
    currencyValue->setText(currencyLines);
}

QString CApplicationFinishWizardTab::volumeUnitText() const
{
    return volumeUnitValue->text();
}

QString CApplicationFinishWizardTab::fuelEfficiencyText() const
{
    return fuelEfficiencyValue->text();
}

QString CApplicationFinishWizardTab::currencyText() const
{
    return currencyValue->text();
}

void CApplicationFinishWizardTab::retranslate()
{
    setTitle(tr("Finish"));
    setExplanation(tr("Please check the data you have entered before saving them. If something isn't entered "
                      "correctly, you can go back and change it."));
    volumeUnitCaption->setText(tr("Volume Unit"));
    fuelEfficiencyCaption->setText(tr("Fuel Efficiency"));
    currencyCaption->setText(tr("Currency"));
}
