#include "modules/vehicle/serviceschedule/schedulereminderbar.h"

#include "application/mainwindow.h"
#include "application/trayicon.h"
#include "database/tableserviceschedule.h"
#include "database/tablevehicle.h"
#include "modules/vehicle/serviceschedule/schedulereminders.h"
#include "modules/vehicle/vehiclemodule.h"
#include "widgets/noticebar.h"

#include <QTimer>

CScheduleReminderBar::CScheduleReminderBar(CMainWindow *window)
    : QObject(window)
    , m_window(window)
    , m_bar(new CNoticeBar(window))
    , m_reminders(new CScheduleReminders(this))
{
    m_bar->setObjectName(QStringLiteral("scheduleReminderBar"));
    m_bar->setIcon(QStringLiteral(":/resource/icons/service-schedule-24.png"));
    m_bar->hide();
    window->addNotice(m_bar);

    connect(m_reminders, &CScheduleReminders::remindersFound, this, &CScheduleReminderBar::slotRemindersFound);
    connect(m_bar, &CNoticeBar::entryActivated, this, &CScheduleReminderBar::slotOpen);
    connect(m_bar, &CNoticeBar::dismissed, this, &CScheduleReminderBar::slotDismissed);
    for (CTable *table : {static_cast<CTable *>(CTableServiceSchedule::instance()),
                          static_cast<CTable *>(CTableVehicle::instance())}) {
        if (!table)
            continue;
        connect(table, &CTable::inserted, this, &CScheduleReminderBar::followChanges);
        connect(table, &CTable::updated, this, &CScheduleReminderBar::followChanges);
        connect(table, &CTable::deleted, this, &CScheduleReminderBar::followChanges);
    }
    if (CTrayIcon *tray = CTrayIcon::instance()) {
        connect(tray, &QSystemTrayIcon::messageClicked, this, [this] {
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
            m_window->show();
            m_window->raise();
            m_window->activateWindow();
        });
    }
    retranslate();
}

CScheduleReminderBar::~CScheduleReminderBar()
{
    delete m_bar;
}

void CScheduleReminderBar::slotRemindersFound(const QList<CServiceSchedule> &reminders, bool firstToday)
{
    if (!CScheduleReminders::dismissedToday())
        show(reminders);
    CTrayIcon *tray = CTrayIcon::instance();
    if (!firstToday || !tray || !tray->isVisible() || !QSystemTrayIcon::supportsMessages())
        return;
    QStringList lines;
    for (const CServiceSchedule &schedule : reminders.mid(0, 5))
        lines.append(QStringLiteral("%1: %2").arg(schedule.vehicle().name(), schedule.name()));
    if (reminders.size() > 5)
        lines.append(QStringLiteral("..."));
    tray->showMessage(titleText(reminders.size()), lines.join(QLatin1Char('\n')), QSystemTrayIcon::Information);
}

void CScheduleReminderBar::show(const QList<CServiceSchedule> &reminders)
{
    m_shown = reminders;
    if (reminders.isEmpty()) {
        m_bar->hide();
        return;
    }
    QList<CNoticeBar::Entry> entries;
    for (const CServiceSchedule &schedule : reminders) {
        const QString state = schedule.isOverdue() ? tr("Overdue") : tr("Upcoming");
        entries.append({QString::number(schedule.vehicleId()),
                        QStringLiteral("%1: %2").arg(schedule.vehicle().name(), schedule.name()),
                        tr("%1, due %2").arg(state, schedule.dueText())});
    }
    m_bar->setNotice(titleText(reminders.size()), entries);
    m_bar->show();
}

void CScheduleReminderBar::followChanges()
{
    if (m_bar->isHidden() || m_updateQueued)
        return;
    m_updateQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_updateQueued = false;
        if (!m_bar->isHidden())
            show(CServiceSchedule::reminders());
    });
}

void CScheduleReminderBar::slotOpen(const QString &vehicleId)
{
    openVehicleSchedules(vehicleId.toInt());
}

void CScheduleReminderBar::slotDismissed()
{
    CScheduleReminders::setDismissedToday();
}

QString CScheduleReminderBar::titleText(int count) const
{
    return count == 1 ? tr("1 service schedule needs your attention")
                      : tr("%1 service schedules need your attention").arg(count);
}

void CScheduleReminderBar::retranslate()
{
    m_bar->setDismissText(tr("&Dismiss"));
    if (!m_bar->isHidden())
        show(m_shown);
}
