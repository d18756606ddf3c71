#include "../database/testdatabase.h"
#include "testsupport.h"

#include "application/footerinfowidget.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceitem.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "modules/garage/garagemodule.h"
#include "modules/garage/vehicleinfomenu.h"
#include "modules/garage/vehiclewidget.h"
#include "modules/garage/vehiclewidgetlist.h"
#include "modules/vehicle/vehicledialog.h"
#include "modules/vehicle/wizard/newvehicle.h"
#include "utility/prompt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <climits>

using Utility::Prompt;

// The garage page driven through its cards, as a user would.
class TestGarage : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    CGarageModule *garage = nullptr;

    int addVehicle(const QString &name, int order = 0, bool favorite = false)
    {
        CVehicle vehicle;
        vehicle.setName(name);
        vehicle.setLicensePlate(name.toUpper());
        vehicle.setTypeId(1);
        vehicle.setOrder(order);
        vehicle.setFavorite(favorite);
        return vehicle.save();
    }

    // Two rows in every table that refers to the vehicle, two items per session.
    void addRecords(int vehicleId)
    {
        const QList<CTable *> tables{CTableOdometerLog::instance(), CTableFuelLog::instance(),
                                     CTableSession::instance(),     CTableServiceSchedule::instance(),
                                     CTableNote::instance(),        CTableExpense::instance()};
        for (CTable *table : tables) {
            for (int i = 0; i < 2; ++i) {
                const int id = table->insert({vehicleId}, {table->column(1)});
                if (table == CTableSession::instance()) {
                    for (int item = 0; item < 2; ++item)
                        CTableServiceItem::instance()->insert({id}, {QStringLiteral("service_item_service_log_id")});
                }
            }
        }
    }

    // Rows of the vehicle and of everything that refers to it.
    int rowsOf(int vehicleId)
    {
        return db->scalar(QStringLiteral(
                              "WITH v(id) AS (SELECT ?) SELECT"
                              " (SELECT count(*) FROM vehicle, v WHERE vehicle_id = v.id)"
                              " + (SELECT count(*) FROM odometerlog, v WHERE odometerlog_vehicle_id = v.id)"
                              " + (SELECT count(*) FROM fuellog, v WHERE fuellog_vehicle_id = v.id)"
                              " + (SELECT count(*) FROM service_session, v WHERE service_session_vehicle_id = v.id)"
                              " + (SELECT count(*) FROM service_item JOIN service_session"
                              "    ON service_item_service_log_id = service_session_id, v"
                              "    WHERE service_session_vehicle_id = v.id)"
                              " + (SELECT count(*) FROM service_schedule, v WHERE service_schedule_vehicle_id = v.id)"
                              " + (SELECT count(*) FROM note, v WHERE note_vehicle_id = v.id)"
                              " + (SELECT count(*) FROM expense, v WHERE expense_vehicle_id = v.id)"),
                          {vehicleId})
            .toInt();
    }

    // Titles of the cards shown, top to bottom.
    QStringList shownTitles() const
    {
        QStringList titles;
        for (CVehicleWidget *card : garage->vehicleList()->widgets()) {
            if (!card->isHidden())
                titles << card->titleLabel()->text();
        }
        return titles;
    }

    QString storedOrders() const
    {
        return db->scalar(QStringLiteral("SELECT group_concat(vehicle_name || '=' || vehicle_order, ' ') FROM "
                                         "(SELECT * FROM vehicle ORDER BY vehicle_order)"))
            .toString();
    }

    CVehicleWidget *cardOf(int vehicleId) const
    {
        for (CVehicleWidget *card : garage->vehicleList()->widgets()) {
            if (card->vehicleId() == vehicleId)
                return card;
        }
        return nullptr;
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        QVERIFY(seedVehicleTypes());
        garage = new CGarageModule;
        Prompt::setScripted(true);
        Prompt::clearShown();
    }

    void cleanup()
    {
        Prompt::setScripted(false);
        delete garage;
        garage = nullptr;
        delete db;
        db = nullptr;
    }

    void footerCountsVehicles_data()
    {
        QTest::addColumn<int>("vehicles");
        QTest::addColumn<QString>("title");
        QTest::newRow("none") << 0 << "You have 0 vehicle in garage";
        QTest::newRow("one") << 1 << "You have 1 vehicle in garage";
        QTest::newRow("three") << 3 << "You have 3 vehicles in garage";
    }

    void footerCountsVehicles()
    {
        QFETCH(int, vehicles);
        for (int i = 0; i < vehicles; ++i)
            addVehicle(QStringLiteral("v%1").arg(i));
        QVERIFY(garage->enterModule());
        QTEST(garage->footerInfo()->title(), "title");
        QVERIFY(garage->leaveModule());
        QVERIFY(garage->footerInfo()->isHidden());
    }

    void enteringWithAnUnusableDatabaseShowsNoMessage()
    {
        delete garage;
        delete db;
        db = nullptr;
        QTemporaryDir folder;
        QFile plain(folder.filePath(QStringLiteral("afile")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        auto *broken = new CDatabase(folder.filePath(QStringLiteral("afile/garvo.db")));
        Storage::createVehicleTypeTable();
        Storage::createVehicleTables();
        garage = new CGarageModule;

        QVERIFY(garage->enterModule());
        QCOMPARE(Prompt::shown().size(), size_t(0));
        QCOMPARE(garage->footerInfo()->title(), QStringLiteral("You have 0 vehicle in garage"));

        delete garage;
        garage = nullptr;
        Storage::deleteVehicleTables();
        Storage::deleteVehicleTypeTable();
        delete broken;
    }

    void refreshShowsGarageOrderAndRenumbers()
    {
        addVehicle(QStringLiteral("favourite"), 0, true);
        addVehicle(QStringLiteral("from dialog"), INT_MAX);
        addVehicle(QStringLiteral("b"), 9);
        addVehicle(QStringLiteral("a"), 4);

        garage->refresh();
        QCOMPARE(shownTitles(), QStringList({"a", "b", "from dialog", "favourite"}));
        QCOMPARE(storedOrders(), QStringLiteral("a=0 b=1 from dialog=2 favourite=3"));
        QCOMPARE(garage->vehicleList()->widgets().first()->subtitleLabel()->text(), QStringLiteral("A"));
        QVERIFY(!garage->vehicleList()->widgets().first()->imageLabel()->pixmap(Qt::ReturnByValue).isNull());
    }

    // A vehicle from the wizard is listed last, not between the others.
    void newVehicleComesLast()
    {
        addVehicle(QStringLiteral("a"));
        addVehicle(QStringLiteral("b"));
        addVehicle(QStringLiteral("c"));
        QVERIFY(garage->enterModule());
        QCOMPARE(shownTitles(), QStringList({"a", "b", "c"}));

        CNewVehicle wizardVehicle;
        wizardVehicle.name = QStringLiteral("new");
        wizardVehicle.licensePlate = QStringLiteral("NEW");
        wizardVehicle.typeId = 1;
        QVERIFY(wizardVehicle.save() != 0);
        QVERIFY(garage->enterModule());
        QCOMPARE(shownTitles(), QStringList({"a", "b", "c", "new"}));
        QCOMPARE(storedOrders(), QStringLiteral("a=0 b=1 c=2 new=3"));
        QCOMPARE(garage->footerInfo()->title(), QStringLiteral("You have 4 vehicles in garage"));
    }

    void failedRenumberingWarnsAndWritesNothing()
    {
        addVehicle(QStringLiteral("a"), 5);
        addVehicle(QStringLiteral("b"), 6);
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER no_one BEFORE UPDATE ON vehicle "
                                                  "WHEN CAST(new.vehicle_order AS integer) = 1 "
                                                  "BEGIN SELECT RAISE(ABORT, 'no'); END")));
        garage->refresh();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(storedOrders(), QStringLiteral("a=5 b=6"));
        QCOMPARE(shownTitles(), QStringList({"a", "b"}));
    }

    void surplusCardsAreHiddenAndReused()
    {
        addVehicle(QStringLiteral("a"));
        const int b = addVehicle(QStringLiteral("b"));
        addVehicle(QStringLiteral("c"));
        garage->refresh();
        const QList<CVehicleWidget *> cards = garage->vehicleList()->widgets();

        QVERIFY(CTableVehicle::instance()->removeVehicle(b));
        QCOMPARE(shownTitles(), QStringList({"a", "c"})); // hidden at once, before any refresh
        garage->refresh();
        QVERIFY(cards.last()->isHidden());
        QCOMPARE(cards.last()->vehicleId(), 0);

        addVehicle(QStringLiteral("d"), 5);
        addVehicle(QStringLiteral("e"), 6);
        garage->refresh();
        QCOMPARE(shownTitles(), QStringList({"a", "c", "d", "e"}));
        QCOMPARE(garage->vehicleList()->widgets().mid(0, 3), cards);
        QCOMPARE(storedOrders(), QStringLiteral("a=0 c=1 d=2 e=3"));
    }

    void lastVehicleIsNeverDeleted()
    {
        const int only = addVehicle(QStringLiteral("only"));
        garage->refresh();

        Prompt::queueAnswer(QMessageBox::Yes);
        cardOf(only)->deleteButton()->click();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().text, QStringLiteral("You can't delete the last vehicle form your system!"));
        QVERIFY(CTableVehicle::instance()->exists(only));
        QVERIFY(!cardOf(only)->isHidden());
    }

    void deleteAsksWithTheTitleAsShown()
    {
        const int id = addVehicle(QStringLiteral("<i>Tom & Jerry</i>"));
        addVehicle(QStringLiteral("kept"));
        garage->refresh();
        // Regression: a name with markup was rendered as rich text on its card.
        QCOMPARE(cardOf(id)->titleLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(cardOf(id)->subtitleLabel()->textFormat(), Qt::PlainText);

        Prompt::queueAnswer(QMessageBox::No);
        cardOf(id)->contextMenu()->deleteAction()->trigger();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        const Prompt::Shown asked = Prompt::shown().back();
        QCOMPARE(asked.icon, QMessageBox::Warning);
        QCOMPARE(asked.title, QStringLiteral("Delete vehicle"));
        QCOMPARE(asked.text, QStringLiteral("Are you sure that you want to delete "
                                            "<strong>&lt;i&gt;Tom &amp; Jerry&lt;/i&gt;</strong> vehicle?"));
        QCOMPARE(asked.informativeText, QStringLiteral("All data for this vehicle will be lost!!!"));
        QVERIFY(CTableVehicle::instance()->exists(id));
        // Return at the question (its default button) keeps the vehicle.
        cardOf(id)->deleteButton()->click();
        QCOMPARE(Prompt::shown().size(), size_t(2));
        QVERIFY(CTableVehicle::instance()->exists(id));
    }

    // The cards take the focus: arrows move it, Delete asks (No by default).
    void cardsWorkFromTheKeyboard()
    {
        const int first = addVehicle(QStringLiteral("a"));
        const int second = addVehicle(QStringLiteral("b"));
        garage->resize(800, 600);
        garage->show();
        QVERIFY(QTest::qWaitForWindowExposed(garage));
        QVERIFY(garage->enterModule());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cardOf(first)));
        QVERIFY(cardOf(first)->isHovered());

        QTest::keyClick(cardOf(first), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cardOf(second)));
        QVERIFY(!cardOf(first)->isHovered());
        QTest::keyClick(cardOf(second), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cardOf(second)));
        QTest::keyClick(cardOf(second), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cardOf(first)));

        QTest::keyClick(cardOf(first), Qt::Key_Delete);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().title, QStringLiteral("Delete vehicle"));
        QVERIFY(CTableVehicle::instance()->exists(first));
    }

    // At start-up the garage is made before the database is opened; its
    // count still follows deletions.
    void footerFollowsDeletionsWhenMadeBeforeTheDatabase()
    {
        delete garage;
        delete db;
        garage = new CGarageModule;
        db = new TestDatabase;
        QVERIFY(seedVehicleTypes());
        const int doomed = addVehicle(QStringLiteral("doomed"));
        addVehicle(QStringLiteral("kept"));
        QVERIFY(garage->enterModule());
        QCOMPARE(garage->footerInfo()->title(), QStringLiteral("You have 2 vehicles in garage"));

        Prompt::queueAnswer(QMessageBox::Yes);
        cardOf(doomed)->deleteButton()->click();
        QTRY_COMPARE(garage->footerInfo()->title(), QStringLiteral("You have 1 vehicle in garage"));
    }

    void deleteTakesAllOrNothing_data()
    {
        QTest::addColumn<QString>("brokenTable");
        QTest::newRow("every dependent row goes") << QString();
        QTest::newRow("fuel log rows cannot be deleted") << "fuellog";
        QTest::newRow("service items cannot be deleted") << "service_item";
    }

    void deleteTakesAllOrNothing()
    {
        QFETCH(QString, brokenTable);
        const int doomed = addVehicle(QStringLiteral("doomed"));
        const int kept = addVehicle(QStringLiteral("kept"));
        addRecords(doomed);
        addRecords(kept);
        if (!brokenTable.isEmpty())
            QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER broken BEFORE DELETE ON %1 "
                                                      "BEGIN SELECT RAISE(ABORT, 'broken'); END")
                                           .arg(brokenTable)));
        QCOMPARE(rowsOf(doomed), 17);
        QVERIFY(garage->enterModule());
        CVehicleWidget *card = cardOf(doomed);

        Prompt::queueAnswer(QMessageBox::Yes);
        card->deleteButton()->click();
        QCOMPARE(rowsOf(kept), 17);
        if (brokenTable.isEmpty()) {
            QCOMPARE(rowsOf(doomed), 0);
            QVERIFY(card->isHidden());
            QCOMPARE(Prompt::shown().size(), size_t(1));
            // The footer follows once the events of the deletion are through.
            QTRY_COMPARE(garage->footerInfo()->title(), QStringLiteral("You have 1 vehicle in garage"));
        } else {
            QCOMPARE(rowsOf(doomed), 17);
            QCOMPARE(Prompt::shown().back().icon, QMessageBox::Critical);
            QVERIFY(!card->isHidden());
            QCOMPARE(card->titleLabel()->text(), QStringLiteral("doomed"));
        }
    }

    void editedVehicleShowsOnItsCard()
    {
        const int id = addVehicle(QStringLiteral("old name"));
        garage->refresh();
        CVehicleWidget *card = cardOf(id);
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<CVehicleDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->nameEdit()->setText(QStringLiteral("new name"));
            dialog->licensePlateEdit()->setText(QStringLiteral("NEW 1"));
            dialog->saveButton()->click();
            // A form the dialog refuses must not hang the test.
            if (dialog->isVisible())
                dialog->reject();
        });
        card->contextMenu()->editAction()->trigger();
        QCOMPARE(card->titleLabel()->text(), QStringLiteral("new name"));
        QCOMPARE(card->subtitleLabel()->text(), QStringLiteral("NEW 1"));
    }
};

GARVO_TEST_MAIN(TestGarage)
#include "tst_garage.moc"
