#include "modules/vehicle/vehicleinfocontent.h"

#include "database/vehicle.h"
#include "modules/vehicle/odometerlog/odometerlogtableview.h"
#include "modules/vehicle/vehicledetailswidget.h"
#include "widgets/separatorwidget.h"

#include <QVBoxLayout>

CVehicleInfoContent::CVehicleInfoContent(QWidget *parent)
    : CVehicleContent(parent), m_details(new CVehicleDetailsWidget(this)), m_odometerLog(new COdometerLogTableView(this))
{
    auto *column = new QVBoxLayout;
    column->setContentsMargins(9, 9, 9, 0);
    column->setSpacing(9);
    column->addWidget(m_details);
    column->addWidget(new CSeparatorWidget(this));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(column);
    layout->addWidget(m_odometerLog, 1);
    retranslate();
}

void CVehicleInfoContent::retranslate()
{
    setTitle(tr("Info"));
    m_details->retranslate();
    m_odometerLog->retranslate();
    CVehicleContent::retranslate();
}

void CVehicleInfoContent::setVehicle(CVehicle *vehicle)
{
    CVehicleContent::setVehicle(vehicle);
    if (isCurrent())
        showDetails();
}

void CVehicleInfoContent::vehicleUpdated()
{
    if (isCurrent())
        showDetails();
}

bool CVehicleInfoContent::enterContent()
{
    showDetails();
    return CVehicleContent::enterContent();
}

void CVehicleInfoContent::refresh()
{
    m_odometerLog->setVehicle(vehicle() ? *vehicle() : CVehicle());
}

void CVehicleInfoContent::showDetails()
{
    m_details->setVehicle(vehicle() ? *vehicle() : CVehicle());
}
