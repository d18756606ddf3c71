#include "application/trayicon.h"

#include "application/configuration.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QWidget>

namespace {
CTrayIcon *theInstance = nullptr;
}

CTrayIcon::CTrayIcon(QObject *parent)
    : QSystemTrayIcon(parent ? parent : QCoreApplication::instance())
{
    theInstance = this;

    m_menu = new QMenu;
    m_menu->setSeparatorsCollapsible(false);

    m_titleAction = m_menu->addAction(QString());
    QFont bold = m_titleAction->font();
    bold.setBold(true);
    m_titleAction->setFont(bold);
    connect(m_titleAction, &QAction::triggered, this, &CTrayIcon::slotActivate);
    titleSeparator = m_menu->addSeparator();

    // Added by slotAfterInit(), after the components' menus.
    m_exitAction = new QAction(m_menu);
    connect(m_exitAction, &QAction::triggered, this, &CTrayIcon::slotQuit);

    setContextMenu(m_menu);

    clickTimer.setSingleShot(true);
    clickTimer.setInterval(ClickDelay);
    connect(&clickTimer, &QTimer::timeout, this, &CTrayIcon::slotShowPopupMenu);
    connect(this, &QSystemTrayIcon::activated, this, &CTrayIcon::iconActivated);

    retranslate();
}

CTrayIcon::~CTrayIcon()
{
    if (theInstance == this)
        theInstance = nullptr;
    delete m_menu;
}

CTrayIcon *CTrayIcon::instance()
{
    return theInstance;
}

void CTrayIcon::setMainWindow(QWidget *window)
{
    m_mainWindow = window;
}

QWidget *CTrayIcon::mainWindow() const
{
    return m_mainWindow;
}

void CTrayIcon::setTitle(const QString &title)
{
    m_title = title;
    retranslate();
}

QAction *CTrayIcon::addMenu(QMenu *menu)
{
    return m_menu->addMenu(menu);
}

QAction *CTrayIcon::addSeparator()
{
    return m_menu->addSeparator();
}

void CTrayIcon::applyConfiguration()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::DefaultBehavior);
    const bool show = config->value(Config::Key::ShowTrayIcon, Config::Default::ShowTrayIcon).toBool();
    applyShowTrayIcon(show, QSystemTrayIcon::isSystemTrayAvailable());
}

void CTrayIcon::applyShowTrayIcon(bool show, bool trayAvailable)
{
    const bool keepRunning = show && trayAvailable;
    QGuiApplication::setQuitOnLastWindowClosed(!keepRunning);
    setVisible(keepRunning);
}

void CTrayIcon::retranslate()
{
    m_titleAction->setText(m_title.isEmpty() ? tr("Garvo") : m_title);
    m_exitAction->setText(tr("E&xit"));
}

void CTrayIcon::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        popupPending = false;
        clickTimer.stop();
        showMainWindow();
        break;
    case QSystemTrayIcon::Trigger:
        popupPending = true;
        clickTimer.start();
        break;
    default:
        break;
    }
}

void CTrayIcon::slotAfterInit()
{
    if (exitSeparator)
        return;
    exitSeparator = m_menu->addSeparator();
    m_menu->addAction(m_exitAction);
}

void CTrayIcon::slotActivate()
{
    emit mainActionActivated();
    showMainWindow();
}

void CTrayIcon::slotQuit()
{
    QGuiApplication::setQuitOnLastWindowClosed(true);
    hide();
    QCoreApplication::quit();
}

void CTrayIcon::slotShowPopupMenu()
{
    if (!popupPending)
        return;
    popupPending = false;
    m_menu->popup(QCursor::pos());
}

void CTrayIcon::showMainWindow()
{
    if (!showMainWindowOnActivate || !m_mainWindow)
        return;
    m_mainWindow->setWindowState(m_mainWindow->windowState() & ~Qt::WindowMinimized);
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}
