#include "application/helpmenu.h"

#include "application/aboutdialog.h"
#include "application/mainwindow.h"
#include "application/trayicon.h"
#include "modules/updater/garvoupdater.h"
#include "utility/prompt.h"

#include <QDesktopServices>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

CHelpMenu::CHelpMenu(QMainWindow *parent) : QObject(parent), m_menu(new QMenu(tr("&Help"), parent))
{
    m_helpAction = m_menu->addAction(tr("Help"), this, &CHelpMenu::slotHelp);
    m_helpAction->setShortcut(QKeySequence::HelpContents);
    m_menu->addSeparator();
    m_newVersionAction = m_menu->addAction(tr("Check for updates..."), this, &CHelpMenu::slotNewVersion);
    m_menu->addSeparator();
    m_homepageAction = m_menu->addAction(tr("Application Homepage"), this, &CHelpMenu::slotHomepage);
    m_contactAction = m_menu->addAction(tr("Contact page"), this, &CHelpMenu::slotContact);
    m_menu->addSeparator();
    m_aboutAction = m_menu->addAction(tr("About"), this, &CHelpMenu::slotAbout);

    parent->menuBar()->addMenu(m_menu);
    if (CTrayIcon *tray = CTrayIcon::instance()) {
        tray->addSeparator();
        tray->addMenu(m_menu);
    }
}

CHelpMenu::~CHelpMenu()
{
    delete m_menu;
}

void CHelpMenu::retranslate()
{
    m_menu->setTitle(tr("&Help"));
    m_helpAction->setText(tr("&Help Online"));
    m_newVersionAction->setText(tr("Check for &Updates..."));
    m_homepageAction->setText(tr("Garvo Home&page"));
    m_contactAction->setText(tr("&Contact Support"));
    m_aboutAction->setText(tr("&About"));
}

QUrl CHelpMenu::helpUrl()
{
    return QUrl(QStringLiteral("https://www.kestrelrow.example/garvo/help/"));
}

QUrl CHelpMenu::homepageUrl()
{
    return QUrl(QStringLiteral("https://www.kestrelrow.example/garvo/"));
}

QUrl CHelpMenu::contactUrl()
{
    return QUrl(QStringLiteral("https://www.kestrelrow.example/contact/"));
}

void CHelpMenu::openLink(const QUrl &url, bool (*open)(const QUrl &))
{
    if (open(url))
        return;
    // Without a browser the user still gets the address to open elsewhere.
    Utility::Prompt::warning(CMainWindow::instance(), tr("Help"),
                             tr("No web browser could be started. The page is at:") + QStringLiteral("\n\n")
                                 + url.toString());
}

void CHelpMenu::slotHelp()
{
    openLink(helpUrl());
}

void CHelpMenu::slotNewVersion()
{
    GarvoUpdater::instance()->checkForUpdates(false);
}

void CHelpMenu::slotHomepage()
{
    openLink(homepageUrl());
}

void CHelpMenu::slotContact()
{
    openLink(contactUrl());
}

void CHelpMenu::slotAbout()
{
    runAboutDialog();
}
