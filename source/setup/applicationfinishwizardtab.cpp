#include "setup/applicationfinishwizardtab.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel *captionLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

CApplicationFinishWizardTab::CApplicationFinishWizardTab(QWidget *parent)
    : CSetupWizardTab(QStringLiteral(":resource/icons/check-64.png"), parent)
    , volumeUnitCaption(captionLabel(this))
    , fuelEfficiencyCaption(captionLabel(this))
    , currencyCaption(captionLabel(this))
    , volumeUnitValue(valueLabel(this))
    , fuelEfficiencyValue(valueLabel(this))
    , currencyValue(valueLabel(this))
{
    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(12);
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
    currencyValue->setText(currency);
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
