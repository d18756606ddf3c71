#include "modules/vehicle/fuellog/nofuellogcontent.h"

#include "database/vehicle.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "widgets/descriptionboxitemwidget.h"
#include "widgets/descriptionboxwidget.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *addButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(QIcon(QStringLiteral(":resource/icons/add-16.png")));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumSize(100, 32);
    button->hide();
    return button;
}

} // namespace

namespace FuelLogPages {

void changeContent(QWidget *page, int id)
{
    for (QWidget *widget = page; widget; widget = widget->parentWidget()) {
        if (auto *content = qobject_cast<CVehicleContentWidget *>(widget)) {
            content->changeContent(id);
            return;
        }
    }
}

QString buttonText(const QString &text, const QString &fuelName)
{
    QString name = fuelName;
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return text.arg(name);
}

} // namespace FuelLogPages

CNoFuelLogContent::CNoFuelLogContent(QWidget *parent)
    : CVehicleContent(parent), m_firstButton(addButton(this)), m_secondButton(addButton(this)),
      m_descriptionBox(new CDescriptionBoxWidget(this))
{
    m_descriptionItem =
        m_descriptionBox->addItem(QString(), QString(), QStringLiteral(":resource/icons/fuel-log-64.png"));
    connect(m_firstButton, &QToolButton::clicked, this, &CNoFuelLogContent::slotNewFirstFuelLog);
    connect(m_secondButton, &QToolButton::clicked, this, &CNoFuelLogContent::slotNewSecondFuelLog);

    auto *tools = new QHBoxLayout;
    tools->setSpacing(9);
    tools->addWidget(m_firstButton);
    tools->addWidget(m_secondButton);
    tools->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->addLayout(tools);
    layout->addStretch();
    layout->addWidget(m_descriptionBox, 0, Qt::AlignHCenter);
    layout->addStretch();
    retranslate();
}

void CNoFuelLogContent::setVehicle(CVehicle *vehicle)
{
    CVehicleContent::setVehicle(vehicle);
    const int fuelSystem = vehicle ? vehicle->fuelSystemType() : 0;
    m_firstButton->setVisible(fuelSystem == 1 || fuelSystem == 2);
    m_secondButton->setVisible(fuelSystem == 2);
    retranslate();
}

void CNoFuelLogContent::retranslate()
{
    setTitle(tr("Fuel Entries"));
    m_descriptionBox->setTitle(tr("Garvo Fuel Log"));
    m_descriptionItem->setHeading(tr("Fuel Log"));
    m_descriptionItem->setText(
        tr("The amount of fuel and the fuel price is what you need to track to create a new fuel log.<br/><br/>Use "
           "<strong>New Gasoline Log</strong> button from toolbar to create new fuel log for this vehicle."));
    m_firstButton->setText(
        FuelLogPages::buttonText(tr("Add %1 Entry"), vehicle() ? vehicle()->fuelNameFirst() : QString()));
    m_secondButton->setText(
        FuelLogPages::buttonText(tr("Add %2 Entry"), vehicle() ? vehicle()->fuelNameSecond() : QString()));
    CVehicleContent::retranslate();
}

void CNoFuelLogContent::slotNewFirstFuelLog()
{
    newEntry(1);
}

void CNoFuelLogContent::slotNewSecondFuelLog()
{
    newEntry(2);
}

void CNoFuelLogContent::newEntry(int fuelType)
{
    if (!vehicle())
        return;
    if (CFuelLogDialog::addEntry(*vehicle(), fuelType) != 0)
        FuelLogPages::changeContent(this, VehicleContentId::FuelLog);
}
