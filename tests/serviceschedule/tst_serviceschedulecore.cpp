#include "../database/testdatabase.h"
#include "scheduletestdata.h"
#include "testsupport.h"

#include "database/repeatperiod.h"
#include "database/tableserviceschedule.h"
#include "database/tablevehicle.h"
#include "utility/clock.h"

#include <QSet>

using namespace ScheduleTestData;

Q_DECLARE_METATYPE(CRepeatPeriod)

namespace {

const QDate today(2024, 3, 15);

struct Case
{
    const char *name;
    Plan plan;
    bool overdue;
    bool reminded;
};

// Due and reminder situations around today (2024-03-15) and an odometer of 5000.
QVector<Case> cases()
{
    const QDate tomorrow = today.addDays(1);
    Plan noDueType;
    noDueType.dueDate = today.addDays(-3);
    noDueType.dueOdometer = 10;
    Plan dateBitOnly;
    dateBitOnly.dueType = 1;
    Plan odometerBitOnly;
    odometerBitOnly.dueType = 2;
    return {
        {"due by date today", Plan().dueOn(today), true, false},
        {"due by date tomorrow", Plan().dueOn(tomorrow), false, false},
        {"due at exactly the odometer", Plan().dueAt(5000), true, false},
        {"due just past the odometer", Plan().dueAt(5001), false, false},
        {"reminder on the due date, today", Plan().dueOn(today).remindOn(today), true, true},
        {"reminder on the due date, tomorrow", Plan().dueOn(tomorrow).remindOn(tomorrow), false, false},
        {"reminder by date reached", Plan().dueOn(QDate(2024, 4, 1)).remindOn(today), false, true},
        {"reminder at exactly the odometer", Plan().dueAt(6000).remindAt(5000), false, true},
        {"overdue by odometer, date reminder ahead",
         Plan().dueOn(QDate(2024, 6, 1)).dueAt(4000).remindOn(QDate(2024, 5, 1)), true, false},
        {"either reminder kind reached",
         Plan().dueOn(QDate(2024, 6, 1)).dueAt(9000).remindOn(QDate(2024, 5, 1)).remindAt(4999), false, true},
        {"inactive and overdue", Plan().dueOn(today.addDays(-3)).inactive(), true, false},
        {"no due type", noDueType, false, false},
        {"date bit without a date", dateBitOnly, false, false},
        {"odometer bit without a reading", odometerBitOnly, false, false},
    };
}

} // namespace

