#include "../database/testdatabase.h"
#include "testrecords.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/vehicle.h"
#include "database/expense.h"
#include "database/note.h"
#include "database/tableexpense.h"
#include "database/tablenote.h"
#include "modules/vehicle/expense/expensetableview.h"
#include "modules/vehicle/fuellog/fuellogtableview.h"
#include "modules/vehicle/note/notetableview.h"
#include "database/session.h"
#include "database/tablesession.h"
#include "modules/vehicle/service/sessiontableview.h"
#include "modules/vehicle/odometerlog/odometerlogtableview.h"
#include "modules/vehicle/records/recorddelegate.h"
#include "utility/prompt.h"

#include <QHeaderView>
#include <QMenu>
#include <QSqlQueryModel>

#include <functional>
#include <memory>

using Utility::Prompt;

namespace {

// One kind of record list: how to make the list and a record for it.
struct Kind
{
    std::function<CRecordTableView *()> makeView;
    // Stores record number `n` of the vehicle; its id.
    std::function<int(int vehicleId, int n)> addRecord;
    CTable *(*table)();
    QString notSelected;
};

QMap<QString, Kind> kinds()
{
    return {
        {QStringLiteral("fuel"),
         {[] { return new CFuelLogTableView; },
          [](int vehicleId, int n) {
              CTableFuelLog *table = CTableFuelLog::instance();
              return table->insert({vehicleId, QStringLiteral("2024-01-%1").arg(10 + n), 1000 + n, 1, 40.0},
                                   {table->column(CTableFuelLog::VehicleId), table->column(CTableFuelLog::Date),
                                    table->column(CTableFuelLog::Odometer), table->column(CTableFuelLog::FuelType),
                                    table->column(CTableFuelLog::Quantity)});
          },
          [] { return static_cast<CTable *>(CTableFuelLog::instance()); }, QStringLiteral("Fuel entry not selected.")}},
        {QStringLiteral("odometer"),
         {[] { return new COdometerLogTableView; },
          [](int vehicleId, int n) {
              return TestRecords::addReading(vehicleId, QDate(2024, 1, 10).addDays(n), 1000 + n);
          },
          [] { return static_cast<CTable *>(CTableOdometerLog::instance()); },
          QStringLiteral("Odometer entry not selected.")}},
        {QStringLiteral("expense"),
         {[] { return new CExpenseTableView; },
          [](int vehicleId, int n) {
              CExpense expense;
              expense.setAutoSave(false);
              expense.setName(QStringLiteral("Toll %1").arg(n));
              expense.setDate(QDate(2024, 1, 10).addDays(n));
              expense.setAmount(2.5 + n);
              return expense.saveWithReading(vehicleId);
          },
          [] { return static_cast<CTable *>(CTableExpense::instance()); },
          QStringLiteral("Expense entry not selected.")}},
        {QStringLiteral("note"),
         {[] { return new CNoteTableView; },
          [](int vehicleId, int n) {
              CNote note;
              note.setAutoSave(false);
              note.setTitle(QStringLiteral("Radio code %1").arg(n));
              note.setDate(QDate(2024, 1, 10).addDays(n));
              return note.saveWithReading(vehicleId);
          },
          [] { return static_cast<CTable *>(CTableNote::instance()); }, QStringLiteral("Note entry not selected.")}},
        {QStringLiteral("session"),
         {[] { return new CSessionTableView; },
          [](int vehicleId, int n) {
              CSession session;
              session.setAutoSave(false);
              session.setDate(QDate(2024, 1, 10).addDays(n));
              session.setOdometer(1000 + n);
              return session.saveWithItems(vehicleId, {});
          },
          [] { return static_cast<CTable *>(CTableSession::instance()); },
          QStringLiteral("Session entry not selected.")}},
    };
}

int addVehicle()
{
    return TestRecords::addVehicle(QStringLiteral("Van"), 0, 1, 1, QStringLiteral("Diesel"));
}

QList<int> visibleColumns(const CRecordTableView &view)
{
    QList<int> columns;
    const QHeaderView *header = view.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            columns << header->logicalIndex(visual);
    }
    return columns;
}

} // namespace

