#include "../database/testdatabase.h"
#include "testrecords.h"
#include "testsupport.h"

#include "database/odometerlog.h"
#include "database/session.h"
#include "database/tableserviceitem.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/vehicle/records/recordtableview.h"
#include "modules/vehicle/service/servicecontent.h"
#include "modules/vehicle/service/serviceitemdialog.h"
#include "modules/vehicle/service/serviceitemlistedit.h"
#include "modules/vehicle/service/sessiondetailswidget.h"
#include "modules/vehicle/service/sessiondialog.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "utility/prompt.h"
#include "widgets/numberedit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTimer>

using Utility::Prompt;

namespace {

CSession::EditedItem item(const QString &description, double cost)
{
    CServiceItem serviceItem;
    serviceItem.setAutoSave(false);
    serviceItem.setDescription(description);
    serviceItem.setCost(cost);
    return {serviceItem, false};
}

// Answers the item dialog once it is up with the texts, or cancels it.
void answerItemDialog(const QString &description, const QString &cost, bool save = true)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<CServiceItemDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->descriptionEdit()->setText(description);
        dialog->costEdit()->setText(cost);
        if (save)
            dialog->slotSave();
        else
            dialog->reject();
    });
}

} // namespace

// Service sessions with their items: the save, the dialog, the page, the
// cascade.
class TestServices : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    int vehicleId = 0;

    int addSession(int odometer, const QList<CSession::EditedItem> &items, const QString &comment = QString())
    {
        CSession session;
        session.setAutoSave(false);
        session.setDate(QDate(2024, 4, 2));
        session.setOdometer(odometer);
        session.setDescription(comment);
        return session.saveWithItems(vehicleId, items);
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        Prompt::setScripted(true);
        Prompt::clearShown();
        vehicleId = TestRecords::addVehicle();
    }

    void cleanup()
    {
        delete db;
    }

    void readingDescription_data()
    {
        QTest::addColumn<QString>("comment");
        // "description=cost"; items are made in the test, where the tables exist.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("total");
        QTest::newRow("no items, no comment") << QString() << QStringList() << "Total: $ 0.00" << "0.00";
        QTest::newRow("comment of several lines") << "Yearly check\nbrakes squeak" << QStringList{"Oil=45.5"}
                                                  << "Yearly check | Total: $ 45.50" << "45.50";
        QTest::newRow("first item without comment")
            << QString() << QStringList{"Oil=45.5", "Filter=12.25"} << "Oil | Total: $ 57.75" << "57.75";
    }

    void readingDescription()
    {
        QFETCH(QString, comment);
        QFETCH(QStringList, texts);
        QList<CSession::EditedItem> items;
        for (const QString &text : texts)
            items << item(text.section(QLatin1Char('='), 0, 0), text.section(QLatin1Char('='), 1).toDouble());
        QFETCH(QString, description);
        const int id = addSession(1200, items, comment);
        QVERIFY(id != 0);
        const COdometerLog reading = COdometerLog::byParent(COdometerLog::ServiceParent, id);
        QCOMPARE(reading.description(), description);
        QCOMPARE(reading.odometer(), 1200);
        QCOMPARE(TestRecords::rows(QStringLiteral("odometerlog")), 1);
        QTEST(db->scalar(QStringLiteral("SELECT service_session_total_cost FROM service_session")).toString(), "total");
        QCOMPARE(CSession(id).items().size(), items.size());
    }

    void failedItemWriteLeavesNothing()
    {
        QVERIFY(db->database->exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON service_item WHEN NEW.service_item_description = 'bad' "
            "BEGIN SELECT RAISE(ABORT, 'no'); END")));
        CSession session;
        session.setAutoSave(false);
        session.setOdometer(1500);
        QString error;
        QCOMPARE(session.saveWithItems(vehicleId, {item("Oil", 10), item("bad", 1)}, &error), 0);
        QVERIFY(!error.isEmpty());
        QCOMPARE(session.id(), 0);
        QCOMPARE(TestRecords::rows(QStringLiteral("service_session")), 0);
        QCOMPARE(TestRecords::rows(QStringLiteral("service_item")), 0);
        QCOMPARE(TestRecords::rows(QStringLiteral("odometerlog")), 0);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 0);
    }

    // Item edits live in the dialog until Save; Cancel writes nothing.
    void dialogEditsItemsAndCancelKeepsTheDatabase()
    {
        const int id = addSession(1000, {item("Oil", 40), item("Wipers", 15)});
        {
            CSessionDialog dialog;
            QVERIFY(dialog.openEntry(id));
            CServiceItemWidgetList *list = dialog.itemsEdit()->list();
            QCOMPARE(list->rows().size(), 2);
            list->rows().at(0)->slotDeleteService();
            answerItemDialog(QStringLiteral("Brake pads"), QStringLiteral("80,5"));
            dialog.itemsEdit()->slotNewServiceItem();
            QCOMPARE(dialog.itemsEdit()->totalCost(), 95.5);
            QCOMPARE(dialog.itemsEdit()->totalLabel()->text(), QStringLiteral("Total Cost: $ 95.50"));
            dialog.reject();
        }
        QCOMPARE(TestRecords::rows(QStringLiteral("service_item")), 2);
        QCOMPARE(CSession(id).totalCost(), 55.0);

        CSessionDialog dialog;
        QVERIFY(dialog.openEntry(id));
        CServiceItemWidgetList *list = dialog.itemsEdit()->list();
        list->rows().at(0)->slotDeleteService();
        answerItemDialog(QStringLiteral("Wiper blades"), QStringLiteral("17.25"));
        list->rows().at(1)->slotEditService();
        answerItemDialog(QStringLiteral("never"), QStringLiteral("1"), false);
        dialog.itemsEdit()->slotNewServiceItem();
        dialog.odometerEdit()->setText(QStringLiteral("1100"));
        dialog.slotSave();
        QCOMPARE(dialog.savedId(), id);
        const QList<CServiceItem> items = CSession(id).items();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().description(), QStringLiteral("Wiper blades"));
        QCOMPARE(CSession(id).totalCost(), 17.25);
        QCOMPARE(COdometerLog::byParent(COdometerLog::ServiceParent, id).odometer(), 1100);
    }

    void dialogRefusesAnOdometerThatIsNoNumber_data()
    {
        QTest::addColumn<QString>("odometer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("decimal") << "12.5" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("number") << "1234" << true;
    }

    void dialogRefusesAnOdometerThatIsNoNumber()
    {
        QFETCH(QString, odometer);
        QFETCH(bool, saved);
        CSessionDialog dialog;
        QVERIFY(dialog.openEntry(0, vehicleId));
        QCOMPARE(dialog.odometerEdit()->text(), QStringLiteral("0"));
        dialog.odometerEdit()->setText(odometer);
        dialog.slotSave();
        QCOMPARE(dialog.savedId() != 0, saved);
        QCOMPARE(dialog.odometerLabel()->objectName(), saved ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
        QCOMPARE(TestRecords::rows(QStringLiteral("service_session")), saved ? 1 : 0);
    }

    void itemDialogRefusesACostThatIsNoNumber()
    {
        CServiceItemDialog dialog;
        CServiceItem serviceItem;
        dialog.setItem(serviceItem);
        dialog.descriptionEdit()->setText(QStringLiteral("Oil"));
        dialog.costEdit()->setText(QStringLiteral("12,345.00"));
        dialog.slotSave();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.costLabel()->objectName(), QStringLiteral("errorLabel"));
        QVERIFY(!dialog.reasonText().isEmpty());
    }

    void pageShowsTheSessionWithItsItems()
    {
        CVehicle vehicle(vehicleId);
        addSession(900, {item("Old", 1)});
        const int id = addSession(1000, {item("Oil <5W-30>", 40), item("Wipers", 15)}, QStringLiteral("Yearly"));
        CVehicleContentWidget content;
        content.setVehicle(&vehicle);
        content.resize(900, 500);
        content.show();
        content.changeContent(VehicleContentId::Services);
        auto *page = qobject_cast<CServiceContent *>(content.page(VehicleContentId::Services));
        QCOMPARE(page->tableView()->currentId(), id);
        auto *details = static_cast<CSessionDetailsWidget *>(page->detailsWidget());
        QCOMPARE(page->shownDetails(), details);
        QCOMPARE(details->itemTexts(),
                 (QStringList{"Oil <5W-30>", "$ 40.00", "Wipers", "$ 15.00"}));
        QCOMPARE(details->totalLabel()->text(), QStringLiteral("Total cost: $ 55.00"));

        Prompt::queueAnswer(QMessageBox::Yes);
        details->deleteButton()->click();
        QCOMPARE(TestRecords::rows(QStringLiteral("service_session")), 1);
        QCOMPARE(TestRecords::rows(QStringLiteral("service_item")), 1);
        QCOMPARE(page->tableView()->recordModel()->rowCount(), 1);
    }

    void vehicleCascadeRemovesSessionsAndItems()
    {
        const int other = TestRecords::addVehicle();
        addSession(1000, {item("Oil", 40), item("Wipers", 15)});
        addSession(2000, {item("Tyres", 400)});
        CSession kept;
        kept.setAutoSave(false);
        QVERIFY(kept.saveWithItems(other, {item("Kept", 1)}) != 0);
        QVERIFY(CTableVehicle::instance()->removeVehicle(vehicleId));
        QCOMPARE(TestRecords::rows(QStringLiteral("service_session")), 1);
        QCOMPARE(TestRecords::rows(QStringLiteral("service_item")), 1);
    }
};

GARVO_TEST_MAIN(TestServices)
#include "tst_services.moc"
