#include "../vehiclepage/vehiclefixtures.h"
#include "scheduletestdata.h"
#include "testsupport.h"

#include "application/appmw.h"
#include "application/modulecontainer.h"
#include "database/database.h"
#include "database/tableserviceschedule.h"
#include "modules/vehicle/serviceschedule/serviceschedulecontent.h"
#include "modules/vehicle/serviceschedule/servicescheduledelegate.h"
#include "modules/vehicle/serviceschedule/servicescheduletableview.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehiclemodule.h"
#include "modules/vehicle/vehiclesidebarwidget.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QAction>
#include <QSqlQueryModel>
#include <QToolButton>

using namespace ScheduleTestData;
using Column = CTableServiceSchedule::Column;

// The schedule pages on the vehicle page: the list's texts and colours, the
// footer after every change, mark as done, and the ways in.
class TestServiceSchedulePage : public QObject
{
    Q_OBJECT

private:
    CAppMW *window = nullptr;
    CVehicleModule *module = nullptr;
    int golfId = 0;

    CServiceScheduleContent *page() const
    {
        return qobject_cast<CServiceScheduleContent *>(
            module->contentWidget()->page(VehicleContentId::ServiceSchedules));
    }

    // Row texts of the list, each with its colour name ("" for the normal one).
    QStringList rows() const
    {
        CServiceScheduleTableView *view = page()->scheduleView();
        auto *delegate = view->scheduleDelegate();
        QStringList texts;
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            QStringList cells;
            for (int column : {Column::Name, Column::LastCheckDate, Column::DueType, Column::ReminderType,
                               Column::RepeatType, Column::Status})
                cells << delegate->rowText(view->model()->index(row, column));
            const QColor colour = delegate->textColor(view->model()->index(row, Column::Name));
            cells << (colour == Qt::gray ? QStringLiteral("gray")
                      : !colour.isValid() ? QString()
                      : colour.red() > colour.blue() ? QStringLiteral("red") : QStringLiteral("blue"));
            texts << cells.join(QLatin1Char('|'));
        }
        return texts;
    }

private slots:
    void init()
    {
        Utility::Prompt::setScripted(true);
        Utility::Clock::setToday(QDate(2024, 3, 15));
        window = new CAppMW;
        module = qobject_cast<CVehicleModule *>(window->moduleContainer()->moduleById(ModuleId::Vehicle));
        QVERIFY(module);
        golfId = Fixtures::addVehicle(QStringLiteral("Golf"));
    }

    void cleanup()
    {
        window->slotAppClose();
        delete window;
        window = nullptr;
        QFile::remove(CDatabase::defaultPath());
        Utility::Prompt::clearShown();
        Utility::Clock::reset();
    }

    // Odometer 48200, today 2024-03-15.
    void listShowsTextsAndColoursFromItsRows()
    {
        const CVehicle golf(golfId);
        addSchedule(golf, Plan(QStringLiteral("Oil")).dueAt(58200).remindAt(57200).repeatEvery(10000));
        addSchedule(golf, Plan(QStringLiteral("Inspection")).dueOn(QDate(2024, 2, 1)));
        addSchedule(golf, Plan(QStringLiteral("Tyres"))
                              .dueOn(QDate(2024, 4, 1))
                              .remindOn(QDate(2024, 3, 1))
                              .repeatEvery(CRepeatPeriod(6, CRepeatPeriod::Month)));
        addSchedule(golf, Plan(QStringLiteral("Belt")).dueOn(QDate(2024, 2, 1)).inactive());

        QVERIFY(openVehicle(golfId));
        module->sidebar()->schedulesButton()->click();
        QCOMPARE(module->contentWidget()->currentId(), int(VehicleContentId::ServiceSchedules));
        const QStringList expected{
            "Belt|None|February 01 2024|Not set|Not set|Inactive|gray",
            "Tyres|None|April 01 2024|1 month before due|Every 6 months|Active|blue",
            "Inspection|None|February 01 2024|Not set|Not set|Active|red",
            "Oil|None|58200 km|1000 km before due|Every 10000 km|Active|",
        };
        QCOMPARE(rows(), expected);
        QCOMPARE(page()->footer()->title(), QStringLiteral("3 Active Service Schedules"));
        QCOMPARE(page()->footer()->subtitle(), QStringLiteral("Upcoming: 1 | Overdue: 1 | Inactive: 1"));

        // Driving on reaches the oil reminder.
        CVehicle(golfId).setOdometerValue(57200);
        QTRY_COMPARE(rows().last(), QStringLiteral("Oil|None|58200 km|1000 km before due|Every 10000 km|Active|blue"));
        QTRY_COMPARE(page()->footer()->subtitle(), QStringLiteral("Upcoming: 2 | Overdue: 1 | Inactive: 1"));
    }

    void markAsDoneMovesARepeatingScheduleForward()
    {
        addSchedule(CVehicle(golfId), Plan(QStringLiteral("Tyres"))
                                          .dueOn(QDate(2024, 3, 1))
                                          .repeatEvery(CRepeatPeriod(6, CRepeatPeriod::Month)));
        QVERIFY(openVehicle(golfId));
        module->sidebar()->schedulesButton()->click();
        QCOMPARE(page()->footer()->subtitle(), QStringLiteral("Overdue: 1"));

        page()->scheduleView()->markDoneAction()->trigger();
        QTRY_COMPARE(rows(), QStringList{"Tyres|March 15 2024 | 48200 km|September 15 2024|Not set|Every 6 months|Active|"});
        QTRY_COMPARE(page()->footer()->subtitle(), QString());
    }

    // The footer is rebuilt after deletions too; the last one turns to the
    // empty page.
    void footerFollowsDeletions()
    {
        const int activeId = addSchedule(CVehicle(golfId), Plan().dueOn(QDate(2024, 1, 1))).id();
        const int endedId =
            addSchedule(CVehicle(golfId), Plan(QStringLiteral("Belt")).dueOn(QDate(2024, 1, 1)).inactive()).id();
        QVERIFY(openVehicle(golfId));
        module->sidebar()->schedulesButton()->click();
        QCOMPARE(page()->footer()->title(), QStringLiteral("1 Active Service Schedule"));

        CServiceScheduleTableView *view = page()->scheduleView();
        QVERIFY(view->selectId(activeId));
        Utility::Prompt::queueAnswer(QMessageBox::Yes);
        view->slotDelete();
        QTRY_COMPARE(page()->footer()->title(), QStringLiteral("No Active Service Shedules"));
        QCOMPARE(page()->footer()->subtitle(), QStringLiteral("Inactive: 1"));

        QVERIFY(view->selectId(endedId));
        Utility::Prompt::queueAnswer(QMessageBox::Yes);
        view->slotDelete();
        QTRY_COMPARE(module->contentWidget()->currentId(), int(VehicleContentId::NoServiceSchedules));
        QVERIFY(page()->footer()->isHidden());
    }
};

GARVO_TEST_MAIN(TestServiceSchedulePage)
#include "tst_serviceschedulepage.moc"
