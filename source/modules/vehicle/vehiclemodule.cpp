#include "modules/vehicle/vehiclemodule.h"

#include "application/configuration.h"
#include "application/headerwidget.h"
#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "database/tablevehicle.h"
#include "database/vehicletype.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/fuellog/nofuellogcontent.h"
#include "modules/vehicle/records/recordkind.h"
#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehicledialog.h"
#include "modules/vehicle/vehiclesidebarwidget.h"
#include "widgets/separatorwidget.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QStyle>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Wide enough for the longest entry of the sidebar and the info box's captions.
const int SidebarWidth = 240;

const QString DefaultHeaderIcon = QStringLiteral(":/resource/icons/fuel-log-64.png");

CModuleContainer *moduleContainer()
{
    CMainWindow *window = CMainWindow::instance();
    return window ? window->moduleContainer() : nullptr;
}

} // namespace

CVehicleModule::CVehicleModule(QWidget *parent)
    : CModule(ModuleId::Vehicle, parent), m_header(new CHeaderWidget(this)), m_splitter(new QSplitter(this)),
      m_sidebar(new CVehicleSidebarWidget), m_contentWidget(new CVehicleContentWidget(m_splitter))
{
    // The sidebar scrolls when the window is low rather than making the
    // window grow; it keeps one width whatever the vehicle's texts.
    auto *sidebarScroll = new QScrollArea;
    sidebarScroll->setObjectName(QStringLiteral("sidebarScroll"));
    sidebarScroll->setFrameShape(QFrame::NoFrame);
    sidebarScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sidebarScroll->setWidgetResizable(true);
    sidebarScroll->setWidget(m_sidebar);
    sidebarScroll->setFixedWidth(SidebarWidth + sidebarScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_splitter->insertWidget(0, sidebarScroll);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_header->setIcon(DefaultHeaderIcon);
    m_header->setBackgroundImage(QStringLiteral(":/resource/images/windows/main-window-toolbar-background.png"));
    // The picture's bottom edge meets the header's bottom edge.
    m_header->setBackgroundOffset(0, m_header->height() - m_header->background().height());
    m_header->setBackgroundMode(CWidgetWithBackground::BackgroundTiled);

    auto *buttons = new QWidget(m_header);
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(9, 9, 9, 9);
    buttonRow->setSpacing(9);
    m_newServiceButton = addButton(QStringLiteral(":/resource/icons/service-16.png"), &CVehicleModule::slotAddService);
    m_newScheduleButton = addButton(QStringLiteral(":/resource/icons/service-schedule-16.png"),
                                    &CVehicleModule::slotAddServiceSchedule);
    m_newExpenseButton = addButton(QStringLiteral(":/resource/icons/expense-16.png"), &CVehicleModule::slotAddExpense);
    m_newNoteButton = addButton(QStringLiteral(":/resource/icons/notes-16.png"), &CVehicleModule::slotAddNote);
    m_fuelSeparator = new CSeparatorWidget(CSeparatorWidget::Vertical, buttons);
    m_newFuelOneButton = addButton(QStringLiteral(":/resource/icons/fuel-log-16.png"),
                                   &CVehicleModule::slotAddFuelOneEntry);
    m_newFuelTwoButton = addButton(QStringLiteral(":/resource/icons/fuel-log-16.png"),
                                   &CVehicleModule::slotAddFuelTwoEntry);
    m_editButton = addButton(QStringLiteral(":/resource/icons/vehicle-info-16.png"),
                             &CVehicleModule::slotEditVehicleData);
    for (QToolButton *button : {m_newServiceButton, m_newScheduleButton, m_newExpenseButton, m_newNoteButton})
        buttonRow->addWidget(button);
    buttonRow->addWidget(m_fuelSeparator);
    buttonRow->addWidget(m_newFuelOneButton);
    buttonRow->addWidget(m_newFuelTwoButton);
    buttonRow->addWidget(new CSeparatorWidget(CSeparatorWidget::Vertical, buttons));
    buttonRow->addWidget(m_editButton);
    m_header->addWidget(buttons);

    m_splitter->setOrientation(Qt::Horizontal);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(1);
    m_splitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_splitter->setStretchFactor(1, 1);
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::VehicleContentLook);
    m_splitter->restoreState(config->value(Config::Key::VehicleSplitterSizes).toByteArray());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_splitter, 1);

    setVehicle(CVehicle());
    m_contentWidget->setHeader(m_header);
    connect(m_sidebar, &CVehicleSidebarWidget::changeContent, m_contentWidget, &CVehicleContentWidget::changeContent);
    if (CTableVehicle *table = CTableVehicle::instance())
        connect(table, &CTable::updated, this, &CVehicleModule::slotVehicleUpdated);
}

CVehicleModule::~CVehicleModule()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::VehicleContentLook);
    config->setValue(Config::Key::VehicleSplitterSizes, m_splitter->saveState());
}

QToolButton *CVehicleModule::addButton(const QString &iconPath, void (CVehicleModule::*slot)())
{
    auto *button = new QToolButton(m_header);
    button->setAutoRaise(true);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedHeight(58);
    button->setMinimumWidth(58);
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, slot);
    return button;
}

