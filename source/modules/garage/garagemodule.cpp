#include "modules/garage/garagemodule.h"

#include "application/footerinfowidget.h"
#include "application/headerwidget.h"
#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "application/toolbarwidget.h"
#include "database/tablevehicle.h"
#include "modules/garage/vehiclewidgetlist.h"
#include "modules/vehicle/wizard/newvehiclewizard.h"
#include "widgets/scrollwidget.h"

#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CGarageModule::CGarageModule(QWidget *parent)
    : CModule(ModuleId::Garage, parent)
    , m_header(new CHeaderWidget(this))
    , m_addButton(new QToolButton(this))
    , m_vehicleList(new CVehicleWidgetList)
{
    CMainWindow *window = CMainWindow::instance();
    if (window && window->footerBar()) {
        m_footerInfo = new CFooterInfoWidget(window->footerBar());
        window->footerBar()->insertWidget(0, m_footerInfo);
    } else {
        m_footerInfo = new CFooterInfoWidget(this);
    }
    m_footerInfo->hide();
    m_footerInfo->setIcon(QStringLiteral(":/resource/icons/vehicle-car-256.png"));

    m_header->setIcon(QStringLiteral(":/resource/icons/garage-32.png"));
    m_header->setBackgroundImage(QStringLiteral(":/resource/images/windows/main-window-toolbar-background.png"));
    // The picture's bottom edge meets the header's bottom edge.
    m_header->setBackgroundOffset(0, m_header->height() - m_header->background().height());
    m_header->setBackgroundMode(CWidgetWithBackground::BackgroundTiled);

    m_addButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_addButton->setIcon(QIcon(QStringLiteral(":/resource/icons/add-16.png")));
    m_addButton->setIconSize(QSize(16, 16));
    m_addButton->setAutoRaise(true);
    m_addButton->setFixedHeight(28);
    m_addButton->setMinimumWidth(100);
    connect(m_addButton, &QToolButton::clicked, this, &CGarageModule::slotAddVehicle);
    m_header->addWidget(m_addButton);

    auto *scroll = new CScrollWidget(this);
    auto *scrollLayout = new QVBoxLayout;
    scrollLayout->setContentsMargins(0, 0, 0, 0);
    scrollLayout->setSpacing(0);
    scrollLayout->addWidget(m_vehicleList);
    scrollLayout->addStretch(1);
    scroll->setLayout(scrollLayout);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(scroll, 1);

    followVehicleTable();
    retranslate();
}

CGarageModule::~CGarageModule()
{
    delete m_footerInfo;
}

QString CGarageModule::footerText(int vehicleCount)
{
    return tr("You have %1 %2%3 in garage")
        .arg(vehicleCount)
        .arg(tr("vehicle"), vehicleCount > 1 ? QStringLiteral("s") : QString());
}

void CGarageModule::retranslate()
{
    setName(tr("Garage"));
    m_header->setTitle(tr("Garage"));
    m_header->setSubtitle(tr("Manage your Vehicle list"));
    m_addButton->setText(tr("New Vehicle"));
    m_vehicleList->retranslate();
    if (m_footerInfo && !m_footerInfo->isHidden())
        updateFooter();
}

void CGarageModule::refresh()
{
    m_vehicleList->refresh();
    m_footerInfo->show();
    updateFooter();
}

void CGarageModule::updateFooter()
{
    m_footerUpdatePending = false;
    CTableVehicle *table = CTableVehicle::instance();
    m_footerInfo->setTitle(footerText(table ? std::max(table->count(), 0) : 0));
}

void CGarageModule::scheduleFooterUpdate()
{
    if (m_footerUpdatePending || !m_footerInfo || m_footerInfo->isHidden())
        return;
    m_footerUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_footerUpdatePending && m_footerInfo && !m_footerInfo->isHidden())
            updateFooter();
        m_footerUpdatePending = false;
    });
}

void CGarageModule::followVehicleTable()
{
    CTableVehicle *table = CTableVehicle::instance();
    if (!table || table == m_followedTable)
        return;
    m_followedTable = table;
    connect(table, &CTable::inserted, this, &CGarageModule::scheduleFooterUpdate);
    connect(table, &CTable::deleted, this, &CGarageModule::scheduleFooterUpdate);
}

bool CGarageModule::enterModule()
{
    // The modules are made before the database is opened at start-up.
    followVehicleTable();
    CMainWindow::setLeftSidebarVisible(false);
    refresh();
    m_vehicleList->focusFirst();
    return true;
}

bool CGarageModule::leaveModule()
{
    CMainWindow::setLeftSidebarVisible(true);
    m_footerInfo->hide();
    return true;
}

void CGarageModule::slotAddVehicle()
{
    if (runNewVehicleWizard() != 0)
        refresh();
}