// Schedules without widgets: the repeat period, the status rules against
// the counting queries, the texts, marking a schedule done and the gathering
// of reminders across vehicles.
class TestServiceScheduleCore : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void init()
    {
        db = new TestDatabase;
        Utility::Clock::setToday(today);
    }

    void cleanup()
    {
        Utility::Clock::reset();
        delete db;
    }

    void repeatPeriodStoredForm_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<CRepeatPeriod>("period");
        QTest::addColumn<QString>("text");

        QTest::newRow("three months") << "3|M" << CRepeatPeriod(3, CRepeatPeriod::Month) << "3 months";
        QTest::newRow("one day") << "1|d" << CRepeatPeriod(1, CRepeatPeriod::Day) << "1 day";
        QTest::newRow("weeks") << "2|w" << CRepeatPeriod(2, CRepeatPeriod::Week) << "2 weeks";
        QTest::newRow("one year") << "1|y" << CRepeatPeriod(1, CRepeatPeriod::Year) << "1 year";
        QTest::newRow("unknown letter reads as months") << "2|x" << CRepeatPeriod(2, CRepeatPeriod::Month) << "2 months";
        QTest::newRow("count not a number") << "a|w" << CRepeatPeriod(0, CRepeatPeriod::Week) << "0 weeks";
        QTest::newRow("no separator") << "3" << CRepeatPeriod() << "1 month";
        QTest::newRow("three parts") << "3|M|d" << CRepeatPeriod() << "1 month";
        QTest::newRow("empty") << "" << CRepeatPeriod() << "1 month";
    }

    void repeatPeriodStoredForm()
    {
        QFETCH(QString, stored);
        QFETCH(QString, text);

        const CRepeatPeriod read = CRepeatPeriod::fromString(stored);
        QTEST(read, "period");
        QCOMPARE(read.text(), text);
        QCOMPARE(CRepeatPeriod::fromString(read.toString()), read);
        QCOMPARE(CRepeatPeriod(5, 9).toString(), QStringLiteral("5|u"));
        QCOMPARE(CRepeatPeriod(5, 9).text(), QStringLiteral("5 unknow"));
    }

    void periodBetweenDates_data()
    {
        QTest::addColumn<CRepeatPeriod>("lead");
        QTest::addColumn<QDate>("due");
        QTest::addColumn<QDate>("reminder");
        QTest::addColumn<CRepeatPeriod>("readBack");

        QTest::newRow("2 weeks before 2024-03-15")
            << CRepeatPeriod(2, CRepeatPeriod::Week) << QDate(2024, 3, 15) << QDate(2024, 3, 1)
            << CRepeatPeriod(2, CRepeatPeriod::Week);
        QTest::newRow("1 month before 2024-03-31 clamps to February and reads back as days")
            << CRepeatPeriod(1, CRepeatPeriod::Month) << QDate(2024, 3, 31) << QDate(2024, 2, 29)
            << CRepeatPeriod(31, CRepeatPeriod::Day);
        QTest::newRow("a year before a leap day")
            << CRepeatPeriod(1, CRepeatPeriod::Year) << QDate(2024, 2, 29) << QDate(2023, 2, 28)
            << CRepeatPeriod(366, CRepeatPeriod::Day);
        QTest::newRow("14 months reads back as months")
            << CRepeatPeriod(14, CRepeatPeriod::Month) << QDate(2025, 5, 10) << QDate(2024, 3, 10)
            << CRepeatPeriod(14, CRepeatPeriod::Month);
        QTest::newRow("12 months reads back as a year")
            << CRepeatPeriod(12, CRepeatPeriod::Month) << QDate(2025, 3, 10) << QDate(2024, 3, 10)
            << CRepeatPeriod(1, CRepeatPeriod::Year);
        QTest::newRow("10 days") << CRepeatPeriod(10, CRepeatPeriod::Day) << QDate(2024, 3, 15)
                                 << QDate(2024, 3, 5) << CRepeatPeriod(10, CRepeatPeriod::Day);
    }

    void periodBetweenDates()
    {
        QFETCH(CRepeatPeriod, lead);
        QFETCH(QDate, due);
        QFETCH(QDate, reminder);
        QFETCH(CRepeatPeriod, readBack);

        QCOMPARE(lead.before(due), reminder);
        QCOMPARE(CRepeatPeriod::between(reminder, due), readBack);
        QCOMPARE(readBack.after(reminder), due);
    }

    // The rules of one schedule and the counting queries over its vehicle
    // must give the same answer in every case, the grouped counts and the
    // reminder gathering included.
    void statusRulesAndCountingQueriesAgree()
    {
        CTableServiceSchedule *table = CTableServiceSchedule::instance();
        QHash<int, ScheduleCounts> expectedCounts;
        QSet<int> expectedReminders;
        for (const Case &c : cases()) {
            const CVehicle vehicle = addVehicle(QString::fromLatin1(c.name));
            const CServiceSchedule schedule = addSchedule(vehicle, c.plan);
            const bool active = schedule.isActive();
            QVERIFY2(schedule.isOverdue() == c.overdue, c.name);
            QVERIFY2(schedule.isReminderReached() == c.reminded, c.name);
            QVERIFY2(schedule.isUpcoming() == (active && c.reminded && !c.overdue), c.name);

            QVERIFY2(table->countOverdue(vehicle.id(), 5000) == int(active && c.overdue), c.name);
            QVERIFY2(table->countReminded(vehicle.id(), 5000) == int(active && c.reminded), c.name);
            QVERIFY2(table->countUpcoming(vehicle.id(), 5000) == int(schedule.isUpcoming()), c.name);
            QVERIFY2(table->countInactive(vehicle.id()) == int(!active), c.name);
            QVERIFY2(table->countSchedules(vehicle.id(), true) == int(active), c.name);
            QVERIFY2(table->countSchedules(vehicle.id(), false) == 1, c.name);
            QVERIFY2(vehicle.countOverdue() == int(active && c.overdue), c.name);
            QVERIFY2(vehicle.countUpcoming() == int(schedule.isUpcoming()), c.name);

            if (active && (c.overdue || c.reminded)) {
                expectedCounts[vehicle.id()] = {int(c.overdue), int(!c.overdue)};
                expectedReminders.insert(schedule.id());
            }
        }
        const QHash<int, ScheduleCounts> counts = table->countsByVehicle();
        QCOMPARE(counts.size(), expectedCounts.size());
        for (auto it = expectedCounts.cbegin(); it != expectedCounts.cend(); ++it) {
            QCOMPARE(counts.value(it.key()).overdue, it.value().overdue);
            QCOMPARE(counts.value(it.key()).upcoming, it.value().upcoming);
        }
        QSet<int> gathered;
        for (const CServiceSchedule &schedule : CServiceSchedule::reminders())
            gathered.insert(schedule.id());
        QCOMPARE(gathered, expectedReminders);
    }

    void countsFollowTheOdometerArgument()
    {
        const CVehicle vehicle = addVehicle();
        addSchedule(vehicle, Plan().dueAt(8000).remindAt(7000));
        CTableServiceSchedule *table = CTableServiceSchedule::instance();
        QCOMPARE(table->countUpcoming(vehicle.id(), 6999), 0);
        QCOMPARE(table->countUpcoming(vehicle.id(), 7000), 1);
        QCOMPARE(table->countOverdue(vehicle.id(), 7999), 0);
        QCOMPARE(table->countOverdue(vehicle.id(), 8000), 1);
        QCOMPARE(table->countUpcoming(vehicle.id(), 8000), 0);
        QCOMPARE(table->countReminded(vehicle.id(), 8000), 1);
    }

    void texts()
    {
        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 5000, 2);
        CServiceSchedule bare = addSchedule(vehicle, Plan());
        QCOMPARE(bare.lastCheckText(), QStringLiteral("None"));
        QCOMPARE(bare.dueText(), QStringLiteral("Not set"));
        QCOMPARE(bare.reminderText(), QStringLiteral("Not set"));
        QCOMPARE(bare.repeatText(), QStringLiteral("Not set"));
        QCOMPARE(bare.statusText(), QStringLiteral("Active"));

        CServiceSchedule full = addSchedule(vehicle, Plan()
                                                         .dueOn(QDate(2024, 3, 15))
                                                         .dueAt(9000)
                                                         .remindOn(QDate(2024, 3, 1))
                                                         .remindAt(8500)
                                                         .repeatEvery(CRepeatPeriod(6, CRepeatPeriod::Month))
                                                         .repeatEvery(10000)
                                                         .inactive());
        full.setAutoSave(false);
        full.setLastCheckDate(QDate(2023, 9, 15));
        full.setLastCheckOdometer(0);
        const QString format = QStringLiteral("yyyy-MM-dd");
        QCOMPARE(full.lastCheckText(format), QStringLiteral("2023-09-15 | 0 miles"));
        QCOMPARE(full.dueText(format), QStringLiteral("2024-03-15 or 9000 miles"));
        QCOMPARE(full.dueText(), QStringLiteral("March 15 2024 or 9000 miles"));
        QCOMPARE(full.reminderText(), QStringLiteral("2 weeks or 500 miles before due"));
        QCOMPARE(full.repeatText(), QStringLiteral("Every 6 months or 10000 miles"));
        QCOMPARE(full.statusText(), QStringLiteral("Inactive"));

        full.setDueType(2);
        full.setReminderType(2);
        full.setRepeatType(1);
        full.setLastCheckDate(QDate());
        QCOMPARE(full.lastCheckText(), QStringLiteral("0 miles"));
        QCOMPARE(full.dueText(), QStringLiteral("9000 miles"));
        QCOMPARE(full.reminderText(), QStringLiteral("500 miles before due"));
        QCOMPARE(full.repeatText(), QStringLiteral("Every 6 months"));
    }

    void markDoneMovesARepeatingScheduleForward()
    {
        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 12345);
        CServiceSchedule schedule = addSchedule(vehicle, Plan()
                                                             .dueOn(QDate(2024, 3, 1))
                                                             .dueAt(12000)
                                                             .remindOn(QDate(2024, 2, 1))
                                                             .remindAt(11000)
                                                             .repeatEvery(CRepeatPeriod(1, CRepeatPeriod::Year))
                                                             .repeatEvery(15000));
        QVERIFY(schedule.isOverdue());

        QVERIFY(schedule.markDone());
        const CServiceSchedule stored(schedule.id());
        QCOMPARE(stored.lastCheckDate(), today);
        QCOMPARE(stored.lastCheckOdometer(), 12345);
        QCOMPARE(stored.dueType(), 3);
        QCOMPARE(stored.dueDate(), QDate(2025, 3, 15));
        QCOMPARE(stored.dueOdometer(), 27345);
        QCOMPARE(stored.reminderType(), 3);
        QCOMPARE(stored.reminderDate(), QDate(2025, 2, 15));
        QCOMPARE(stored.reminderOdometer(), 26345);
        QCOMPARE(stored.status(), 1);
        QVERIFY(!stored.isOverdue());
        QCOMPARE(schedule.dueDate(), stored.dueDate());
    }

    void markDoneKeepsOnlyTheKindsThatRepeat()
    {
        // Due by date or distance but repeating by distance only: the date
        // cannot move, so it no longer decides.
        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 20000);
        CServiceSchedule schedule = addSchedule(
            vehicle, Plan().dueOn(QDate(2024, 1, 1)).dueAt(20000).remindOn(QDate(2023, 12, 1)).repeatEvery(10000));
        QVERIFY(schedule.markDone());
        const CServiceSchedule stored(schedule.id());
        QCOMPARE(stored.dueType(), 2);
        QCOMPARE(stored.dueOdometer(), 30000);
        QCOMPARE(stored.reminderType(), 0);
        QVERIFY(!stored.isOverdue());
        QVERIFY(!stored.isReminderReached());
    }

    void markDoneEndsAScheduleThatDoesNotRepeat()
    {
        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 700);
        CServiceSchedule schedule = addSchedule(vehicle, Plan().dueOn(QDate(2024, 3, 1)));
        QVERIFY(schedule.markDone());
        const CServiceSchedule stored(schedule.id());
        QCOMPARE(stored.status(), 0);
        QCOMPARE(stored.lastCheckDate(), today);
        QCOMPARE(stored.lastCheckOdometer(), 700);
        QCOMPARE(stored.dueDate(), QDate(2024, 3, 1));
        QCOMPARE(vehicle.countOverdue(), 0);
        QCOMPARE(vehicle.countInactive(), 1);
    }

    void markDoneOfAVanishedScheduleChangesNothing()
    {
        CServiceSchedule schedule = addSchedule(addVehicle(), Plan().dueOn(QDate(2024, 3, 1)));
        QVERIFY(CTableServiceSchedule::instance()->remove(schedule.id()));
        QString error;
        QVERIFY(!schedule.markDone(&error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(schedule.status(), 1);
        QVERIFY(!schedule.lastCheckDate().isValid());
        QCOMPARE(CTableServiceSchedule::instance()->count(), 0);
        QVERIFY(!CServiceSchedule().markDone());
    }

    void remindersAreGatheredAcrossVehiclesAsTheDaysPass()
    {
        const CVehicle golf = addVehicle(QStringLiteral("Golf"), 1000);
        const CVehicle van = addVehicle(QStringLiteral("Van"), 50000);
        addSchedule(golf, Plan(QStringLiteral("Oil")).dueOn(QDate(2024, 4, 1)).remindOn(QDate(2024, 3, 20)));
        addSchedule(van, Plan(QStringLiteral("Tyres")).dueAt(49000));
        addSchedule(van, Plan(QStringLiteral("Tyres")).dueAt(49000).inactive());

        QList<CServiceSchedule> reminders = CServiceSchedule::reminders();
        QCOMPARE(reminders.size(), 1);
        QCOMPARE(reminders.at(0).name(), QStringLiteral("Tyres"));
        QCOMPARE(reminders.at(0).vehicle().name(), QStringLiteral("Van"));

        Utility::Clock::setToday(QDate(2024, 3, 20));
        reminders = CServiceSchedule::reminders();
        QCOMPARE(reminders.size(), 2);
        QCOMPARE(reminders.at(0).vehicle().name(), QStringLiteral("Golf"));
        QVERIFY(reminders.at(0).isUpcoming());
        QVERIFY(reminders.at(1).isOverdue());

        QVERIFY(CTableVehicle::instance()->removeVehicle(van.id()));
        QCOMPARE(CServiceSchedule::reminders().size(), 1);
        QCOMPARE(CTableServiceSchedule::instance()->count(), 1);
    }
};

GARVO_TEST_GUILESS_MAIN(TestServiceScheduleCore)
#include "tst_serviceschedulecore.moc"
