#include "modules/vehicle/serviceschedule/servicescheduleform.h"

#include "database/serviceschedule.h"
#include "database/vehicle.h"
#include "utility/numbertext.h"

#include <optional>

namespace {

// The value of a field that passed the checks.
int number(const QString &text)
{
    return NumberText::whole(text).value_or(0);
}

bool blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

int CServiceScheduleForm::step(const CVehicle &vehicle)
{
    return vehicle.odometerType() == 3 ? 10 : 1000;
}

CServiceScheduleForm CServiceScheduleForm::forNew(const CVehicle &vehicle, const QDate &today)
{
    const int unit = step(vehicle);
    CServiceScheduleForm form;
    form.dueDate = today.addMonths(1);
    form.dueOdometer = QString::number(qint64(vehicle.odometerValue()) + 5 * unit);
    form.reminderCount = QStringLiteral("1");
    form.reminderDistance = QString::number(unit);
    form.repeatDistance = QString::number(5 * unit);
    return form;
}

CServiceScheduleForm CServiceScheduleForm::fromSchedule(const CServiceSchedule &schedule, const CVehicle &vehicle,
                                                        const QDate &today)
{
    CServiceScheduleForm form = forNew(vehicle, today);
    form.name = schedule.name();
    form.description = schedule.description();
    form.dueByDate = schedule.dueType() & CServiceSchedule::ByDate;
    form.dueByOdometer = schedule.dueType() & CServiceSchedule::ByOdometer;
    if (schedule.dueDate().isValid())
        form.dueDate = schedule.dueDate();
    if (schedule.dueOdometer() >= 0)
        form.dueOdometer = QString::number(schedule.dueOdometer());

    const int reminder = schedule.reminderType();
    form.reminderCount.clear();
    form.reminderUnit = CRepeatPeriod::Month;
    form.reminderDistance.clear();
    if ((reminder & CServiceSchedule::ByDate) && schedule.reminderDate().isValid() && schedule.dueDate().isValid()) {
        const CRepeatPeriod lead = CRepeatPeriod::between(schedule.reminderDate(), schedule.dueDate());
        form.reminderCount = QString::number(lead.count());
        form.reminderUnit = lead.unit();
    }
    if (reminder & CServiceSchedule::ByOdometer)
        form.reminderDistance = QString::number(qint64(schedule.dueOdometer()) - schedule.reminderOdometer());

    const int repeat = schedule.repeatType();
    form.repeat = repeat != 0;
    if (form.repeat) {
        form.repeatCount.clear();
        form.repeatDistance.clear();
        if (repeat & CServiceSchedule::ByDate) {
            form.repeatCount = QString::number(schedule.repeatPeriod().count());
            form.repeatUnit = schedule.repeatPeriod().unit();
        }
        if (repeat & CServiceSchedule::ByOdometer)
            form.repeatDistance = QString::number(schedule.repeatOdometer());
    }
    return form;
}

CServiceScheduleForm::Fields CServiceScheduleForm::invalidFields(QMap<Field, QString> *reasons) const
{
    Fields invalid;
    auto refuse = [&](Field field, const QString &why) {
        invalid |= field;
        if (reasons && !reasons->contains(field))
            reasons->insert(field, why);
    };

    if (blank(name))
        refuse(Name, tr("Enter a name for the schedule"));
    if (!dueByDate && !dueByOdometer)
        refuse(Due, tr("Choose when the schedule falls due: by date, by odometer or both"));
    else if (dueByDate && !dueDate.isValid())
        refuse(Due, tr("Enter the date at which the schedule falls due"));

    QString why;
    std::optional<int> due;
    if (dueByOdometer) {
        due = NumberText::whole(dueOdometer, &why);
        if (!due)
            refuse(DueOdometer, why);
    }
    if (dueByDate && !blank(reminderCount) && !NumberText::whole(reminderCount, &why))
        refuse(ReminderCount, why);
    if (dueByOdometer && !blank(reminderDistance)) {
        const std::optional<int> distance = NumberText::whole(reminderDistance, &why);
        if (!distance)
            refuse(ReminderDistance, why);
        else if (due && *distance > *due)
            refuse(ReminderDistance, tr("The reminder distance is larger than the due odometer"));
    }

    if (repeat) {
        const bool byCount = dueByDate && !blank(repeatCount);
        const bool byDistance = dueByOdometer && !blank(repeatDistance);
        if (!byCount && !byDistance)
            refuse(Repeat, tr("Enter how often the schedule repeats"));
        if (byCount) {
            const std::optional<int> count = NumberText::whole(repeatCount, &why);
            if (!count || *count == 0)
                refuse(RepeatCount, count ? tr("A schedule can't repeat every 0") : why);
        }
        if (byDistance) {
            const std::optional<int> distance = NumberText::whole(repeatDistance, &why);
            if (!distance || *distance == 0)
                refuse(RepeatDistance, distance ? tr("A schedule can't repeat every 0") : why);
        }
    }
    return invalid;
}

int CServiceScheduleForm::save(CServiceSchedule &schedule, QString *error) const
{
    QMap<Field, QString> reasons;
    if (invalidFields(&reasons) != NoField) {
        if (error)
            *error = reasons.first();
        return 0;
    }

    CServiceSchedule edited = schedule;
    edited.setAutoSave(false);
    edited.setName(name);
    edited.setDescription(description);

    int dueType = 0;
    int reminderType = 0;
    if (dueByDate) {
        dueType |= CServiceSchedule::ByDate;
        edited.setDueDate(dueDate);
        if (!blank(reminderCount)) {
            reminderType |= CServiceSchedule::ByDate;
            const CRepeatPeriod lead(number(reminderCount), reminderUnit);
            edited.setReminderDate(lead.before(dueDate));
        }
    }
    if (dueByOdometer) {
        dueType |= CServiceSchedule::ByOdometer;
        const int due = number(dueOdometer);
        edited.setDueOdometer(due);
        if (!blank(reminderDistance)) {
            reminderType |= CServiceSchedule::ByOdometer;
            edited.setReminderOdometer(due - number(reminderDistance));
        }
    }
    edited.setDueType(dueType);
    edited.setReminderType(reminderType);

    int repeatType = 0;
    if (repeat && dueByDate && !blank(repeatCount)) {
        repeatType |= CServiceSchedule::ByDate;
        edited.setRepeatPeriod(CRepeatPeriod(number(repeatCount), repeatUnit));
    }
    if (repeat && dueByOdometer && !blank(repeatDistance)) {
        repeatType |= CServiceSchedule::ByOdometer;
        edited.setRepeatOdometer(number(repeatDistance));
    }
    edited.setRepeatType(repeatType);

    const int id = edited.saveChecked(error);
    if (id != 0)
        schedule = edited;
    return id;
}
