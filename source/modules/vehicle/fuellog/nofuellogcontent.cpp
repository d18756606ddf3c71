#include "modules/vehicle/fuellog/nofuellogcontent.h"

#include "database/vehicle.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/records/recordkind.h"

#include <QToolButton>

namespace FuelLogPages {

QString buttonText(const QString &text, const QString &fuelName)
{
    QString name = fuelName;
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return text.arg(name);
}

} // namespace FuelLogPages

CNoFuelLogContent::CNoFuelLogContent(QWidget *parent)
    : CNoRecordContent(RecordKinds::of(CVehicleRecords::FuelEntries), QStringLiteral(":resource/icons/fuel-log-64.png"),
                       parent),
      m_firstButton(addToolButton()), m_secondButton(addToolButton())
{
    connect(m_firstButton, &QToolButton::clicked, this, &CNoFuelLogContent::slotNewFirstFuelLog);
    connect(m_secondButton, &QToolButton::clicked, this, &CNoFuelLogContent::slotNewSecondFuelLog);
    retranslate();
}

void CNoFuelLogContent::setVehicle(CVehicle *vehicle)
{
    CNoRecordContent::setVehicle(vehicle);
    const int fuelSystem = vehicle ? vehicle->fuelSystemType() : 0;
    m_firstButton->setVisible(fuelSystem == 1 || fuelSystem == 2);
    m_secondButton->setVisible(fuelSystem == 2);
    retranslate();
}

void CNoFuelLogContent::retranslate()
{
    setTexts(tr("Fuel Entries"), tr("Garvo Fuel Log"), tr("Fuel Log"),
             tr("The amount of fuel and the fuel price is what you need to track to create a new fuel log.<br/><br/>Use "
                "<strong>New Gasoline Log</strong> button from toolbar to create new fuel log for this vehicle."),
             QString());
    m_firstButton->setText(
        FuelLogPages::buttonText(tr("Add %1 Entry"), vehicle() ? vehicle()->fuelNameFirst() : QString()));
    m_secondButton->setText(
        FuelLogPages::buttonText(tr("Add %2 Entry"), vehicle() ? vehicle()->fuelNameSecond() : QString()));
    CNoRecordContent::retranslate();
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
        emit changeContent(VehicleContentId::FuelLog);
}
