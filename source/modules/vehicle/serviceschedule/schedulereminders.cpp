#include "modules/vehicle/serviceschedule/schedulereminders.h"

#include "application/configuration.h"
#include "utility/clock.h"

#include <QDateTime>

namespace {

QDate storedDate(QLatin1String key)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::ScheduleReminders);
    return QDate::fromString(config->value(key).toString(), Qt::ISODate);
}

void storeToday(QLatin1String key)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::ScheduleReminders);
    config->setValue(key, Utility::Clock::today().toString(Qt::ISODate));
}

} // namespace

CScheduleReminders::CScheduleReminders(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        check();
        m_timer.start(untilTomorrow());
    });
}

void CScheduleReminders::start(int delay)
{
    m_timer.start(delay);
}

bool CScheduleReminders::notifiedToday()
{
    return storedDate(Config::Key::LastNotified) == Utility::Clock::today();
}

bool CScheduleReminders::dismissedToday()
{
    return storedDate(Config::Key::DismissedOn) == Utility::Clock::today();
}

void CScheduleReminders::setNotifiedToday()
{
    storeToday(Config::Key::LastNotified);
}

void CScheduleReminders::setDismissedToday()
{
    storeToday(Config::Key::DismissedOn);
}

void CScheduleReminders::check()
{
    const QList<CServiceSchedule> reminders = CServiceSchedule::reminders();
    if (reminders.isEmpty())
        return;
    const bool firstToday = !notifiedToday();
    if (firstToday)
        setNotifiedToday();
    emit remindersFound(reminders, firstToday);
}

int CScheduleReminders::untilTomorrow()
{
    const QDateTime now = Utility::Clock::now();
    const QDateTime next(now.date().addDays(1), QTime(0, 0, 5));
    return int(qBound<qint64>(60 * 1000, now.msecsTo(next), 24 * 60 * 60 * 1000 + 5000));
}
