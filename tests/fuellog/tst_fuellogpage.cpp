#include "../database/testdatabase.h"
#include "fueltestdata.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "database/fuellog.h"
#include "database/odometerlog.h"
#include "database/tablefuellog.h"
#include "database/vehicle.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuellogcontent.h"
#include "modules/vehicle/fuellog/fuellogdelegate.h"
#include "modules/vehicle/fuellog/fuellogtableview.h"
#include "modules/vehicle/fuellog/nofuellogcontent.h"
#include "modules/vehicle/odometerlog/editodometerentry.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "utility/prompt.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QSqlTableModel>
#include <QToolButton>

using Utility::Prompt;
using Column = CTableFuelLog::Column;

// The fuel list, its delegate, the fuel log page with its footers and the
// empty-state page.
class TestFuelLogPage : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    static CVehicle addVehicle(int fuelSystem)
    {
        return FuelTestData::addVehicle(fuelSystem, 1, 0, QStringLiteral("CNG H"));
    }

    static int addEntry(const CVehicle &vehicle, int fuelType, int odometer, double quantity = 20.0, int distance = 400)
    {
        return FuelTestData::addEntry(vehicle, fuelType, odometer, quantity, distance, quantity * 1.5);
    }

    static QStringList visibleHeaders(const CFuelLogTableView &view)
    {
        QStringList headers;
        QHeaderView *header = view.horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (!view.isColumnHidden(logical))
                headers.append(view.model()->headerData(logical, Qt::Horizontal).toString());
        }
        return headers;
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        resetCurrency();
        FuelTestData::setUnits(1, 1);
        Prompt::setScripted(true);
        Prompt::clearShown();
    }

    void cleanup()
    {
        delete db;
        db = nullptr;
        resetCurrency();
    }

    void listColumns_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::addColumn<QStringList>("headers");

        const QStringList common{QStringLiteral("Date"),
                                 QStringLiteral("Odometer (km)"),
                                 QStringLiteral("Distance (km)"),
                                 QStringLiteral("Quantity (litres)"),
                                 QStringLiteral("Cost ($ / litre)"),
                                 QStringLiteral("Litre / 100 km"),
                                 QStringLiteral("Total cost ($)")};
        QTest::newRow("one fuel: no fuel type column") << 1 << common;
        QTest::newRow("two fuels: fuel type first") << 2 << QStringList(QStringLiteral("Fuel Type")) + common;
    }

    void listColumns()
    {
        QFETCH(int, fuelSystem);
        QFETCH(QStringList, headers);

        const CVehicle vehicle = addVehicle(fuelSystem);
        addEntry(vehicle, 1, 1000);
        addEntry(vehicle, 1, 3000);
        addEntry(vehicle, 2, 2000);
        addEntry(addVehicle(1), 1, 9000);

        CFuelLogTableView view;
        view.setVehicle(vehicle);
        QCOMPARE(visibleHeaders(view), headers);
        // Highest odometer first, the first row current.
        QCOMPARE(view.model()->rowCount(), 3);
        QCOMPARE(view.model()->index(0, Column::Odometer).data().toInt(), 3000);
        QCOMPARE(view.model()->index(2, Column::Odometer).data().toInt(), 1000);
        QCOMPARE(view.currentIndex().row(), 0);
    }

    void columnWidthsAreKept()
    {
        {
            CFuelLogTableView view;
            view.setVehicle(addVehicle(2));
            view.horizontalHeader()->resizeSection(Column::Quantity, 123);
        }
        CConfiguration::instance()->setGroup(Config::Group::FuelLogColumns);
        QCOMPARE(CConfiguration::instance()->value(QStringLiteral("column7")).toInt(), 123);
        CFuelLogTableView view;
        QCOMPARE(view.columnWidth(Column::Quantity), 123);
    }

    void deleteAsksAndRemovesTheCurrentEntry()
    {
        const CVehicle vehicle = addVehicle(1);
        addEntry(vehicle, 1, 1000);
        const int top = addEntry(vehicle, 1, 2000);
        CFuelLogTableView view;
        view.setVehicle(vehicle);
        QSignalSpy deleted(CTableFuelLog::instance(), &CTable::deleted);

        Prompt::queueAnswer(QMessageBox::No);
        view.slotDelete();
        QCOMPARE(deleted.count(), 0);

        Prompt::queueAnswer(QMessageBox::Yes);
        view.slotDelete();
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.first().first().toInt(), top);
        QCOMPARE(view.model()->rowCount(), 1);
        QCOMPARE(Prompt::shown().back().title, QStringLiteral("Delete Fuel Entry"));
        QCOMPARE(Prompt::shown().back().text, QStringLiteral("Are you sure that you want to delete this Fuel Entry?"));

        view.setVehicle(addVehicle(1));
        Prompt::clearShown();
        view.slotDelete();
        view.slotEdit();
        QCOMPARE(int(Prompt::shown().size()), 2);
        QCOMPARE(Prompt::shown().front().text, QStringLiteral("Fuel entry not selected."));
    }

    void delegateTexts()
    {
        CFuelLogDelegate delegate;
        delegate.setVehicle(addVehicle(2));
        delegate.setDateFormat(QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(delegate.displayText(Column::Date, QStringLiteral("2024-02-03")), QStringLiteral("03.02.2024"));
        QCOMPARE(delegate.displayText(Column::FuelType, 1), QStringLiteral("Diesel"));
        QCOMPARE(delegate.displayText(Column::FuelType, 2), QStringLiteral("CNG H"));
        QCOMPARE(delegate.displayText(Column::FuelType, 0), QStringLiteral("unknown"));
    }

    void footers_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::newRow("one fuel") << 1;
        QTest::newRow("two fuels") << 2;
    }

    void footers()
    {
        QFETCH(int, fuelSystem);
        CVehicle vehicle = addVehicle(fuelSystem);
        addEntry(vehicle, 1, 1000, 26.0, 400);
        addEntry(vehicle, 2, 1500, 10.0, 100);

        CFuelLogContent page;
        page.setVehicle(&vehicle);
        QVERIFY(page.firstFooter()->isHidden());
        page.enter();
        QVERIFY(!page.firstFooter()->isHidden());
        QCOMPARE(page.firstFooter()->title(), QStringLiteral("Diesel: 6.5 Litre / 100 km"));
        QCOMPARE(page.firstFooter()->subtitle(),
                 QStringLiteral("1 entry | Distance: 400 km | Quantity: 26 Litre | Total Cost: $ 39.00"));
        QCOMPARE(page.secondFooter()->isHidden(), fuelSystem != 2);
        if (fuelSystem == 2)
            QCOMPARE(page.secondFooter()->title(), QStringLiteral("CNG H: 10 Litre / 100 km"));

        // A save elsewhere reaches the footer once control is back in the loop.
        addEntry(vehicle, 1, 2000, 26.0, 400);
        QTRY_COMPARE(page.firstFooter()->subtitle(),
                     QStringLiteral("2 entries | Distance: 800 km | Quantity: 52 Litre | Total Cost: $ 78.00"));
        QCOMPARE(page.tableView()->model()->rowCount(), 3);

        page.leave();
        QVERIFY(page.firstFooter()->isHidden());
        QVERIFY(page.secondFooter()->isHidden());
    }

    void deletingTheLastEntryLeavesNoStaleSummary()
    {
        CVehicle vehicle = addVehicle(1);
        const int id = addEntry(vehicle, 1, 1000);
        CFuelLogContent page;
        page.setVehicle(&vehicle);
        page.enter();
        QVERIFY(page.firstFooter()->subtitle().startsWith(QStringLiteral("1 entry")));

        QVERIFY(CTableFuelLog::instance()->remove(id));
        QTRY_COMPARE(page.firstFooter()->subtitle(), QStringLiteral("None entries"));
        QCOMPARE(page.tableView()->model()->rowCount(), 0);
    }

    void onTheVehiclePageTheLastDeletionShowsTheEmptyPage()
    {
        CVehicle vehicle = addVehicle(2);
        const int id = addEntry(vehicle, 2, 1000);
        CVehicleContentWidget content;
        content.setVehicle(&vehicle);
        content.changeContent(VehicleContentId::FuelLog);
        auto *page = qobject_cast<CFuelLogContent *>(content.page(VehicleContentId::FuelLog));
        QVERIFY(page);
        QVERIFY(qobject_cast<CNoFuelLogContent *>(content.page(VehicleContentId::NoFuelLog)));

        QVERIFY(CTableFuelLog::instance()->remove(id));
        QTRY_COMPARE(content.currentId(), int(VehicleContentId::NoFuelLog));
        QVERIFY(page->secondFooter()->isHidden());
        QCOMPARE(page->secondFooter()->subtitle(), QStringLiteral("None entries"));
    }

    void odometerListEditsFuelReadingsWithTheFuelDialog()
    {
        CFuelLogContent page;
        QVERIFY(bool(OdometerEntryEditors::editor(COdometerLog::FuelParent)));
    }

    void emptyPageOffersOneButtonPerFuel_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::newRow("no fuel system") << 0 << false << false;
        QTest::newRow("one fuel") << 1 << true << false;
        QTest::newRow("two fuels") << 2 << true << true;
    }

    void emptyPageOffersOneButtonPerFuel()
    {
        QFETCH(int, fuelSystem);
        QFETCH(bool, first);
        QFETCH(bool, second);
        CVehicle vehicle = addVehicle(fuelSystem);
        CNoFuelLogContent page;
        page.setVehicle(&vehicle);
        QCOMPARE(!page.firstFuelButton()->isHidden(), first);
        QCOMPARE(!page.secondFuelButton()->isHidden(), second);
        QCOMPARE(page.firstFuelButton()->text(), QStringLiteral("Add Diesel Entry"));
        QCOMPARE(page.secondFuelButton()->text(), QStringLiteral("Add CNG H Entry"));
    }
};

GARVO_TEST_MAIN(TestFuelLogPage)
#include "tst_fuellogpage.moc"
