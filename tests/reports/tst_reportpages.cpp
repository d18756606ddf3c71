#include "../database/testdatabase.h"
#include "reportdata.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "modules/options/units.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehicledetails/vehiclereport/customperiodfilterdialog.h"
#include "modules/vehicle/vehicledetails/vehiclereport/periodfiltercombobox.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclecostreportcontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpenseschart.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpensestable.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelchart.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelreportcontent.h"
#include "reports/vehicleexpensecalculator.h"
#include "utility/clock.h"
#include "widgets/separatorwidget.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

using namespace ReportData;

namespace {

// A settings prefix of the running test function's own.
QString prefix()
{
    return QStringLiteral("test") + QLatin1String(QTest::currentTestFunction());
}

QVariant saved(const char *field)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Reports);
    return config->value(prefix() + QLatin1String(field));
}

void save(const char *field, const QVariant &value)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Reports);
    config->setValue(prefix() + QLatin1String(field), value);
}

// Chooses an item as the user does.
void choose(CPeriodFilterComboBox &filter, int index)
{
    filter.setCurrentIndex(index);
    emit filter.activated(index);
}

// Runs `answer` on the custom period dialog once it is shown.
void onCustomDialog(const std::function<void(CCustomPeriodFilterDialog *)> &answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<CCustomPeriodFilterDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

} // namespace

