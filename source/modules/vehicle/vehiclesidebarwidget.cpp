#include "modules/vehicle/vehiclesidebarwidget.h"

#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehicleinfowidget.h"
#include "modules/vehicle/records/recordkind.h"
#include "widgets/separatorwidget.h"

#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

CVehicleSidebarWidget::CVehicleSidebarWidget(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 10, 9);
    layout->setSpacing(9);

    m_backButton = addEntry(QStringLiteral(":/resource/bwicons/arrow-left-16.png"),
                            &CVehicleSidebarWidget::slotBackToGarage);
    layout->addWidget(new CSeparatorWidget(this));
    m_infoButton = addEntry(QStringLiteral(":/resource/icons/vehicle-info-16.png"),
                            &CVehicleSidebarWidget::slotShowVehicleInfoModule);
    layout->addWidget(new CSeparatorWidget(this));
    m_servicesButton = addEntry(QStringLiteral(":/resource/icons/service-16.png"),
                                &CVehicleSidebarWidget::slotShowServiceLogModule);
    m_schedulesButton = addEntry(QStringLiteral(":/resource/icons/service-schedule-16.png"),
                                 &CVehicleSidebarWidget::slotShowServiceScheduleModule);
    m_imagesButton = addEntry(QStringLiteral(":/resource/bwicons/images-16.png"),
                              &CVehicleSidebarWidget::slotShowImagesModule);
    m_expensesButton = addEntry(QStringLiteral(":/resource/icons/expense-16.png"),
                                &CVehicleSidebarWidget::slotShowExpenseModule);
    m_notesButton = addEntry(QStringLiteral(":/resource/icons/notes-16.png"), &CVehicleSidebarWidget::slotShowNoteModule);
    m_fuelLogButton = addEntry(QStringLiteral(":/resource/icons/fuel-log-16.png"),
                               &CVehicleSidebarWidget::slotShowFuelLogModule);
    layout->addWidget(new CSeparatorWidget(this));
    m_costReportButton = addEntry(QStringLiteral(":/resource/icons/cost-report-16.png"),
                                  &CVehicleSidebarWidget::slotShowCostReportModule);
    m_fuelReportButton = addEntry(QStringLiteral(":/resource/icons/fuel-report-16.png"),
                                  &CVehicleSidebarWidget::slotShowFuelReportModule);
    layout->addWidget(new CSeparatorWidget(this));
    layout->addStretch();
    m_infoWidget = new CVehicleInfoWidget(this);
    layout->addWidget(m_infoWidget);

    // No page behind it.
    m_imagesButton->hide();

    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(QStringLiteral("#F1F5FB")));
    setPalette(colours);
    setAutoFillBackground(true);
    // The module gives it one width for every vehicle; names wrap.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    retranslate();
}

QToolButton *CVehicleSidebarWidget::addEntry(const QString &iconPath, void (CVehicleSidebarWidget::*slot)())
{
    auto *button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Expanding, button->sizePolicy().verticalPolicy());
    connect(button, &QToolButton::clicked, this, slot);
    static_cast<QVBoxLayout *>(layout())->addWidget(button);
    return button;
}

void CVehicleSidebarWidget::setVehicle(CVehicle *vehicle)
{
    m_vehicle = vehicle;
    const bool hasFuelSystem = vehicle && vehicle->fuelSystemType() != 0;
    m_fuelLogButton->setVisible(hasFuelSystem);
    m_fuelReportButton->setVisible(hasFuelSystem);
    m_infoWidget->setVehicle(vehicle ? *vehicle : CVehicle());
}

void CVehicleSidebarWidget::retranslate()
{
    m_backButton->setText(tr("Back to Garage"));
    m_infoButton->setText(tr("Info"));
    m_servicesButton->setText(tr("Services"));
    m_schedulesButton->setText(tr("Service Schedules"));
    m_imagesButton->setText(tr("Images"));
    m_expensesButton->setText(tr("Custom Expenses"));
    m_notesButton->setText(tr("Notes"));
    m_fuelLogButton->setText(tr("Fuel Log"));
    m_costReportButton->setText(tr("Cost Report"));
    m_fuelReportButton->setText(tr("Fuel Report"));
    m_infoWidget->retranslate();
    m_infoWidget->setVehicle(m_vehicle ? *m_vehicle : CVehicle());
}

int CVehicleSidebarWidget::vehicleId() const
{
    return m_vehicle ? m_vehicle->id() : 0;
}

void CVehicleSidebarWidget::slotBackToGarage()
{
    emit changeContent(VehicleContentId::Leave);
    if (CMainWindow *window = CMainWindow::instance())
        window->moduleContainer()->activate(ModuleId::Garage);
}

void CVehicleSidebarWidget::slotShowVehicleInfoModule()
{
    emit changeContent(VehicleContentId::Info);
}

void CVehicleSidebarWidget::slotShowFuelLogModule()
{
    emit changeContent(RecordKinds::of(CVehicleRecords::FuelEntries).pageFor(vehicleId()));
}

void CVehicleSidebarWidget::slotShowServiceLogModule()
{
    emit changeContent(RecordKinds::of(CVehicleRecords::ServiceSessions).pageFor(vehicleId()));
}

void CVehicleSidebarWidget::slotShowServiceScheduleModule()
{
    emit changeContent(RecordKinds::of(CVehicleRecords::ServiceSchedules).pageFor(vehicleId()));
}

void CVehicleSidebarWidget::slotShowNoteModule()
{
    emit changeContent(RecordKinds::of(CVehicleRecords::Notes).pageFor(vehicleId()));
}

void CVehicleSidebarWidget::slotShowImagesModule()
{
    // The images entry has no page.
}

void CVehicleSidebarWidget::slotShowExpenseModule()
{
    emit changeContent(RecordKinds::of(CVehicleRecords::Expenses).pageFor(vehicleId()));
}

void CVehicleSidebarWidget::slotShowFuelReportModule()
{
    emit changeContent(VehicleContentId::FuelReport);
}

void CVehicleSidebarWidget::slotShowCostReportModule()
{
    emit changeContent(VehicleContentId::CostReport);
}

void CVehicleSidebarWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(214, 229, 245));
    painter.drawLine(width() - 1, 0, width() - 1, height());
}
