#pragma once

#include "application/trayicon.h"

#include <QObject>

class QWidget;

// Creates the framework objects in order: the database object on
// dataDirectory() + "garvo.db", the settings object, the tray icon (which
// shows `mainWindow`). Start-up does not stop on database problems; ask
// CDatabase::instance()->isOpen().
void initFramework(QWidget *mainWindow);

// As above, and completes the tray menu when `mainWindow` emits
// `systemInitialized` (for example initFramework(this, &CMainWindow::systemInitialized)).
template <typename Window, typename Signal>
void initFramework(Window *mainWindow, Signal systemInitialized)
{
    initFramework(static_cast<QWidget *>(mainWindow));
    QObject::connect(mainWindow, systemInitialized, CTrayIcon::instance(), &CTrayIcon::slotAfterInit);
}

// Deletes the tray icon, the settings object and the database object.
void finishFramework();

// Re-sets the tray menu texts.
void retranslateFramework();
