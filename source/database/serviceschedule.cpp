#include "database/serviceschedule.h"

#include "database/tableserviceschedule.h"
#include "database/transaction.h"
#include "utility/clock.h"
#include "utility/utility.h"

#include <QHash>
#include <QSqlRecord>

#include <limits>

namespace {

bool reached(int type, const QDate &date, int reading, const QDate &today, int odometer)
{
    const bool byDate = (type & CServiceSchedule::ByDate) && date.isValid() && date <= today;
    const bool byOdometer = (type & CServiceSchedule::ByOdometer) && reading >= 0 && reading <= odometer;
    return byDate || byOdometer;
}

QString dateText(const QDate &date, const QString &dateFormat)
{
    return date.toString(dateFormat.isEmpty() ? Utility::dateFormat() : dateFormat);
}

// `text`, then " or " when both parts are there, then `more`.
QString joinedWithOr(const QString &text, const QString &more)
{
    if (text.isEmpty())
        return more;
    return text + QLatin1Char(' ') + CServiceSchedule::tr("or") + QLatin1Char(' ') + more;
}

} // namespace

CServiceSchedule::CServiceSchedule(int id)
{
    load(id);
}

const CVehicle &CServiceSchedule::vehicle() const
{
    if (m_vehicle.id() != vehicleId())
        m_vehicle = CVehicle(vehicleId());
    return m_vehicle;
}

void CServiceSchedule::useVehicle(const CVehicle &vehicle)
{
    if (vehicle.id() == vehicleId())
        m_vehicle = vehicle;
}

bool CServiceSchedule::isActive() const
{
    return status() == 1;
}

bool CServiceSchedule::isOverdue() const
{
    return isOverdue(Utility::Clock::today(), vehicle().odometerValue());
}

bool CServiceSchedule::isOverdue(const QDate &today, int odometer) const
{
    return reached(dueType(), dueDate(), dueOdometer(), today, odometer);
}

bool CServiceSchedule::isReminderReached() const
{
    return isReminderReached(Utility::Clock::today(), vehicle().odometerValue());
}

bool CServiceSchedule::isReminderReached(const QDate &today, int odometer) const
{
    return reached(reminderType(), reminderDate(), reminderOdometer(), today, odometer);
}

bool CServiceSchedule::isUpcoming() const
{
    const QDate today = Utility::Clock::today();
    const int odometer = vehicle().odometerValue();
    return isActive() && !isOverdue(today, odometer) && isReminderReached(today, odometer);
}

QString CServiceSchedule::lastCheckText(const QString &dateFormat) const
{
    QString text;
    if (lastCheckDate().isValid())
        text = dateText(lastCheckDate(), dateFormat);
    if (lastCheckOdometer() >= 0) {
        if (!text.isEmpty())
            text += QStringLiteral(" | ");
        text += QStringLiteral("%1 %2").arg(lastCheckOdometer()).arg(vehicle().odometerUnitText());
    }
    return text.isEmpty() ? tr("None") : text;
}

QString CServiceSchedule::dueText(const QString &dateFormat) const
{
    QString text;
    if (dueType() & ByDate)
        text = dateText(dueDate(), dateFormat);
    if (dueType() & ByOdometer)
        text = joinedWithOr(text, QStringLiteral("%1 %2").arg(dueOdometer()).arg(vehicle().odometerUnitText()));
    return text.isEmpty() ? tr("Not set") : text;
}

QString CServiceSchedule::reminderText() const
{
    QString text;
    if ((reminderType() & ByDate) && reminderDate().isValid() && dueDate().isValid())
        text = CRepeatPeriod::between(reminderDate(), dueDate()).text();
    if (reminderType() & ByOdometer) {
        const QString lead = QStringLiteral("%1 %2").arg(qint64(dueOdometer()) - reminderOdometer())
                                 .arg(vehicle().odometerUnitText());
        text = joinedWithOr(text, lead);
    }
    return text.isEmpty() ? tr("Not set") : text + QLatin1Char(' ') + tr("before due");
}

