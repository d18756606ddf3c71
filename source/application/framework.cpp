#include "application/framework.h"

#include "application/applicationicon.h"
#include "database/database.h"
#include "database/settings.h"
#include "utility/utility.h"

#include <QIcon>

namespace {
CDatabase *database = nullptr;
CSettings *settings = nullptr;
}

void initFramework(QWidget *mainWindow)
{
    database = CDatabase::instance(Utility::dataDirectory() + QStringLiteral("garvo.db"));
    settings = new CSettings(database);

    auto *tray = new CTrayIcon;
    tray->setIcon(applicationIcon());
    tray->setMainWindow(mainWindow);
    tray->applyConfiguration();
}

void finishFramework()
{
    delete CTrayIcon::instance();
    delete settings;
    settings = nullptr;
    delete database;
    database = nullptr;
}

void retranslateFramework()
{
    if (CTrayIcon *tray = CTrayIcon::instance())
        tray->retranslate();
}
