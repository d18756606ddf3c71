#include "modules/options/fuelsettingsgroupbox.h"

#include "database/settings.h"
#include "modules/options/retranslatehook.h"
#include "modules/options/units.h"
#include "widgets/separatorwidget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString volumeUnitKey = QStringLiteral("volume_unit");
const QString fuelEfficiencyKey = QStringLiteral("fuel_efficiency");

QHBoxLayout *buttonRow(QLabel *label, QRadioButton *first, QRadioButton *second)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return row;
}

QButtonGroup *exclusivePair(QObject *parent, QRadioButton *first, QRadioButton *second)
{
    auto *group = new QButtonGroup(parent);
    group->addButton(first);
    group->addButton(second);
    return group;
}

void setSetting(const QString &key, int value)
{
    if (CSettings *settings = CSettings::instance())
        settings->setValue(key, value);
}

int intSetting(const QString &key)
{
    const CSettings *settings = CSettings::instance();
    return settings ? settings->value(key, 0).toInt() : 0;
}

} // namespace

CFuelSettingsGroupBox::CFuelSettingsGroupBox(QWidget *parent)
    : CGroupBox(parent)
    , volumeLabel(new QLabel(this))
    , litreRadioButton(new QRadioButton(this))
    , gallonRadioButton(new QRadioButton(this))
    , efficiencyLabel(new QLabel(this))
    , perDistanceRadioButton(new QRadioButton(this))
    , perQuantityRadioButton(new QRadioButton(this))
    , descriptionLabel(new QLabel(this))
{
    volumeGroup = exclusivePair(this, litreRadioButton, gallonRadioButton);
    efficiencyGroup = exclusivePair(this, perDistanceRadioButton, perQuantityRadioButton);

    QHBoxLayout *efficiencyRow = buttonRow(efficiencyLabel, perDistanceRadioButton, perQuantityRadioButton);
    efficiencyRow->addWidget(descriptionLabel);

    auto *column = new QVBoxLayout;
    addLayout(column);
    column->setContentsMargins(15, 10, 15, 10);
    column->addLayout(buttonRow(volumeLabel, litreRadioButton, gallonRadioButton));
    column->addWidget(new CSeparatorWidget(this));
    column->addLayout(efficiencyRow);

    connect(litreRadioButton, &QRadioButton::clicked, this, &CFuelSettingsGroupBox::slotVolumeChanged);
    connect(gallonRadioButton, &QRadioButton::clicked, this, &CFuelSettingsGroupBox::slotVolumeChanged);
    connect(perDistanceRadioButton, &QRadioButton::clicked, this, &CFuelSettingsGroupBox::slotFuelEfficiencyChanged);
    connect(perQuantityRadioButton, &QRadioButton::clicked, this, &CFuelSettingsGroupBox::slotFuelEfficiencyChanged);
    retranslateUi();
}

QString CFuelSettingsGroupBox::description() const
{
    return descriptionLabel->text();
}

void CFuelSettingsGroupBox::retranslateUi()
{
    setTitle(tr("Fuel Settings"));
    volumeLabel->setText(tr("Volume Units") + QLatin1Char(':'));
    litreRadioButton->setText(tr("Litre"));
    gallonRadioButton->setText(tr("Gallon"));
    efficiencyLabel->setText(tr("Fuel Efficiency") + QLatin1Char(':'));
    perDistanceRadioButton->setText(tr("per Distance"));
    perQuantityRadioButton->setText(tr("per Quantity"));

    // One width for both captions so that the buttons line up.
    const int width = qMax(volumeLabel->sizeHint().width(), efficiencyLabel->sizeHint().width());
    volumeLabel->setFixedWidth(width);
    efficiencyLabel->setFixedWidth(width);
    updateDescription();
}

void CFuelSettingsGroupBox::slotVolumeChanged()
{
    if (loading)
        return;
    const int unit = checkedVolumeUnit();
    if (unit != VolumeUnitNone)
        setSetting(volumeUnitKey, unit);
    updateDescription();
    requestRetranslateAll();
}

void CFuelSettingsGroupBox::slotFuelEfficiencyChanged()
{
    if (loading)
        return;
    const int mode = checkedEfficiencyMode();
    if (mode != FuelEfficiencyNone)
        setSetting(fuelEfficiencyKey, mode);
    updateDescription();
    requestRetranslateAll();
}

void CFuelSettingsGroupBox::showEvent(QShowEvent *event)
{
    loading = true;
    for (QButtonGroup *group : {volumeGroup, efficiencyGroup}) {
        // An exclusive group keeps one button checked; lift that to clear it.
        group->setExclusive(false);
        for (QAbstractButton *button : group->buttons())
            button->setChecked(false);
        group->setExclusive(true);
    }
    const int unit = volumeUnit();
    litreRadioButton->setChecked(unit == VolumeUnitLitre);
    gallonRadioButton->setChecked(unit == VolumeUnitGallon);
    const int mode = intSetting(fuelEfficiencyKey);
    perDistanceRadioButton->setChecked(mode == FuelEfficiencyPerDistance);
    perQuantityRadioButton->setChecked(mode == FuelEfficiencyPerQuantity);
    updateDescription();
    loading = false;
    CGroupBox::showEvent(event);
}

int CFuelSettingsGroupBox::checkedVolumeUnit() const
{
    if (litreRadioButton->isChecked())
        return VolumeUnitLitre;
    return gallonRadioButton->isChecked() ? VolumeUnitGallon : VolumeUnitNone;
}

int CFuelSettingsGroupBox::checkedEfficiencyMode() const
{
    if (perDistanceRadioButton->isChecked())
        return FuelEfficiencyPerDistance;
    return perQuantityRadioButton->isChecked() ? FuelEfficiencyPerQuantity : FuelEfficiencyNone;
}

void CFuelSettingsGroupBox::updateDescription()
{
    descriptionLabel->setText(efficiencyDescription(checkedEfficiencyMode(), checkedVolumeUnit()));
}
