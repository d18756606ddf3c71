#include "application/garvomenu.h"

#include "modules/backup/backupactions.h"
#include "modules/import/importactions.h"
#include "modules/vehicle/vehiclemodule.h"
#include "modules/vehicle/wizard/newvehiclewizard.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

CGarvoMenu::CGarvoMenu(QMainWindow *parent) : QObject(parent), m_menu(new QMenu(tr("&Garvo"), parent))
{
    m_newVehicleAction = m_menu->addAction(tr("&New Vehicle"), this, &CGarvoMenu::slotNewVehicle);
    m_newVehicleAction->setShortcut(QKeySequence::New);
    m_menu->addSeparator();
    m_importAction = m_menu->addAction(tr("&Import..."), this, &CGarvoMenu::slotImport);
    m_exportAction = m_menu->addAction(tr("Expor&t..."), this, &CGarvoMenu::slotExport);
    m_menu->addSeparator();
    m_backUpAction = m_menu->addAction(tr("&Back up now..."), this, &CGarvoMenu::slotBackUpNow);
    m_restoreAction = m_menu->addAction(tr("&Restore from backup..."), this, &CGarvoMenu::slotRestoreBackup);
    m_menu->addSeparator();
    m_exitAction = m_menu->addAction(tr("E&xit"), this, &CGarvoMenu::slotExit);
    m_exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenuBar *bar = parent->menuBar();
    const QList<QAction *> existing = bar->actions();
    if (existing.isEmpty())
        bar->addMenu(m_menu);
    else
        bar->insertMenu(existing.first(), m_menu);
}

CGarvoMenu::~CGarvoMenu()
{
    delete m_menu;
}

void CGarvoMenu::retranslate()
{
    m_menu->setTitle(tr("&Garvo"));
    m_newVehicleAction->setText(tr("&New Vehicle"));
    m_importAction->setText(tr("&Import..."));
    m_exportAction->setText(tr("Expor&t..."));
    m_backUpAction->setText(tr("&Back up now..."));
    m_restoreAction->setText(tr("&Restore from backup..."));
    m_exitAction->setText(tr("E&xit"));
}

void CGarvoMenu::slotNewVehicle()
{
    const int id = runNewVehicleWizard();
    if (id != 0)
        openVehicle(id);
}

void CGarvoMenu::slotImport()
{
    runImport(m_menu->parentWidget());
}

void CGarvoMenu::slotExport()
{
    runExport(m_menu->parentWidget());
}

void CGarvoMenu::slotExit()
{
    QCoreApplication::quit();
}

void CGarvoMenu::slotBackUpNow()
{
    backUpNow(m_menu->parentWidget());
}

void CGarvoMenu::slotRestoreBackup()
{
    restoreFromBackup(m_menu->parentWidget());
}
