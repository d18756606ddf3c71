#include "../database/testdatabase.h"
#include "../fuellog/fueltestdata.h"
#include "testsupport.h"
#include "vehiclefixtures.h"

#include "application/headerwidget.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "modules/vehicle/fuellog/fuellogcontent.h"
#include "modules/vehicle/fuellog/fuellogtableview.h"
#include "modules/vehicle/odometerlog/odometerlogtableview.h"
#include "application/footerinfowidget.h"
#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehicledetailswidget.h"
#include "modules/vehicle/vehicleinfocontent.h"
#include "modules/vehicle/vehicleinfowidget.h"
#include "modules/vehicle/vehiclemodule.h"
#include "modules/vehicle/vehiclesidebarwidget.h"
#include "utility/clock.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QFile>
#include <QLabel>
#include <QToolButton>

namespace {

// A page that counts its refreshes of the fuel table.
class FuelPage : public CVehicleContent
{
public:
    FuelPage() { watchTable(CTableFuelLog::instance()); }
    int refreshes = 0;

protected:
    void refresh() override { ++refreshes; }
};

QString applicationStyleSheet()
{
    QFile file(QStringLiteral(":/resource/stylesheet/application-stylesheet.css"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestVehiclePage : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int addRow(CTable *table, int vehicleId) { return table->insert({vehicleId}, {table->column(1)}); }

private slots:
    void init()
    {
        db = new TestDatabase;
        Fixtures::addVehicleTypes();
    }

    void cleanup()
    {
        Utility::Clock::reset();
        delete db;
        db = nullptr;
    }

    void fuelEntriesFollowFuelSystem_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("firstShown");
        QTest::addColumn<bool>("secondShown");

        QTest::newRow("no fuel system") << 0 << "Diesel" << "LPG" << false << false;
        QTest::newRow("one fuel") << 1 << "Diesel" << "LPG" << true << false;
        QTest::newRow("two fuels") << 2 << "Gasoline" << "LPG" << true << true;
        QTest::newRow("ampersand in a typed name") << 2 << "Gas&Oil" << "CNG H" << true << true;
        QTest::newRow("unknown fuel system") << 7 << "Diesel" << "LPG" << false << false;
    }

    // Fuel buttons, the fuel sidebar entries and the fuel system rows appear
    // only for the fuels the vehicle has.
    void fuelEntriesFollowFuelSystem()
    {
        QFETCH(int, fuelSystem);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, firstShown);
        QFETCH(bool, secondShown);

        CVehicleModule module;
        // A two-fuel vehicle first, so that every state is a change.
        module.setVehicle(CVehicle(Fixtures::addVehicle(QStringLiteral("Before"), 2, QStringLiteral("A"),
                                                        QStringLiteral("B"))));
        module.setVehicle(CVehicle(Fixtures::addVehicle(QStringLiteral("Golf"), fuelSystem, first, second)));
        QCOMPARE(!module.fuelSeparator()->isHidden(), firstShown);
        QCOMPARE(!module.newFuelOneButton()->isHidden(), firstShown);
        QCOMPARE(!module.newFuelTwoButton()->isHidden(), secondShown);
        QVERIFY(!module.newScheduleButton()->isHidden());
        if (firstShown) {
            // "&" would otherwise underline the next letter and vanish.
            QString name = first;
            QCOMPARE(module.newFuelOneButton()->text(), QStringLiteral("New\n%1 Log").arg(name.replace("&", "&&")));
        }
        if (secondShown)
            QCOMPARE(module.newFuelTwoButton()->text(), QStringLiteral("New\n%1 Log").arg(second));

        const bool hasFuel = fuelSystem != 0;
        QCOMPARE(!module.sidebar()->fuelLogButton()->isHidden(), hasFuel);
        QCOMPARE(!module.sidebar()->fuelReportButton()->isHidden(), hasFuel);
        QCOMPARE(!module.sidebar()->infoWidget()->fuelSystemLabel()->isHidden(), hasFuel);
        QVERIFY(!module.sidebar()->schedulesButton()->isHidden());
        QVERIFY(module.sidebar()->imagesButton()->isHidden());

        module.enterModule();
        auto *info = qobject_cast<CVehicleInfoContent *>(module.contentWidget()->page(VehicleContentId::Info));
        QVERIFY(info);
        QCOMPARE(!info->detailsWidget()->fuelSystemLabel()->isHidden(), hasFuel);
    }

    void sidebarChoosesFullOrEmptyPage_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("fullId");
        QTest::addColumn<int>("emptyId");

        QTest::newRow("fuel log") << "fuellog" << int(VehicleContentId::FuelLog) << int(VehicleContentId::NoFuelLog);
        QTest::newRow("services") << "service_session" << int(VehicleContentId::Services)
                                  << int(VehicleContentId::NoServices);
        QTest::newRow("service schedules") << "service_schedule" << int(VehicleContentId::ServiceSchedules)
                                           << int(VehicleContentId::NoServiceSchedules);
        QTest::newRow("notes") << "note" << int(VehicleContentId::Notes) << int(VehicleContentId::NoNotes);
        QTest::newRow("expenses") << "expense" << int(VehicleContentId::Expenses) << int(VehicleContentId::NoExpenses);
    }

