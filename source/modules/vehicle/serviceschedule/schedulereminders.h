#pragma once

#include "database/serviceschedule.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QTimer>

// Watches, while the application runs, for service schedules that need the
// user's attention: a few seconds after start and then at the start of
// every day it gathers the active schedules of all vehicles that are
// overdue or whose reminder is reached, and reports them.
//
// The day the user was last told and the day the user dismissed the notice
// are kept in the configuration file, so a restart on the same day neither
// repeats the tray message nor brings back a dismissed notice.
class CScheduleReminders : public QObject
{
    Q_OBJECT

public:
    static constexpr int StartDelay = 5000;

    explicit CScheduleReminders(QObject *parent = nullptr);

    // Gathers once after `delay` milliseconds, then at each new day.
    void start(int delay = StartDelay);
    bool isActive() const { return m_timer.isActive(); }

    // Whether the user was told today / dismissed the notice today.
    static bool notifiedToday();
    static bool dismissedToday();
    static void setNotifiedToday();
    static void setDismissedToday();

public slots:
    // Gathers now and emits remindersFound() when there is any.
    void check();

signals:
    // `firstToday`: the user has not been told yet today (the tray message
    // is due); the day is marked as told.
    void remindersFound(const QList<CServiceSchedule> &reminders, bool firstToday);

private:
    // Milliseconds from now until just after the next midnight.
    static int untilTomorrow();

    QTimer m_timer;
};
