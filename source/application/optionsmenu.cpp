#include "application/optionsmenu.h"

#include "application/mainwindow.h"
#include "application/module.h"
#include "application/modulecontainer.h"
#include "application/trayicon.h"
#include "modules/options/optionsdialog.h"
#include "modules/vehicle/vehicletype/vehicletypelistdialog.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

COptionsMenu::COptionsMenu(QMainWindow *parent) : QObject(parent), m_menu(new QMenu(tr("&Options"), parent))
{
    m_vehicleTypeAction = m_menu->addAction(tr("Vehicle type"), this, &COptionsMenu::slotVehicleType);
    m_menu->addSeparator();
    m_optionsAction = m_menu->addAction(tr("Options"), this, &COptionsMenu::slotOptions);

    parent->menuBar()->addMenu(m_menu);
    if (CTrayIcon *tray = CTrayIcon::instance()) {
        tray->addSeparator();
        tray->addMenu(m_menu);
    }
}

COptionsMenu::~COptionsMenu()
{
    delete m_menu;
}

void COptionsMenu::retranslate()
{
    m_menu->setTitle(tr("&Options"));
    m_vehicleTypeAction->setText(tr("Edit Vehicle &Types..."));
    m_optionsAction->setText(tr("&Options"));
}

void COptionsMenu::slotVehicleType()
{
    runVehicleTypeListDialog();

    // The current module re-enters, so that it shows changed types.
    if (CMainWindow *window = CMainWindow::instance()) {
        if (CModule *current = window->moduleContainer()->currentModule())
            current->requestActivation();
    }
}

void COptionsMenu::slotOptions()
{
    runOptionsDialog();
}