    // Records of another vehicle do not count.
    void sidebarChoosesFullOrEmptyPage()
    {
        QFETCH(QString, table);
        QFETCH(int, emptyId);

        const QMap<QString, QPair<CTable *, void (CVehicleSidebarWidget::*)()>> entries = {
            {"fuellog", {CTableFuelLog::instance(), &CVehicleSidebarWidget::slotShowFuelLogModule}},
            {"service_session", {CTableSession::instance(), &CVehicleSidebarWidget::slotShowServiceLogModule}},
            {"service_schedule",
             {CTableServiceSchedule::instance(), &CVehicleSidebarWidget::slotShowServiceScheduleModule}},
            {"note", {CTableNote::instance(), &CVehicleSidebarWidget::slotShowNoteModule}},
            {"expense", {CTableExpense::instance(), &CVehicleSidebarWidget::slotShowExpenseModule}},
        };
        CTable *records = entries.value(table).first;
        const auto show = entries.value(table).second;
        QVERIFY(records);

        CVehicle vehicle(Fixtures::addVehicle(QStringLiteral("Golf")));
        const int otherId = Fixtures::addVehicle(QStringLiteral("Other"));
        CVehicleSidebarWidget sidebar;
        sidebar.setVehicle(&vehicle);
        QSignalSpy spy(&sidebar, &CVehicleSidebarWidget::changeContent);

        (sidebar.*show)();
        addRow(records, otherId);
        (sidebar.*show)();
        addRow(records, vehicle.id());
        (sidebar.*show)();
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toInt(), emptyId);
        QCOMPARE(spy.at(1).at(0).toInt(), emptyId);
        QTEST(spy.at(2).at(0).toInt(), "fullId");
    }

    void contentIdsOutsideTheRange_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("leaving the vehicle page") << -1;
        QTest::newRow("negative") << -7;
        QTest::newRow("one past the last page") << 13;
        QTest::newRow("far beyond") << 1000;
    }

    // Such an id only makes the visible page leave; a later switch works.
    void contentIdsOutsideTheRange()
    {
        QFETCH(int, id);
        CVehicleContentWidget content;
        QCOMPARE(content.count(), 13);
        content.changeContent(VehicleContentId::Services);
        CVehicleContent *services = content.page(VehicleContentId::Services);
        QVERIFY(services->isCurrent());

        content.changeContent(id);
        QVERIFY(!services->isCurrent());
        QCOMPARE(content.activePage(), nullptr);
        QCOMPARE(content.currentId(), int(VehicleContentId::Services));

        content.changeContent(VehicleContentId::Notes);
        QCOMPARE(content.currentId(), int(VehicleContentId::Notes));
        QVERIFY(content.page(VehicleContentId::Notes)->isCurrent());
    }

    void expiryColour_data()
    {
        QTest::addColumn<int>("daysLeft");
        QTest::addColumn<QString>("look");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QColor>("colour");

        const QColor black(QStringLiteral("#000000"));
        const QColor orange(QStringLiteral("#F88017"));
        const QColor red(QStringLiteral("#FF0000"));
        QTest::newRow("31 days left") << 31 << "QLabel" << "" << black;
        QTest::newRow("30 days left") << 30 << "darkOrangeLabel" << " - Expiring" << orange;
        QTest::newRow("1 day left") << 1 << "darkOrangeLabel" << " - Expiring" << orange;
        QTest::newRow("expires today") << 0 << "redLabel" << " - EXPIRED" << red;
        QTest::newRow("expired last year") << -365 << "redLabel" << " - EXPIRED" << red;
    }

    // The registration label takes its colour from the application style
    // sheet, by the days left from the clock's today.
    void expiryColour()
    {
        QFETCH(int, daysLeft);
        QFETCH(QString, look);
        QFETCH(QString, suffix);

        const QDate today(2024, 3, 31);
        Utility::Clock::setToday(today);
        CVehicle vehicle(Fixtures::addVehicle(QStringLiteral("Golf")));
        vehicle.setRegistrationExpirationDate(today.addDays(daysLeft));

        QWidget window;
        window.setStyleSheet(applicationStyleSheet());
        auto *details = new CVehicleDetailsWidget(&window);
        // A look from an earlier vehicle must not stick.
        CVehicle other = vehicle;
        other.setRegistrationExpirationDate(today.addDays(daysLeft > 30 ? 0 : 400));
        details->setVehicle(other);
        details->setVehicle(vehicle);
        window.show();

        QLabel *label = details->expiryLabel();
        QCOMPARE(label->objectName(), look);
        QCOMPARE(label->text(), today.addDays(daysLeft).toString(Utility::dateFormat()) + suffix);
        QTEST(label->palette().color(QPalette::WindowText), "colour");
    }

    // Vehicle texts are shown as typed, never read as markup.
    void userTextIsNotMarkup()
    {
        CVehicle vehicle(Fixtures::addVehicle(QStringLiteral("<b>Bold</b> & Co")));
        CVehicleModule module;
        module.setVehicle(vehicle);
        module.enterModule();
        const QList<QLabel *> labels = module.findChildren<QLabel *>();
        const auto showing = [&labels](const QString &text) {
            return std::count_if(labels.begin(), labels.end(), [&text](const QLabel *label) {
                return label->text() == text && label->textFormat() == Qt::PlainText;
            });
        };
        QCOMPARE(showing(vehicle.name()), 3); // header title, details, sidebar box
        QCOMPARE(showing(QStringLiteral("Garage > <b>Bold</b> & Co > Info")), 1);
    }

    // A vehicle's cascade deletes hundreds of rows; a page reloads once,
    // and a page nobody looks at only when it is entered.
    void tableSignalsCoalesceIntoOneRefresh()
    {
        const int id = Fixtures::addVehicle(QStringLiteral("Golf"));
        {
            CTransaction transaction;
            for (int i = 0; i < 300; ++i)
                addRow(CTableFuelLog::instance(), id);
            QVERIFY(transaction.commit());
        }
        QCoreApplication::processEvents();

        FuelPage visible;
        FuelPage hidden;
        visible.enter();
        QSignalSpy deleted(CTableFuelLog::instance(), &CTable::deleted);
        QVERIFY(CTableVehicle::instance()->remove(id));
        QCOMPARE(deleted.count(), 300);
        QCOMPARE(visible.refreshes, 0);

        QCoreApplication::processEvents();
        QCOMPARE(visible.refreshes, 1);
        QCOMPARE(hidden.refreshes, 0);
        hidden.enter();
        QCOMPARE(hidden.refreshes, 1);
        hidden.leave();
        hidden.enter();
        QCOMPARE(hidden.refreshes, 1);
    }

    // Every page used to write the header on retranslation, so the last page
    // built named itself in the subtitle whatever page was shown.
    void headerSubtitleNamesTheVisiblePage()
    {
        CVehicleModule module;
        module.setVehicle(CVehicle(Fixtures::addVehicle(QStringLiteral("Golf"))));
        module.enterModule();
        QCOMPARE(module.header()->title(), QStringLiteral("Golf"));
        QCOMPARE(module.header()->subtitle(), QStringLiteral("Garage > Golf > Info"));
        module.sidebar()->notesButton()->click();
        QCOMPARE(module.header()->subtitle(), QStringLiteral("Garage > Golf > Notes"));
        module.retranslate();
        QCOMPARE(module.header()->subtitle(), QStringLiteral("Garage > Golf > Notes"));
    }

    // Leaving, by "Back to Garage" or by another module, ends the page's
    // turn once; entering starts on the info page.
    void leavingTheModuleLeavesThePage()
    {
        CVehicleModule module;
        module.setVehicle(CVehicle(Fixtures::addVehicle(QStringLiteral("Golf"))));
        module.enterModule();
        module.sidebar()->costReportButton()->click();
        CVehicleContent *report = module.contentWidget()->page(VehicleContentId::CostReport);
        QVERIFY(report->isCurrent());
        QSignalSpy spy(module.sidebar(), &CVehicleSidebarWidget::changeContent);
        module.sidebar()->backButton()->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), -1);
        QVERIFY(!report->isCurrent());

        module.enterModule();
        module.sidebar()->costReportButton()->click();
        module.leaveModule();
        QVERIFY(!report->isCurrent());
        module.enterModule();
        QCOMPARE(module.contentWidget()->currentId(), int(VehicleContentId::Info));
    }

    // A fuel entry saved from the vehicle page (the dialog's save, then the
    // switch to the fuel page) reloads the page in view once; the vehicle's
    // raised odometer is shown without reloading a history, and the hidden
    // info page waits until it is entered.
    void saveRefreshesTheVisiblePageOnce()
    {
        const int id = Fixtures::addVehicle(QStringLiteral("Golf"), 1, QStringLiteral("Diesel"));
        CVehicleModule module;
        module.setVehicle(CVehicle(id));
        module.show();
        module.enterModule();
        const auto save = [&module](int odometer) {
            QVERIFY(FuelTestData::addEntry(module.vehicle(), 1, odometer) != 0);
            module.contentWidget()->changeContent(VehicleContentId::FuelLog);
        };
        save(49000);
        QCoreApplication::processEvents();
        auto *fuel = qobject_cast<CFuelLogContent *>(module.contentWidget()->page(VehicleContentId::FuelLog));
        auto *info = qobject_cast<CVehicleInfoContent *>(module.contentWidget()->page(VehicleContentId::Info));
        QVERIFY(fuel && fuel->isCurrent() && info);

        QSignalSpy fuelLoads(fuel->tableView()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy odometerLoads(info->odometerLog()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy modules(&module, &CModule::activate);
        save(60000);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(fuelLoads.count(), 1);
        QCOMPARE(odometerLoads.count(), 0);
        QCOMPARE(modules.count(), 0);
        QCOMPARE(fuel->tableView()->model()->rowCount(), 2);
        QVERIFY(fuel->firstFooter()->subtitle().startsWith(QStringLiteral("2 entries")));
        QCOMPARE(module.sidebar()->infoWidget()->odometerLabel()->text(), QStringLiteral("60000 km"));

        module.sidebar()->infoButton()->click();
        QCOMPARE(odometerLoads.count(), 1);
        QCOMPARE(info->odometerLog()->model()->rowCount(), 2);
        QCOMPARE(fuelLoads.count(), 1);
    }
};

GARVO_TEST_MAIN(TestVehiclePage)
#include "tst_vehiclepage.moc"