// What every record list does alike, tried on every kind.
class TestRecordLists : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    Kind kind;
    int vehicleId = 0;

    std::unique_ptr<CRecordTableView> shownView(int records)
    {
        for (int n = 0; n < records; ++n)
            kind.addRecord(vehicleId, n);
        std::unique_ptr<CRecordTableView> view(kind.makeView());
        view->resize(900, 400);
        view->show();
        view->setVehicle(CVehicle(vehicleId));
        return view;
    }

    void allKinds()
    {
        QTest::addColumn<QString>("name");
        const QStringList names = kinds().keys();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        Prompt::setScripted(true);
        Prompt::clearShown();
        vehicleId = addVehicle();
    }

    void cleanup()
    {
        delete db;
    }

    void widthsTheUserSetAreKeptOthersAreNot_data() { allKinds(); }
    void widthsTheUserSetAreKeptOthersAreNot()
    {
        QFETCH(QString, name);
        kind = kinds().value(name);
        QString group;
        int sized = 0;
        {
            const auto view = shownView(3);
            group = view->widthGroup();
            const QList<int> columns = visibleColumns(*view);
            QVERIFY(columns.size() >= 2);
            sized = columns.at(columns.size() - 2);
            view->horizontalHeader()->resizeSection(sized, 131);
            // The stretched last column follows the list, not the user.
            view->horizontalHeader()->resizeSection(columns.last(), 77);
            view->resize(700, 400);
            view->setVehicle(CVehicle(vehicleId));
        }
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(group);
        QCOMPARE(config->value(Config::Key::column(sized)).toInt(), 131);
        for (int column = 0; column < 20; ++column) {
            if (column != sized)
                QVERIFY2(!config->value(Config::Key::column(column)).isValid(), qPrintable(QString::number(column)));
        }

        const auto view = shownView(0);
        QCOMPARE(view->columnWidth(sized), 131);
    }

    void columnsFitTheListWithoutScrolling_data() { allKinds(); }
    void columnsFitTheListWithoutScrolling()
    {
        QFETCH(QString, name);
        kind = kinds().value(name);
        const auto view = shownView(2);
        view->resize(520, 300);
        QCoreApplication::processEvents();
        QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
    }

    void selectionById_data() { allKinds(); }
    void selectionById()
    {
        QFETCH(QString, name);
        kind = kinds().value(name);
        const int first = kind.addRecord(vehicleId, 0);
        const int second = kind.addRecord(vehicleId, 1);
        kind.addRecord(addVehicle(), 2);
        const auto view = shownView(0);
        QCOMPARE(view->recordModel()->rowCount(), 2);
        int selected = 0;
        connect(view.get(), &CRecordTableView::selectedData, this, [&selected] { ++selected; });
        QVERIFY(view->selectId(first));
        QCOMPARE(view->currentId(), first);
        QCOMPARE(selected, 1);
        QVERIFY(view->selectId(second));
        QVERIFY(!view->selectId(second + 100));
        QCOMPARE(view->currentId(), second);
        view->refresh();
        QCOMPARE(view->currentId(), second);
    }

    void editAndDeleteWithoutARowSayWhy_data() { allKinds(); }
    void editAndDeleteWithoutARowSayWhy()
    {
        QFETCH(QString, name);
        kind = kinds().value(name);
        const auto view = shownView(0);
        view->slotEdit();
        view->slotDelete();
        QCOMPARE(Prompt::shown().size(), size_t(2));
        QCOMPARE(Prompt::shown().front().text, kind.notSelected);
        QCOMPARE(Prompt::shown().back().text, kind.notSelected);
    }

    void deleteKeyAsksAndDefaultsToNo_data() { allKinds(); }
    void deleteKeyAsksAndDefaultsToNo()
    {
        QFETCH(QString, name);
        kind = kinds().value(name);
        const auto view = shownView(3);
        view->selectRow(1);
        const int doomed = view->currentId();
        // No answer queued: the box's default button answers.
        QTest::keyClick(view.get(), Qt::Key_Delete);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Warning);
        QCOMPARE(kind.table()->count(), 3);

        Prompt::queueAnswer(QMessageBox::Yes);
        QTest::keyClick(view.get(), Qt::Key_Delete);
        QCOMPARE(kind.table()->count(), 2);
        QVERIFY(!kind.table()->exists(doomed));
        // The next record takes the deleted one's place.
        QCOMPARE(view->currentIndex().row(), 1);
    }

    void contextMenuOnlyOverARow_data() { allKinds(); }
    void contextMenuOnlyOverARow()
    {
        QFETCH(QString, name);
        kind = kinds().value(name);
        const auto view = shownView(2);
        auto *menu = view->findChild<QMenu *>();
        QVERIFY(menu);

        const QPoint below(10, view->viewport()->height() - 2);
        QContextMenuEvent outside(QContextMenuEvent::Mouse, below, view->viewport()->mapToGlobal(below));
        QApplication::sendEvent(view->viewport(), &outside);
        QVERIFY(!menu->isVisible());

        const QPoint onSecond = view->visualRect(view->recordModel()->index(1, 2)).center();
        QContextMenuEvent inside(QContextMenuEvent::Mouse, onSecond, view->viewport()->mapToGlobal(onSecond));
        QApplication::sendEvent(view->viewport(), &inside);
        QVERIFY(menu->isVisible());
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(menu->actions(), (QList<QAction *>{view->editAction(), view->deleteAction()}));
        menu->hide();
    }

    // The look of amounts follows the currency; a selected row never shows
    // dark text on the highlight.
    void delegateTexts()
    {
        CRecordDelegate delegate;
        delegate.setDateFormat(QStringLiteral("dd.MM.yyyy"));
        delegate.setDateColumns({2});
        delegate.setAmountColumns({3});
        QCOMPARE(delegate.cellText(2, QStringLiteral("2024-06-15")), QStringLiteral("15.06.2024"));
        QCOMPARE(delegate.cellText(3, QStringLiteral("2.125")), QStringLiteral("2.13"));
        QCOMPARE(delegate.cellText(4, QStringLiteral("two\nlines")), QStringLiteral("two lines"));
    }
};

GARVO_TEST_MAIN(TestRecordLists)
#include "tst_recordlists.moc"
