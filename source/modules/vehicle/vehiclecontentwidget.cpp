#include "modules/vehicle/vehiclecontentwidget.h"

#include "modules/vehicle/expense/expensecontent.h"
#include "modules/vehicle/fuellog/fuellogcontent.h"
#include "modules/vehicle/fuellog/nofuellogcontent.h"
#include "modules/vehicle/note/notescontent.h"
#include "modules/vehicle/service/servicecontent.h"
#include "modules/vehicle/serviceschedule/serviceschedulecontent.h"
#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclecostreportcontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelreportcontent.h"
#include "modules/vehicle/vehicleinfocontent.h"

#include <QStackedLayout>

CVehicleContentWidget::CVehicleContentWidget(QWidget *parent) : QWidget(parent), m_stack(new QStackedLayout(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->setSpacing(0);
    for (int id = 0; id < VehicleContentId::Count; ++id) {
        CVehicleContent *page = createPage(id, this);
        m_pages.append(page);
        m_stack->addWidget(page);
        connect(page, &CVehicleContent::changeContent, this, &CVehicleContentWidget::changeContent);
    }
}

CVehicleContent *CVehicleContentWidget::createPage(int id, QWidget *parent)
{
    switch (id) {
    case VehicleContentId::Info:
        return new CVehicleInfoContent(parent);
    case VehicleContentId::FuelLog:
        return new CFuelLogContent(parent);
    case VehicleContentId::NoFuelLog:
        return new CNoFuelLogContent(parent);
    case VehicleContentId::Services:
        return new CServiceContent(parent);
    case VehicleContentId::NoServices:
        return new CNoServiceContent(parent);
    case VehicleContentId::ServiceSchedules:
        return new CServiceScheduleContent(parent);
    case VehicleContentId::NoServiceSchedules:
        return new CNoServiceScheduleContent(parent);
    case VehicleContentId::Notes:
        return new CNotesContent(parent);
    case VehicleContentId::NoNotes:
        return new CNoNotesContent(parent);
    case VehicleContentId::FuelReport:
        return new CVehicleFuelReportContent(parent);
    case VehicleContentId::CostReport:
        return new CVehicleCostReportContent(parent);
    case VehicleContentId::Expenses:
        return new CExpenseContent(parent);
    case VehicleContentId::NoExpenses:
        return new CNoExpenseContent(parent);
    default:
        return new CVehicleContent(parent);
    }
}

void CVehicleContentWidget::setVehicle(CVehicle *vehicle)
{
    for (CVehicleContent *page : qAsConst(m_pages))
        page->setVehicle(vehicle);
}

void CVehicleContentWidget::setHeader(CHeaderWidget *header)
{
    for (CVehicleContent *page : qAsConst(m_pages))
        page->setHeader(header);
}

void CVehicleContentWidget::retranslate()
{
    for (CVehicleContent *page : qAsConst(m_pages))
        page->retranslate();
}

int CVehicleContentWidget::currentId() const
{
    return m_stack->currentIndex();
}

void CVehicleContentWidget::vehicleUpdated()
{
    if (m_active)
        m_active->vehicleUpdated();
}

void CVehicleContentWidget::changeContent(int id)
{
    // The page shown already stays as it is; its own refreshes keep it up to date.
    if (m_active && m_active == page(id))
        return;
    if (m_active) {
        CVehicleContent *leaving = m_active;
        m_active = nullptr;
        leaving->leave();
    }
    CVehicleContent *target = page(id);
    if (!target)
        return;
    m_stack->setCurrentWidget(target);
    m_active = target;
    target->enter();
}