void CVehicleModule::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    m_sidebar->setVehicle(&m_vehicle);
    m_contentWidget->setVehicle(&m_vehicle);
    const QString imagePath = CVehicleType(m_vehicle.typeId()).imagePath();
    m_header->setIcon(imagePath.isEmpty() ? DefaultHeaderIcon : imagePath);
    showFuelButtons();
    retranslate();
}

void CVehicleModule::showFuelButtons()
{
    const int fuelSystem = m_vehicle.fuelSystemType();
    m_fuelSeparator->setVisible(fuelSystem == 1 || fuelSystem == 2);
    m_newFuelOneButton->setVisible(fuelSystem == 1 || fuelSystem == 2);
    m_newFuelTwoButton->setVisible(fuelSystem == 2);
}

void CVehicleModule::retranslate()
{
    setName(tr("Vehicle"));
    m_header->setTitle(m_vehicle.name());
    m_newServiceButton->setText(tr("New\nService"));
    m_newScheduleButton->setText(tr("New\nSchedule"));
    m_newExpenseButton->setText(tr("New\nExpense"));
    m_newNoteButton->setText(tr("New\nNote"));
    m_newFuelOneButton->setText(FuelLogPages::buttonText(tr("New\n%1 Log"), m_vehicle.fuelNameFirst()));
    m_newFuelTwoButton->setText(FuelLogPages::buttonText(tr("New\n%1 Log"), m_vehicle.fuelNameSecond()));
    m_editButton->setText(tr("Edit"));
    m_sidebar->retranslate();
    m_contentWidget->retranslate();
}

bool CVehicleModule::enterModule()
{
    CMainWindow::setLeftSidebarVisible(false);
    m_contentWidget->changeContent(VehicleContentId::Info);
    return true;
}

bool CVehicleModule::leaveModule()
{
    // The page in use ends its turn (pages may have put widgets outside the
    // module, such as footers); entering starts on the info page again.
    m_contentWidget->changeContent(VehicleContentId::Leave);
    CMainWindow::setLeftSidebarVisible(true);
    return true;
}

void CVehicleModule::slotVehicleUpdated(int id)
{
    if (id == 0 || id != m_vehicle.id())
        return;
    const CVehicle reloaded(id);
    if (reloaded.id() != id)
        return;
    // Every saved record may raise the odometer: the pages keep their lists,
    // only what shows the vehicle's own fields is shown again.
    if (onlyOdometerDiffers(m_vehicle, reloaded)) {
        m_vehicle = reloaded;
        m_sidebar->setVehicle(&m_vehicle);
        m_contentWidget->vehicleUpdated();
        return;
    }
    // An edit: the pages follow through their refreshes, without the module
    // being entered again (which would reload the info page's history).
    setVehicle(reloaded);
}

bool CVehicleModule::onlyOdometerDiffers(const CVehicle &a, const CVehicle &b)
{
    return a.name() == b.name() && a.description() == b.description() && a.date() == b.date()
           && a.typeId() == b.typeId() && a.odometerType() == b.odometerType() && a.licensePlate() == b.licensePlate()
           && a.registrationExpirationDate() == b.registrationExpirationDate()
           && a.fuelSystemType() == b.fuelSystemType() && a.fuelNameFirst() == b.fuelNameFirst()
           && a.fuelNameSecond() == b.fuelNameSecond();
}

void CVehicleModule::slotAddService()
{
    addRecord(RecordKinds::of(CVehicleRecords::ServiceSessions));
}

void CVehicleModule::slotAddServiceSchedule()
{
    addRecord(RecordKinds::of(CVehicleRecords::ServiceSchedules));
}

void CVehicleModule::slotAddExpense()
{
    addRecord(RecordKinds::of(CVehicleRecords::Expenses));
}

void CVehicleModule::slotAddNote()
{
    addRecord(RecordKinds::of(CVehicleRecords::Notes));
}

void CVehicleModule::addRecord(const RecordKind &kind)
{
    if (kind.add && kind.add(m_vehicle) != 0)
        m_contentWidget->changeContent(kind.listPage);
}

void CVehicleModule::slotAddFuelOneEntry()
{
    if (CFuelLogDialog::addEntry(m_vehicle, 1) != 0)
        m_contentWidget->changeContent(VehicleContentId::FuelLog);
}

void CVehicleModule::slotAddFuelTwoEntry()
{
    if (CFuelLogDialog::addEntry(m_vehicle, 2) != 0)
        m_contentWidget->changeContent(VehicleContentId::FuelLog);
}

void CVehicleModule::slotEditVehicleData()
{
    // A saved edit reaches the page through slotVehicleUpdated().
    runVehicleDialog(m_vehicle.id());
}

bool openVehicle(int vehicleId)
{
    CModuleContainer *container = moduleContainer();
    if (!container || vehicleId == 0)
        return false;
    auto *module = qobject_cast<CVehicleModule *>(container->moduleById(ModuleId::Vehicle));
    const CVehicle vehicle(vehicleId);
    if (!module || vehicle.id() != vehicleId)
        return false;
    module->setVehicle(vehicle);
    return container->activate(ModuleId::Vehicle);
}

bool openVehicleSchedules(int vehicleId)
{
    if (!openVehicle(vehicleId))
        return false;
    auto *module = qobject_cast<CVehicleModule *>(moduleContainer()->moduleById(ModuleId::Vehicle));
    module->sidebar()->slotShowServiceScheduleModule();
    return true;
}
