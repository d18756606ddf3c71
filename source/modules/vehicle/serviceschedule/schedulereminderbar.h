#pragma once

#include "database/serviceschedule.h"

#include <QList>
#include <QObject>
#include <QPointer>

class CMainWindow;
#include "widgets/noticebar.h"
class CScheduleReminders;

// Tells the user of the schedules CScheduleReminders finds: a notice bar in
// the main window listing them (vehicle, schedule, due), each opening that
// vehicle's schedule page, and, the first time each day, a tray message
// when the tray icon is shown. While the bar is up it follows changes to
// the schedules and vehicles, and closes when nothing needs attention.
class CScheduleReminderBar : public QObject
{
    Q_OBJECT

public:
    explicit CScheduleReminderBar(CMainWindow *window);
    ~CScheduleReminderBar() override;

    CNoticeBar *bar() const { return m_bar; }
    CScheduleReminders *reminders() const { return m_reminders; }
    void retranslate();

public slots:
    void slotRemindersFound(const QList<CServiceSchedule> &reminders, bool firstToday);
    void slotOpen(const QString &vehicleId);
    void slotDismissed();

private:
    void show(const QList<CServiceSchedule> &reminders);
    void followChanges();
    QString titleText(int count) const;

    CMainWindow *m_window = nullptr;
    QPointer<CNoticeBar> m_bar;
    CScheduleReminders *m_reminders = nullptr;
    QList<CServiceSchedule> m_shown;
    bool m_updateQueued = false;
};
