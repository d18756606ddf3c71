#include "../vehiclepage/vehiclefixtures.h"
#include "scheduletestdata.h"
#include "testsupport.h"

#include "application/appmw.h"
#include "application/modulecontainer.h"
#include "database/database.h"
#include "database/tableserviceschedule.h"
#include "modules/garage/garagemodule.h"
#include "modules/garage/vehiclewidget.h"
#include "modules/garage/vehiclewidgetlist.h"
#include "modules/vehicle/serviceschedule/schedulereminders.h"
#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehiclemodule.h"
#include "utility/clock.h"
#include "utility/prompt.h"
#include "widgets/noticebar.h"

#include <QLabel>
#include <QPushButton>

using namespace ScheduleTestData;

// Reminders that reach the user in the running application: the notice in
// the main window, once-a-day bookkeeping, and the garage badges.
class TestScheduleReminders : public QObject
{
    Q_OBJECT

private:
    CAppMW *window = nullptr;
    CNoticeBar *bar = nullptr;
    CScheduleReminders *reminders = nullptr;
    int golfId = 0;
    int vanId = 0;
    int oilId = 0;

    CModuleContainer *container() const { return window->moduleContainer(); }

    QString entries() const { return bar->entriesText(); }

private slots:
    void init()
    {
        Utility::Prompt::setScripted(true);
        Utility::Clock::setNow(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        window = new CAppMW;
        QVERIFY(CDatabase::instance()->isOpen());
        bar = window->findChild<CNoticeBar *>(QStringLiteral("scheduleReminderBar"));
        reminders = window->findChild<CScheduleReminders *>();
        QVERIFY(bar && reminders);
        QVERIFY(reminders->isActive());

        golfId = Fixtures::addVehicle(QStringLiteral("Golf <GTI>"));
        vanId = Fixtures::addVehicle(QStringLiteral("Van"));
        oilId = addSchedule(CVehicle(golfId), Plan(QStringLiteral("Oil & <b>filter</b>"))
                                                  .dueOn(QDate(2024, 3, 10))
                                                  .repeatEvery(CRepeatPeriod(1, CRepeatPeriod::Year)))
                    .id();
        addSchedule(CVehicle(golfId), Plan(QStringLiteral("Tyres")).dueAt(50000).remindAt(48000));
    }

    void cleanup()
    {
        window->slotAppClose();
        delete window;
        window = nullptr;
        QFile::remove(CDatabase::defaultPath());
        Utility::Clock::reset();
    }

    void noticeListsWhatNeedsAttentionAndOpensTheSchedules()
    {
        QVERIFY(bar->isHidden());
        QSignalSpy found(reminders, &CScheduleReminders::remindersFound);
        reminders->check();
        QCOMPARE(found.count(), 1);
        QVERIFY(found.at(0).at(1).toBool());
        QVERIFY(!bar->isHidden());
        const QString text = entries();
        QVERIFY2(text.contains(QStringLiteral("Golf &lt;GTI&gt;: Oil &amp; &lt;b&gt;filter&lt;/b&gt;")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Overdue, due March 10 2024")));
        QVERIFY(text.contains(QStringLiteral("Upcoming, due 50000 km")));
        QVERIFY(!text.contains(QStringLiteral("Van")));

        // Told once today: a second gathering keeps the notice, not the tray message.
        reminders->check();
        QVERIFY(!found.at(1).at(1).toBool());

        emit bar->entryActivated(QString::number(golfId));
        auto *module = qobject_cast<CVehicleModule *>(container()->currentModule());
        QVERIFY(module);
        QCOMPARE(module->vehicle().id(), golfId);
        QCOMPARE(module->contentWidget()->currentId(), int(VehicleContentId::ServiceSchedules));
    }

    void noticeFollowsChangesAndStaysDismissedForTheDay()
    {
        reminders->check();
        QVERIFY(!bar->isHidden());
        CServiceSchedule oil(oilId);
        QVERIFY(oil.markDone());
        QTRY_VERIFY(!entries().contains(QStringLiteral("Oil")));
        QVERIFY(!bar->isHidden());

        bar->dismissButton()->click();
        QVERIFY(bar->isHidden());
        QVERIFY(CScheduleReminders::dismissedToday());
        reminders->check();
        QVERIFY(bar->isHidden());

        Utility::Clock::setNow(QDateTime(QDate(2024, 3, 16), QTime(0, 0, 5)));
        QSignalSpy found(reminders, &CScheduleReminders::remindersFound);
        reminders->check();
        QVERIFY(found.at(0).at(1).toBool());
        QVERIFY(!bar->isHidden());

        // Nothing left to do: the notice closes.
        QVERIFY(CTableServiceSchedule::instance()->updateFieldWhere(CTableServiceSchedule::Status, 0, QString()) > 0);
        CVehicle(golfId).setOdometerValue(48201);
        QTRY_VERIFY(bar->isHidden());
    }

    void garageCardsShowTheirCounts()
    {
        addSchedule(CVehicle(golfId), Plan().dueAt(100));
        auto *garage = qobject_cast<CGarageModule *>(container()->moduleById(ModuleId::Garage));
        QVERIFY(garage);
        garage->refresh();
        QHash<int, QString> badges;
        for (CVehicleWidget *card : garage->vehicleList()->widgets()) {
            if (!card->isHidden())
                badges.insert(card->vehicleId(),
                              card->scheduleBadge()->isHidden() ? QString() : card->scheduleBadge()->text());
        }
        QCOMPARE(badges.value(golfId), QStringLiteral("2 overdue \u00b7 1 upcoming"));
        QCOMPARE(badges.value(vanId), QString());
    }
};

GARVO_TEST_MAIN(TestScheduleReminders)
#include "tst_schedulereminders.moc"