QString CServiceSchedule::repeatText() const
{
    QString text;
    if (repeatType() & ByDate)
        text = repeatPeriod().text();
    if (repeatType() & ByOdometer)
        text = joinedWithOr(text, QStringLiteral("%1 %2").arg(repeatOdometer()).arg(vehicle().odometerUnitText()));
    return text.isEmpty() ? tr("Not set") : tr("Every") + QLatin1Char(' ') + text;
}

QString CServiceSchedule::statusText() const
{
    return isActive() ? tr("Active") : tr("Inactive");
}

CServiceSchedule CServiceSchedule::doneOn(const QDate &date, int odometer) const
{
    CServiceSchedule done = *this;
    done.setAutoSave(false);
    done.setLastCheckDate(date);
    done.setLastCheckOdometer(odometer);

    const bool byPeriod = (repeatType() & ByDate) && repeatPeriod().count() > 0 && repeatPeriod().after(date).isValid();
    const bool byDistance = (repeatType() & ByOdometer) && repeatOdometer() > 0;
    if (!byPeriod && !byDistance) {
        done.setStatus(0);
        return done;
    }

    // The due kinds follow the repeat: a kind that cannot move forward
    // would be overdue again at once.
    int dueType = 0;
    int reminderType = 0;
    if (byPeriod) {
        dueType |= ByDate;
        const QDate due = repeatPeriod().after(date);
        const bool hadLead = (this->reminderType() & ByDate) && (this->dueType() & ByDate)
                             && reminderDate().isValid() && dueDate().isValid();
        if (hadLead) {
            reminderType |= ByDate;
            done.setReminderDate(CRepeatPeriod::between(reminderDate(), dueDate()).before(due));
        }
        done.setDueDate(due);
    }
    if (byDistance) {
        dueType |= ByOdometer;
        const qint64 due = qint64(odometer) + repeatOdometer();
        const bool hadLead = (this->reminderType() & ByOdometer) && (this->dueType() & ByOdometer)
                             && reminderOdometer() >= 0 && dueOdometer() >= 0;
        const int clamped = int(qMin<qint64>(due, std::numeric_limits<int>::max()));
        if (hadLead) {
            reminderType |= ByOdometer;
            const qint64 lead = qint64(dueOdometer()) - reminderOdometer();
            done.setReminderOdometer(int(qBound<qint64>(0, clamped - lead, clamped)));
        }
        done.setDueOdometer(clamped);
    }
    done.setDueType(dueType);
    done.setReminderType(reminderType);
    done.setStatus(1);
    return done;
}

bool CServiceSchedule::markDone(QString *errorText)
{
    if (id() == 0) {
        if (errorText)
            *errorText = tr("The service schedule is not stored.");
        return false;
    }
    CServiceSchedule done = doneOn(Utility::Clock::today(), CVehicle(vehicleId()).odometerValue());
    if (done.saveChecked(errorText) == 0)
        return false;
    *this = done;
    return true;
}

int CServiceSchedule::saveChecked(QString *errorText)
{
    const CServiceSchedule before = *this;
    auto fail = [&](const QString &reason) {
        *this = before;
        if (errorText)
            *errorText = reason;
        return 0;
    };

    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    if (!table)
        return fail(tr("The service schedules are not available."));
    CTransaction transaction(table->database());
    if (!transaction.isActive())
        return fail(tr("The database could not begin a transaction."));
    if (id() != 0 && !table->exists(id()))
        return fail(tr("The service schedule no longer exists."));
    setAutoSave(false);
    const int savedId = save(true);
    if (savedId == 0 || !transaction.commit())
        return fail(tr("The service schedule could not be saved."));
    setAutoSave(before.autoSave());
    return savedId;
}

QList<CServiceSchedule> CServiceSchedule::reminders()
{
    QList<CServiceSchedule> schedules;
    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    if (!table)
        return schedules;
    QHash<int, CVehicle> vehicles;
    const QList<int> ids = table->remindedIds();
    for (int id : ids) {
        CServiceSchedule schedule(id);
        if (schedule.id() == 0)
            continue;
        auto known = vehicles.find(schedule.vehicleId());
        if (known == vehicles.end())
            known = vehicles.insert(schedule.vehicleId(), CVehicle(schedule.vehicleId()));
        schedule.useVehicle(known.value());
        schedules.append(schedule);
    }
    return schedules;
}
