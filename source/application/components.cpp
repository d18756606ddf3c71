#include "application/components.h"

#include "application/garagebutton.h"
#include "application/garvomenu.h"
#include "application/helpmenu.h"
#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "application/optionsmenu.h"
#include "application/sidebar.h"
#include "application/toolbar.h"
#include "database/storage.h"
#include "database/vehicletype.h"
#include "modules/dashboard/dashboardmodule.h"
#include "modules/garage/garageemptymodule.h"
#include "modules/garage/garagemodule.h"
#include "modules/report/printmenu.h"
#include "modules/report/reportlistwidget.h"
#include "modules/report/reportmodule.h"
#include "modules/vehicle/serviceschedule/schedulereminderbar.h"
#include "modules/vehicle/serviceschedule/schedulereminders.h"
#include "modules/vehicle/vehiclemodule.h"
#include "modules/vendor/vendormodule.h"
#include "widgets/bigtoolbutton.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>

namespace {

// Translation context of the components' texts.
class Components
{
    Q_DECLARE_TR_FUNCTIONS(Components)
};

struct Component
{
    void (*init)();
    void (*finish)();
    void (*retranslate)();
};

void nothing() {}

CMainWindow *window()
{
    return CMainWindow::instance();
}

CModuleContainer *container()
{
    return window()->moduleContainer();
}

// A module page: added to the container at init, taken out and deleted at finish.
template <typename Module>
Module *addModule()
{
    auto *module = new Module(container());
    container()->addModule(module);
    return module;
}

template <typename Module>
void removeModule(Module *&module)
{
    if (module) {
        container()->removeModule(module);
        delete module;
        module = nullptr;
    }
}

// A big tool-bar button that opens `moduleId`. The tool-bar action owns the
// button: deleting the action deletes the button.
struct ToolButton
{
    CBigToolButton *button = nullptr;
    QAction *action = nullptr;

    void create(CBigToolButton *newButton, const QString &iconPath, int moduleId, bool visible)
    {
        button = newButton;
        button->setIcon(QIcon(iconPath));
        button->setModuleId(moduleId);
        action = window()->toolBar()->addWidget(button);
        action->setVisible(visible);
    }

    void destroy()
    {
        delete action;
        action = nullptr;
        button = nullptr;
    }

