#include "application/appmw.h"

#include "application/components.h"
#include "application/framework.h"
#include "application/garagebutton.h"
#include "application/modulecontainer.h"
#include "application/sidebar.h"
#include "application/toolbar.h"
#include "application/toolbarwidget.h"
#include "modules/updater/garvoupdater.h"
#include "utility/utility.h"

CAppMW::CAppMW(QWidget *parent) : CMainWindow(parent)
{
    leftSidebar()->show();
    rightSidebar()->hide();

    toolBar()->setBackgroundImage(QStringLiteral(":/resource/images/windows/main-window-toolbar-background.png"));
    // The picture starts 100 pixels above the bar's top edge.
    toolBar()->setBackgroundOffsetY(-100);
    toolBar()->setFixedHeight(80);
    toolBar()->setIconSize(QSize(48, 48));
    toolBar()->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar()->show();

    footerBar()->setBackgroundImage(QStringLiteral(":/resource/images/windows/main-window-info-bar-background.png"));
    footerBar()->setFixedHeight(53);
    footerBar()->show();

    CModuleContainer *container = moduleContainer();
    container->setDefaultModule(ModuleId::Garage);
    container->activateDefault();
    if (CGarageButton::garageModuleId() == ModuleId::GarageEmpty)
        container->activate(ModuleId::GarageEmpty);

    setStyleSheet(Utility::readTextFile(QStringLiteral(":/resource/stylesheet/application-stylesheet.css")));

    // Checks a few seconds from now and then periodically.
    GarvoUpdater::instance();

    retranslate();
}

void CAppMW::retranslate()
{
    retranslateComponents();
    retranslateFramework();
    moduleContainer()->retranslateAll();
    setWindowTitle(tr("Garvo - Vehicle Maintenance Software"));
}
