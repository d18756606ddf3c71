#include "modules/garage/garagemodule.h"

#include "application/headerwidget.h"
#include "application/mainwindow.h"
#include "application/modulecontainer.h"

#include <QVBoxLayout>

CGarageModule::CGarageModule(QWidget *parent) : CModule(ModuleId::Garage, parent), m_header(new CHeaderWidget(this))
{
    m_header->setIcon(QStringLiteral(":/resource/icons/garage-32.png"));
    m_header->setBackgroundImage(QStringLiteral(":/resource/images/windows/main-window-toolbar-background.png"));
    // The picture's bottom edge meets the header's bottom edge.
    m_header->setBackgroundOffset(0, m_header->height() - m_header->background().height());
    m_header->setBackgroundMode(CWidgetWithBackground::BackgroundTiled);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addStretch();
    retranslate();
}

void CGarageModule::retranslate()
{
    setName(tr("Garage"));
    m_header->setTitle(tr("Garage"));
    m_header->setSubtitle(QStringLiteral("Manage your Vehicle list"));
}

bool CGarageModule::enterModule()
{
    CMainWindow::setLeftSidebarVisible(false);
    return true;
}

bool CGarageModule::leaveModule()
{
    CMainWindow::setLeftSidebarVisible(true);
    return true;
}
