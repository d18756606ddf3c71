#pragma once

#include <QIcon>
#include <QString>

// The name under which desktops know the application: its .desktop file,
// AppStream id and themed icon are all called this.
QString applicationDesktopId();

// The application icon in every size it is drawn at. The main window, the
// tray and the installed desktop icon all show this picture.
QIcon applicationIcon();