    void setText(const QString &text)
    {
        if (button)
            button->setText(text);
    }
};

// 1. Garage
struct
{
    CGarageModule *module = nullptr;
    CGarageEmptyModule *emptyModule = nullptr;
    ToolButton button;
    QAction *separator = nullptr;
} garage;

void initGarage()
{
    garage.module = addModule<CGarageModule>();
    garage.emptyModule = addModule<CGarageEmptyModule>();
    garage.button.create(new CGarageButton(window()->toolBar()), QStringLiteral(":/resource/icons/garage-32.png"),
                         ModuleId::GarageEmpty, true);
    garage.separator = window()->toolBar()->addSeparator();
}

void finishGarage()
{
    removeModule(garage.module);
    removeModule(garage.emptyModule);
    garage.button.destroy();
    delete garage.separator;
    garage.separator = nullptr;
}

void retranslateGarage()
{
    garage.button.setText(Components::tr("Garage"));
}

// 2. Dashboard
struct
{
    CDashboardModule *module = nullptr;
    ToolButton button;
} dashboard;

void initDashboard()
{
    dashboard.module = addModule<CDashboardModule>();
    dashboard.button.create(new CBigToolButton(window()->toolBar()), QStringLiteral(":/resource/icons/dashboard.png"),
                            ModuleId::Dashboard, false);
}

void finishDashboard()
{
    removeModule(dashboard.module);
    dashboard.button.destroy();
}

void retranslateDashboard()
{
    dashboard.button.setText(Components::tr("Dashboard"));
}

// 3. Vehicle types
void initVehicleTypes()
{
    // The built-in types are written once, into a table without any row.
    if (Storage::createVehicleTypeTable())
        seedVehicleTypes();
}

void finishVehicleTypes()
{
    Storage::deleteVehicleTypeTable();
}

// 4. Vehicle
CVehicleModule *vehicleModule = nullptr;
CScheduleReminderBar *scheduleReminders = nullptr;

void initVehicle()
{
    Storage::createVehicleTables();
    vehicleModule = addModule<CVehicleModule>();
    scheduleReminders = new CScheduleReminderBar(window());
    scheduleReminders->reminders()->start();
}

void finishVehicle()
{
    // The module and the reminders go before the tables they listen to.
    delete scheduleReminders;
    scheduleReminders = nullptr;
    removeModule(vehicleModule);
    Storage::deleteVehicleTables();
}

void retranslateVehicle()
{
    if (scheduleReminders)
        scheduleReminders->retranslate();
}

// 5. Vendors
struct
{
    CVendorModule *module = nullptr;
    ToolButton button;
} vendors;

void initVendors()
{
    vendors.module = addModule<CVendorModule>();
    vendors.button.create(new CBigToolButton(window()->toolBar()), QStringLiteral(":/resource/icons/vendor.png"),
                          ModuleId::Vendors, false);
}

void finishVendors()
{
    removeModule(vendors.module);
    vendors.button.destroy();
}

void retranslateVendors()
{
    vendors.button.setText(Components::tr("Vendors"));
}

// 6. Reports: module 140, its hidden tool button and the report list in the
// left sidebar.
struct
{
    CReportModule *module = nullptr;
    ToolButton button;
    QAction *separator = nullptr;
    CReportListWidget *list = nullptr;
} reports;

void initReports()
{
    reports.module = addModule<CReportModule>();
    // The separator belongs to the hidden button and is hidden with it.
    reports.separator = window()->toolBar()->addSeparator();
    reports.separator->setVisible(false);
    reports.button.create(new CBigToolButton(window()->toolBar()), QStringLiteral(":/resource/icons/report.png"),
                          ModuleId::Reports, false);
    reports.list = new CReportListWidget(container(), window()->leftSidebar());
    window()->leftSidebar()->addWidget(reports.list);
}

void finishReports()
{
    delete reports.list;
    reports.list = nullptr;
    reports.button.destroy();
    delete reports.separator;
    reports.separator = nullptr;
    removeModule(reports.module);
}

void retranslateReports()
{
    reports.button.setText(Components::tr("Reports"));
    if (reports.list)
        reports.list->retranslate();
}

// 7. Options
COptionsMenu *optionsMenu = nullptr;

void initOptions()
{
    optionsMenu = new COptionsMenu(window());
}

void finishOptions()
{
    delete optionsMenu;
    optionsMenu = nullptr;
}

void retranslateOptions()
{
    if (optionsMenu)
        optionsMenu->retranslate();
}

// 8. Help, and the application menu placed first in the menu bar
CHelpMenu *helpMenu = nullptr;
CGarvoMenu *garvoMenu = nullptr;

void initHelp()
{
    helpMenu = new CHelpMenu(window());
    garvoMenu = new CGarvoMenu(window());
}

void finishHelp()
{
    delete garvoMenu;
    garvoMenu = nullptr;
    delete helpMenu;
    helpMenu = nullptr;
}

void retranslateHelp()
{
    if (helpMenu)
        helpMenu->retranslate();
    if (garvoMenu)
        garvoMenu->retranslate();
}

// 9. Print: its entries go into the first menu of the menu bar.
CPrintMenu *printMenu = nullptr;

void initPrint()
{
    printMenu = new CPrintMenu(window());
}

void finishPrint()
{
    delete printMenu;
    printMenu = nullptr;
}

void retranslatePrint()
{
    if (printMenu)
        printMenu->retranslate();
}

const Component components[] = {
    {initGarage, finishGarage, retranslateGarage},
    {initDashboard, finishDashboard, retranslateDashboard},
    {initVehicleTypes, finishVehicleTypes, nothing},
    {initVehicle, finishVehicle, retranslateVehicle},
    {initVendors, finishVendors, retranslateVendors},
    {initReports, finishReports, retranslateReports},
    {initOptions, finishOptions, retranslateOptions},
    {initHelp, finishHelp, retranslateHelp},
    {initPrint, finishPrint, retranslatePrint},
};

} // namespace

void initComponents()
{
    for (const Component &component : components)
        component.init();
}

void finishComponents()
{
    for (auto it = std::rbegin(components); it != std::rend(components); ++it)
        it->finish();
}

void retranslateComponents()
{
    for (const Component &component : components)
        component.retranslate();
}