// The period list with its dialog, and the cost and fuel report pages.
class TestReportPages : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        db = new TestDatabase;
        FuelTestData::prepare();
        Utility::Clock::setToday({2025, 3, 31});
    }

    void cleanup()
    {
        delete db;
        resetCurrency();
        Utility::Clock::reset();
    }

    void periodListRemembersTheChoice()
    {
        {
            CPeriodFilterComboBox filter(nullptr, prefix());
            QCOMPARE(filter.currentText(), QStringLiteral("Last Six Months"));
            QCOMPARE(filter.startDate(), QDate(2024, 9, 1));
            QCOMPARE(filter.endDate(), QDate(2025, 2, 28));
            QSignalSpy selected(&filter, &CPeriodFilterComboBox::filterSelected);
            choose(filter, CPeriodFilterComboBox::LastMonthItem);
            QCOMPARE(selected.count(), 1);
            QCOMPARE(selected.first().at(0).toDate(), QDate(2025, 2, 1));
            QCOMPARE(selected.first().at(1).toDate(), QDate(2025, 2, 28));
        }
        QCOMPARE(saved("PeriodType").toInt(), 1);
        QCOMPARE(saved("StartDate").toString(), QStringLiteral("2025-02-01"));
        QCOMPARE(saved("EndDate").toString(), QStringLiteral("2025-02-28"));

        // Restored the next day (a new month), the period follows today.
        Utility::Clock::setToday({2025, 4, 1});
        CPeriodFilterComboBox filter(nullptr, prefix());
        QCOMPARE(filter.currentIndex(), int(CPeriodFilterComboBox::LastMonthItem));
        QCOMPARE(filter.startDate(), QDate(2025, 3, 1));
        QCOMPARE(filter.endDate(), QDate(2025, 3, 31));
    }

    void customPeriod()
    {
        CPeriodFilterComboBox filter(nullptr, prefix());
        filter.setAlignToWeeks(true);
        QSignalSpy selected(&filter, &CPeriodFilterComboBox::filterSelected);

        // Cancel keeps the period, yet tells and saves the choice.
        onCustomDialog([](CCustomPeriodFilterDialog *dialog) { dialog->reject(); });
        choose(filter, CPeriodFilterComboBox::CustomItem);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(filter.startDate(), QDate(2024, 9, 1));
        QCOMPARE(saved("PeriodType").toInt(), 8);
        QCOMPARE(saved("StartDate").toString(), QStringLiteral("2024-09-01"));

        // An end before the start is refused; a 60-day period is widened.
        onCustomDialog([](CCustomPeriodFilterDialog *dialog) {
            QCOMPARE(dialog->startDate(), QDate(2024, 9, 1));
            dialog->endEdit()->setDate({2024, 8, 31});
            QPushButton *ok = dialog->buttonBox()->button(QDialogButtonBox::Ok);
            QVERIFY(!ok->isEnabled());
            dialog->slotSave();
            QVERIFY(dialog->isVisible());
            // Wednesday 1 January to Sunday 2 March.
            dialog->startEdit()->setDate({2025, 1, 1});
            dialog->endEdit()->setDate({2025, 3, 2});
            QVERIFY(ok->isEnabled());
            ok->click();
        });
        choose(filter, CPeriodFilterComboBox::CustomItem);
        QCOMPARE(selected.count(), 2);
        QCOMPARE(filter.startDate(), QDate(2024, 12, 30));
        QCOMPARE(filter.endDate(), QDate(2025, 3, 2));

        // A custom choice comes back with its dates, not recomputed.
        Utility::Clock::setToday({2026, 1, 1});
        CPeriodFilterComboBox restored(nullptr, prefix());
        QCOMPARE(restored.currentIndex(), int(CPeriodFilterComboBox::CustomItem));
        QCOMPARE(restored.startDate(), QDate(2024, 12, 30));
        QCOMPARE(restored.endDate(), QDate(2025, 3, 2));
    }

    void damagedSettingsAreReadAsDefaults()
    {
        save("PeriodType", 7); // the separator
        CPeriodFilterComboBox separator(nullptr, prefix());
        QCOMPARE(separator.currentIndex(), int(CPeriodFilterComboBox::LastSixMonthsItem));

        save("PeriodType", 8);
        save("StartDate", QStringLiteral("31/12/2024"));
        save("EndDate", QStringLiteral("2025-01-15"));
        CPeriodFilterComboBox custom(nullptr, prefix());
        QCOMPARE(custom.startDate(), QDate(2024, 9, 30));
        QCOMPARE(custom.endDate(), QDate(2025, 1, 15));
    }

    void costReportPage()
    {
        CVehicle car = addVehicle(1);
        CVehicleContentWidget pages;
        auto *page = qobject_cast<CVehicleCostReportContent *>(pages.page(VehicleContentId::CostReport));
        QVERIFY(page);
        pages.setVehicle(&car);

        // Last six months: September to February, by month.
        addExpense(car, {2024, 9, 3}, 2.125);
        addExpense(car, {2024, 10, 3}, 2.124);
        addService(car, {2025, 2, 28}, 60.0);
        addFuel(car, {2025, 2, 1}, 40.0);
        addFuel(car, {2025, 3, 1}, 500.0);
        addReading(car, {2024, 9, 1}, 1000);
        addReading(car, {2025, 2, 28}, 2000);
        pages.changeContent(VehicleContentId::CostReport);

        CVehicleExpensesTable *table = page->table();
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->item(0, CVehicleExpensesTable::PeriodColumn)->text(), QStringLiteral("September 2024."));
        QCOMPARE(table->item(0, CVehicleExpensesTable::OtherColumn)->text(), QStringLiteral("2.13"));
        QCOMPARE(table->item(1, CVehicleExpensesTable::OtherColumn)->text(), QStringLiteral("2.12"));
        QCOMPARE(table->item(1, CVehicleExpensesTable::FuelColumn)->text(), QStringLiteral("0.00"));
        QCOMPARE(table->item(5, CVehicleExpensesTable::TotalColumn)->text(), QStringLiteral("100.00"));
        // The tallest bar is 100: the value axis runs to 105.
        QCOMPARE(page->chart()->yAxis->range().upper, 105.0);
        QCOMPARE(page->chart()->yAxis->label(), QStringLiteral("$"));
        // Bars only where there is a cost: no outline drawn at 0.
        QCOMPARE(page->chart()->fuelBars()->data()->size(), 1);
        QCOMPARE(page->chart()->otherBars()->data()->size(), 2);
        QCOMPARE(page->footer()->title(), QStringLiteral("Total cost: $ 104.25"));
        QCOMPARE(page->distanceFooter()->title(), QStringLiteral("Cost per km: $ 0.10"));
        QCOMPARE(page->distanceFooter()->subtitle(), QStringLiteral("Total cost of ownership: $ 604.25"));
        QVERIFY(page->footer()->isVisibleTo(page));
        QCOMPARE(page->titleLabel()->text(), QStringLiteral("September 01 2024 - February 28 2025"));

        // A new cost refreshes the open page once control is back.
        addExpense(car, {2025, 2, 10}, 10.0);
        QTRY_COMPARE(page->footer()->title(), QStringLiteral("Total cost: $ 114.25"));

        // Last three months by week, from a Monday; restored the same way.
        choose(*page->periodFilter(), CPeriodFilterComboBox::LastThreeMonthsItem);
        QCOMPARE(page->startDate(), QDate(2024, 11, 25));
        QCOMPARE(page->calculator()->grouping(), int(CVehicleExpenseCalculator::Week));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("25 Nov - 1 Dec | 48 week"));
        CVehicleCostReportContent reopened;
        QCOMPARE(reopened.startDate(), QDate(2024, 11, 25));
        QCOMPARE(reopened.endDate(), QDate(2025, 3, 2));

        pages.changeContent(VehicleContentId::Info);
        QVERIFY(!page->footer()->isVisibleTo(page));
        QVERIFY(!page->distanceFooter()->isVisibleTo(page));
    }

    void fuelReportPage_data()
    {
        QTest::addColumn<int>("fuelSystem");
        QTest::newRow("one fuel") << 1;
        QTest::newRow("two fuels") << 2;
    }

    void fuelReportPage()
    {
        QFETCH(int, fuelSystem);
        const bool dual = fuelSystem == 2;
        CVehicle car = addVehicle(fuelSystem);
        addFuel(car, {2024, 12, 20}, 50.0, 900, 7.0, 1);
        addFuel(car, {2025, 1, 10}, 50.0, 1000, 6.0, 1);
        addFuel(car, {2025, 2, 10}, 50.0, 1500, 5.0, 2);
        addFuel(car, {2025, 4, 10}, 50.0, 2000, 8.0, 1);

        CVehicleContentWidget pages;
        auto *page = qobject_cast<CVehicleFuelReportContent *>(pages.page(VehicleContentId::FuelReport));
        QVERIFY(page);
        pages.setVehicle(&car);
        choose(*page->periodFilter(), CPeriodFilterComboBox::ThisYearItem);
        pages.changeContent(VehicleContentId::FuelReport);

        CVehicleFuelChart *chart = page->chart();
        // The period's entries and the neighbours of the first fuel.
        QCOMPARE(chart->firstFuelGraph()->data()->size(), 3);
        QCOMPARE(chart->secondFuelGraph()->data()->size(), dual ? 1 : 0);
        QCOMPARE(chart->secondFuelGraph()->visible(), dual);
        QCOMPARE(chart->legend->hasItemWithPlottable(chart->secondFuelGraph()), dual);
        QCOMPARE(chart->odometerGraph()->name(), QStringLiteral("Odometer"));
        QCOMPARE(chart->firstFuelGraph()->name(), QStringLiteral("Diesel"));
        QCOMPARE(chart->yAxis->range().lower, dual ? 4.85 : 5.9);
        QCOMPARE(chart->yAxis->range().upper, dual ? 8.15 : 8.1);

        QVERIFY(page->firstFooter()->isVisibleTo(page));
        QCOMPARE(page->footerSeparator()->isVisibleTo(page), dual);
        QCOMPARE(page->secondFooter()->isVisibleTo(page), dual);
        QVERIFY(page->firstFooter()->subtitle().startsWith(QStringLiteral("1 entry")));
        if (dual)
            QVERIFY(page->secondFooter()->title().startsWith(QStringLiteral("LPG")));

        pages.changeContent(VehicleContentId::Info);
        QVERIFY(!page->firstFooter()->isVisibleTo(page));
        QVERIFY(!page->secondFooter()->isVisibleTo(page));
    }
};

GARVO_TEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
