#include "../database/testdatabase.h"
#include "testsupport.h"

#include "application/footerinfowidget.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "modules/garage/garagemodule.h"
#include "modules/garage/vehicleinfomenu.h"
#include "modules/garage/vehiclewidget.h"
#include "modules/garage/vehiclewidgetlist.h"
#include "modules/vehicle/vehicledialog.h"
#include "utility/prompt.h"

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
        garage->resize(800, 600);
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
        QVERIFY(!garage->footerInfo()->isHidden());
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
        QVERIFY(!broken->isOpen());
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
        QCOMPARE(shownTitles(), QStringList({"a", "c"}));
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
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::NoIcon);
        QVERIFY(CTableVehicle::instance()->exists(only));
        QVERIFY(!cardOf(only)->isHidden());
    }

    void deleteAsksWithTheTitleAsShownThenDeletesEverything()
    {
        const int doomed = addVehicle(QStringLiteral("<i>Tom & Jerry</i>"));
        addVehicle(QStringLiteral("kept"));
        CTableNote::instance()->insert({doomed}, {QStringLiteral("note_vehicle_id")});
        garage->refresh();
        CVehicleWidget *card = cardOf(doomed);

        Prompt::queueAnswer(QMessageBox::No);
        card->contextMenu()->deleteAction()->trigger();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        const Prompt::Shown asked = Prompt::shown().back();
        QCOMPARE(asked.icon, QMessageBox::Warning);
        QCOMPARE(asked.title, QStringLiteral("Delete vehicle"));
        QCOMPARE(asked.text, QStringLiteral("Are you sure that you want to delete "
                                            "<strong>&lt;i&gt;Tom &amp; Jerry&lt;/i&gt;</strong> vehicle?"));
        QCOMPARE(asked.informativeText, QStringLiteral("All data for this vehicle will be lost!!!"));
        QVERIFY(CTableVehicle::instance()->exists(doomed));

        Prompt::queueAnswer(QMessageBox::Yes);
        card->deleteButton()->click();
        QVERIFY(!CTableVehicle::instance()->exists(doomed));
        QCOMPARE(CTableNote::instance()->count(), 0);
        QVERIFY(card->isHidden());
        QCOMPARE(Prompt::shown().size(), size_t(2));
        // The footer follows once the events of the deletion are through.
        QTRY_COMPARE(garage->footerInfo()->title(), QStringLiteral("You have 1 vehicle in garage"));
    }

    void failedDeleteKeepsTheVehicleAndItsCard()
    {
        const int doomed = addVehicle(QStringLiteral("doomed"));
        addVehicle(QStringLiteral("kept"));
        CTableNote::instance()->insert({doomed}, {QStringLiteral("note_vehicle_id")});
        CTableFuelLog::instance()->insert({doomed}, {QStringLiteral("fuellog_vehicle_id")});
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON note "
                                                  "BEGIN SELECT RAISE(ABORT, 'kept'); END")));
        garage->refresh();
        CVehicleWidget *card = cardOf(doomed);

        Prompt::queueAnswer(QMessageBox::Yes);
        card->deleteButton()->click();
        QCOMPARE(Prompt::shown().size(), size_t(2));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Critical);
        QVERIFY(CTableVehicle::instance()->exists(doomed));
        QCOMPARE(CTableFuelLog::instance()->count(), 1);
        QCOMPARE(CTableNote::instance()->count(), 1);
        QVERIFY(!card->isHidden());
        QCOMPARE(card->vehicleId(), doomed);
        QCOMPARE(card->titleLabel()->text(), QStringLiteral("doomed"));
    }

    void cardFollowsTableUpdatesWithoutRefresh()
    {
        const int id = addVehicle(QStringLiteral("old name"));
        addVehicle(QStringLiteral("other"));
        garage->refresh();
        CVehicleWidget *card = cardOf(id);
        QSignalSpy cardUpdated(card, &CVehicleWidget::updated);

        CVehicle stored(id);
        stored.setName(QStringLiteral("new name")); // stored records save at once
        QCOMPARE(card->titleLabel()->text(), QStringLiteral("new name"));
        QCOMPARE(cardUpdated.count(), 1);
        QCOMPARE(cardOf(id) == card, true);
        QCOMPARE(shownTitles(), QStringList({"new name", "other"}));
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

    void hoverShowsTheButtonsAndFirstPressSelects()
    {
        const int id = addVehicle(QStringLiteral("car"));
        garage->refresh();
        CVehicleWidget *card = cardOf(id);
        QVERIFY(card->buttonPanel()->isHidden());

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(card, &enter);
        QVERIFY(card->isHovered());
        QVERIFY(!card->buttonPanel()->isHidden());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(card, &leave);
        QVERIFY(!card->isHovered());
        QVERIFY(card->buttonPanel()->isHidden());

        QSignalSpy selected(card, &CVehicleWidget::selected);
        QTest::mouseClick(card, Qt::LeftButton);
        QTest::mouseClick(card, Qt::LeftButton);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().first().toInt(), id);
    }
};

GARVO_TEST_MAIN(TestGarage)
#include "tst_garage.moc"
