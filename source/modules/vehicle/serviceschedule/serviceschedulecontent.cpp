#include "modules/vehicle/serviceschedule/serviceschedulecontent.h"

#include "application/mainwindow.h"
#include "application/toolbarwidget.h"
#include "database/vehicle.h"
#include "modules/vehicle/records/recordkind.h"
#include "modules/vehicle/serviceschedule/servicescheduletableview.h"
#include "widgets/descriptionboxitemwidget.h"
#include "widgets/descriptionboxwidget.h"

#include <QStringList>

namespace {

const RecordKind &schedules()
{
    return RecordKinds::of(CVehicleRecords::ServiceSchedules);
}

} // namespace

CServiceScheduleContent::CServiceScheduleContent(QWidget *parent)
    : CRecordListContent(schedules(), parent)
    , m_view(new CServiceScheduleTableView(this))
{
    setList(m_view);

    CMainWindow *window = CMainWindow::instance();
    CToolbarWidget *footerBar = window ? window->footerBar() : nullptr;
    m_footer = new CFooterInfoWidget(footerBar ? static_cast<QWidget *>(footerBar) : this);
    m_footer->setIcon(QStringLiteral(":resource/icons/service-schedule-32.png"));
    m_footer->hide();
    if (footerBar)
        footerBar->addWidget(m_footer);
    retranslate();
}

CServiceScheduleContent::~CServiceScheduleContent()
{
    // The footer lives in the main window's footer bar.
    delete m_footer;
}

QString CServiceScheduleContent::summaryTitle(int active)
{
    if (active <= 0)
        return tr("No Active Service Shedules");
    if (active == 1)
        return tr("1 Active Service Schedule");
    return tr("%1 Active Service Schedules").arg(active);
}

QString CServiceScheduleContent::summaryText(int upcoming, int overdue, int inactive)
{
    QStringList parts;
    if (upcoming > 0)
        parts.append(tr("Upcoming: %1").arg(upcoming));
    if (overdue > 0)
        parts.append(tr("Overdue: %1").arg(overdue));
    if (inactive > 0)
        parts.append(tr("Inactive: %1").arg(inactive));
    return parts.join(QStringLiteral(" | "));
}

void CServiceScheduleContent::retranslate()
{
    setTitle(tr("Service Schedules"));
    if (isCurrent())
        slotUpdateSummary();
    CRecordListContent::retranslate();
}

bool CServiceScheduleContent::enterContent()
{
    const bool entered = CRecordListContent::enterContent();
    slotUpdateSummary();
    m_footer->show();
    return entered;
}

bool CServiceScheduleContent::leaveContent()
{
    m_footer->hide();
    return CRecordListContent::leaveContent();
}

void CServiceScheduleContent::vehicleUpdated()
{
    // A new odometer reading changes which schedules are due.
    if (vehicle())
        m_view->setVehicle(*vehicle());
    slotUpdateSummary();
}

void CServiceScheduleContent::refresh()
{
    CRecordListContent::refresh();
    slotServiceScheduleDeleted();
}

void CServiceScheduleContent::slotUpdateSummary()
{
    if (!vehicle() || !m_footer)
        return;
    const CVehicle &car = *vehicle();
    m_footer->setTitle(summaryTitle(car.countSchedules(true)));
    m_footer->setSubtitle(summaryText(car.countUpcoming(), car.countOverdue(), car.countInactive()));
}

void CServiceScheduleContent::slotServiceScheduleDeleted()
{
    // Deleting the last active schedule leaves nothing stale behind.
    slotUpdateSummary();
}

CNoServiceScheduleContent::CNoServiceScheduleContent(QWidget *parent)
    : CNoRecordContent(schedules(), QStringLiteral(":resource/icons/lightbulb-48.png"), parent)
{
    m_secondItem = descriptionBox()->addItem(QString(), QString(), QStringLiteral(":resource/icons/notification-48.png"));
    retranslate();
}

void CNoServiceScheduleContent::retranslate()
{
    setTexts(tr("Service Schedules"), tr("About Service Schedule"), tr("Database of your favorite ServiceSchedules"),
             tr("this is module description"), tr("New Service Schedule"));
    m_secondItem->setHeading(tr("Be careful"));
    m_secondItem->setText(tr("this is second module description"));
    CNoRecordContent::retranslate();
}

void CNoServiceScheduleContent::slotNewServiceSchedule()
{
    slotNewRecord();
}
