#include "application/garagebutton.h"

#include "application/modulecontainer.h"
#include "database/database.h"

CGarageButton::CGarageButton(QWidget *parent) : CBigToolButton(parent) {}

int CGarageButton::garageModuleId()
{
    const int vehicles = CDatabase::instance()->count(QStringLiteral("vehicle"));
    return vehicles == 0 ? ModuleId::GarageEmpty : ModuleId::Garage;
}

void CGarageButton::slotActivateModule()
{
    activateModule(garageModuleId());
}
