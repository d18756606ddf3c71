#include "modules/vehicle/vehiclecontent.h"

#include "application/headerwidget.h"
#include "database/table.h"
#include "database/vehicle.h"
#include "utility/deferredcall.h"

CVehicleContent::CVehicleContent(QWidget *parent)
    : QWidget(parent), m_scheduledRefresh(new Utility::DeferredCall([this] { runScheduledRefresh(); }, this))
{
}

void CVehicleContent::setTitle(const QString &text)
{
    m_title = text;
}

void CVehicleContent::setHeader(CHeaderWidget *header)
{
    m_header = header;
}

bool CVehicleContent::enter()
{
    m_current = true;
    if (m_stale)
        runRefresh();
    return enterContent();
}

void CVehicleContent::vehicleUpdated() {}

bool CVehicleContent::leave()
{
    const bool result = leaveContent();
    m_current = false;
    return result;
}

void CVehicleContent::retranslate()
{
    if (!m_header || !m_current)
        return;
    const QString name = m_vehicle ? m_vehicle->name() : QString();
    const QString separator = QStringLiteral(" > ");
    QString subtitle = tr("Garage") + separator + name;
    if (!m_title.isEmpty())
        subtitle += separator + m_title;
    m_header->setTitle(name);
    m_header->setSubtitle(subtitle);
}

void CVehicleContent::setVehicle(CVehicle *vehicle)
{
    m_vehicle = vehicle;
    if (m_current)
        scheduleRefresh();
    else
        m_stale = true;
}

bool CVehicleContent::enterContent()
{
    retranslate();
    return true;
}

bool CVehicleContent::leaveContent()
{
    return true;
}

bool CVehicleContent::canLeaveContent()
{
    return true;
}

void CVehicleContent::scheduleRefresh()
{
    m_scheduledRefresh->schedule();
}

void CVehicleContent::watchTable(CTable *table)
{
    if (!table)
        return;
    connect(table, &CTable::inserted, this, &CVehicleContent::scheduleRefresh);
    connect(table, &CTable::updated, this, &CVehicleContent::scheduleRefresh);
    connect(table, &CTable::deleted, this, &CVehicleContent::scheduleRefresh);
}

void CVehicleContent::refresh() {}

void CVehicleContent::markStale()
{
    m_stale = true;
}

void CVehicleContent::runScheduledRefresh()
{
    if (m_current)
        runRefresh();
    else
        m_stale = true;
}

void CVehicleContent::runRefresh()
{
    m_stale = false;
    // A refresh asked for meanwhile is part of this one.
    m_scheduledRefresh->cancel();
    refresh();
}
