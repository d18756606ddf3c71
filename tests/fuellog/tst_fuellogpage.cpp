#include "../database/testdatabase.h"
#include "fueltestdata.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "database/odometerlog.h"
#include "database/tablefuellog.h"
#include "modules/vehicle/fuellog/fuellogcontent.h"
#include "modules/vehicle/fuellog/fuellogdelegate.h"
#include "modules/vehicle/fuellog/fuellogtableview.h"
#include "modules/vehicle/fuellog/nofuellogcontent.h"
#include "modules/vehicle/odometerlog/editodometerentry.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "utility/prompt.h"

#include <QHeaderView>
#include <QSqlTableModel>
#include <QToolButton>

using namespace FuelTestData;
using Utility::Prompt;
using Column = CTableFuelLog::Column;

// The fuel list and the fuel log page with its footers.
class TestFuelLogPage : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void init()
    {
        db = new TestDatabase;
        prepare();
        Prompt::setScripted(true);
        Prompt::clearShown();
    }

    void cleanup()
    {
        delete db;
        resetCurrency();
    }

    void listColumns_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::addColumn<QStringList>("headers");

        const QStringList common{"Date", "Odometer (km)", "Distance (km)", "Quantity (litres)",
                                 "Cost ($ / litre)", "Litre / 100 km", "Total cost ($)"};
        QTest::newRow("one fuel: no fuel type column") << 1 << common;
        QTest::newRow("two fuels: fuel type first") << 2 << QStringList("Fuel Type") + common;
    }

    void listColumns()
    {
        QFETCH(int, fuelSystem);

        const CVehicle vehicle = addVehicle(fuelSystem);
        for (int odometer : {1000, 3000, 2000})
            addEntry(vehicle, 1, odometer);
        addEntry(addVehicle(1), 1, 9000);

        CFuelLogTableView view;
        view.setVehicle(vehicle);
        QStringList shown;
        for (int visual = 0; visual < view.horizontalHeader()->count(); ++visual) {
            const int logical = view.horizontalHeader()->logicalIndex(visual);
            if (!view.isColumnHidden(logical))
                shown.append(view.model()->headerData(logical, Qt::Horizontal).toString());
        }
        QTEST(shown, "headers");
        // Highest odometer first, the first row current.
        QCOMPARE(view.model()->rowCount(), 3);
        QCOMPARE(view.model()->index(0, Column::Odometer).data().toInt(), 3000);
        QCOMPARE(view.currentId(), view.model()->index(0, Column::Id).data().toInt());
    }

    void footers_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::newRow("one fuel: first footer only") << 1;
        QTest::newRow("two fuels: both footers") << 2;
    }

    void footers()
    {
        QFETCH(int, fuelSystem);
        CVehicle vehicle = addVehicle(fuelSystem);
        addEntry(vehicle, 1, 1000, 26.0, 400, 39.0);
        addEntry(vehicle, 2, 1500, 10.0, 100);

        CFuelLogContent page;
        page.setVehicle(&vehicle);
        QVERIFY(page.firstFooter()->isHidden());
        page.show();
        page.enter();
        QCOMPARE(page.firstFooter()->title(), QStringLiteral("Diesel: 6.50 Litre / 100 km"));
        QCOMPARE(page.firstFooter()->subtitle(),
                 QStringLiteral("1 entry | Distance: 400 km | Quantity: 26 Litres | Total Cost: $ 39.00"));
        QVERIFY(!page.firstFooter()->isHidden());
        QCOMPARE(page.secondFooter()->isHidden(), fuelSystem != 2);

        // A save elsewhere reaches the list and the footer.
        addEntry(vehicle, 1, 2000, 26.0, 400, 39.0);
        QTRY_COMPARE(page.firstFooter()->subtitle(),
                     QStringLiteral("2 entries | Distance: 800 km | Quantity: 52 Litres | Total Cost: $ 78.00"));
        QCOMPARE(page.tableView()->model()->rowCount(), 3);

        page.leave();
        QVERIFY(page.firstFooter()->isHidden());
        QVERIFY(page.secondFooter()->isHidden());
    }

    void deletingTheLastEntryShowsTheEmptyPage()
    {
        CVehicle vehicle = addVehicle(2);
        const int id = addEntry(vehicle, 2, 1000);
        CVehicleContentWidget content;
        content.setVehicle(&vehicle);
        content.changeContent(VehicleContentId::FuelLog);
        auto *page = qobject_cast<CFuelLogContent *>(content.page(VehicleContentId::FuelLog));
        QVERIFY(page->secondFooter()->subtitle().startsWith(QStringLiteral("1 entry")));
        // Readings of fuel entries open the fuel dialog from the odometer list.
        QVERIFY(bool(OdometerEntryEditors::editor(COdometerLog::FuelParent)));

        QVERIFY(CTableFuelLog::instance()->remove(id));
        QTRY_COMPARE(content.currentId(), int(VehicleContentId::NoFuelLog));
        QVERIFY(page->secondFooter()->isHidden());
        QCOMPARE(page->secondFooter()->subtitle(), QStringLiteral("None entries"));
    }

    void listCellTexts()
    {
        CFuelLogDelegate delegate;
        delegate.setVehicle(addVehicle(2));
        delegate.setDateFormat(QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(delegate.cellText(Column::Date, QStringLiteral("2024-06-15")), QStringLiteral("15.06.2024"));
        QCOMPARE(delegate.cellText(Column::Date, QStringLiteral("garbage")), QString());
        QCOMPARE(delegate.cellText(Column::FuelType, 2), QStringLiteral("LPG"));
        QCOMPARE(delegate.cellText(Column::FuelType, 7), QStringLiteral("unknown"));
    }

    // Regression: an "&" in a fuel name was read as a mnemonic on these buttons.
    void emptyPageButtonsShowTheFuelNamesAsTyped()
    {
        CVehicle vehicle = addVehicle(2);
        vehicle.setAutoSave(false);
        vehicle.setFuelNameFirst(QStringLiteral("Gas & Oil"));
        CNoFuelLogContent page;
        page.setVehicle(&vehicle);
        QCOMPARE(page.firstFuelButton()->text(), QStringLiteral("Add Gas && Oil Entry"));
        QCOMPARE(page.secondFuelButton()->text(), QStringLiteral("Add LPG Entry"));
    }
};

GARVO_TEST_MAIN(TestFuelLogPage)
#include "tst_fuellogpage.moc"
