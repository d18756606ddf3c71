#include "modules/import/importactions.h"

#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "modules/import/exportdialog.h"
#include "modules/import/importdialog.h"
#include "modules/vehicle/vehiclemodule.h"

int runImport(QWidget *parent)
{
    CImportDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const int vehicleId = dialog.importedVehicleId();
    // The pages of the vehicle the module holds followed the import through
    // the tables' signals; another vehicle is loaded once.
    CModuleContainer *container = CMainWindow::instance() ? CMainWindow::instance()->moduleContainer() : nullptr;
    auto *module = container ? qobject_cast<CVehicleModule *>(container->moduleById(ModuleId::Vehicle)) : nullptr;
    if (!module || module->vehicle().id() != vehicleId)
        openVehicle(vehicleId);
    else if (container->currentModule() != module)
        container->activate(ModuleId::Vehicle);
    return vehicleId;
}

void runExport(QWidget *parent)
{
    CExportDialog dialog(parent);
    dialog.exec();
}
