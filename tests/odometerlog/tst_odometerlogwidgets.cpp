#include "../database/testdatabase.h"
#include "readings.h"
#include "testsupport.h"

#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "modules/vehicle/odometerlog/editodometerentry.h"
#include "modules/vehicle/odometerlog/odometerlogtableview.h"
#include "modules/vehicle/odometerlog/updateodometerdialog.h"
#include "utility/prompt.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTimer>

using Utility::Prompt;

namespace {

// Types `odometer` into the update dialog once it is up and presses Save
// (Cancel for a null text); `opened` tells whether it came up.
void answerUpdateDialog(const QString &odometer, bool *opened = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<CUpdateOdometerDialog *>(QApplication::activeModalWidget());
        if (opened)
            *opened = dialog != nullptr;
        if (!dialog)
            return;
        dialog->odometerEdit()->setText(odometer);
        QTest::mouseClick(odometer.isNull() ? dialog->cancelButton() : dialog->saveButton(), Qt::LeftButton);
    });
}

QList<int> listed(COdometerLogTableView &view)
{
    QList<int> odometers;
    for (int row = 0; row < view.recordModel()->rowCount(); ++row)
        odometers << view.recordModel()->index(row, CTableOdometerLog::Odometer).data().toInt();
    return odometers;
}

} // namespace

class TestOdometerLogWidgets : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void init()
    {
        Prompt::setScripted(true);
        Prompt::clearShown();
        db = new TestDatabase;
    }

    void cleanup()
    {
        delete db;
        db = nullptr;
        OdometerEntryEditors::setEditor(COdometerLog::FuelParent, nullptr);
    }

    void saveValidation_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason"); // empty: accepted

        const QString notWhole = QStringLiteral("Enter a whole number, without thousands separators");
        QTest::newRow("new above the vehicle") << false << QStringLiteral("2001") << QString();
        QTest::newRow("new equal to the vehicle") << false << QStringLiteral("2000")
                                                  << QStringLiteral("Must be higher than 2000 km");
        // The page's copy says 1000; a reading has since raised the vehicle.
        QTest::newRow("new above a stale copy only") << false << QStringLiteral("1500")
                                                     << QStringLiteral("Must be higher than 2000 km");
        QTest::newRow("empty") << false << QString() << QStringLiteral("Enter a number");
        QTest::newRow("group separator") << false << QStringLiteral("12,345") << notWhole;
        QTest::newRow("decimal point") << false << QStringLiteral("2500.5") << notWhole;
        QTest::newRow("beyond int") << false << QStringLiteral("9999999999") << QStringLiteral("At most 2,147,483,647");
        QTest::newRow("stored below the vehicle") << true << QStringLiteral("500") << QString();
        QTest::newRow("stored negative") << true << QStringLiteral("-5") << QStringLiteral("Must not be negative");
    }

    // Save refuses with the reason shown; mending the field clears it.
    void saveValidation()
    {
        QFETCH(bool, stored);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        const bool accepted = reason.isEmpty();

        const CVehicle stale(addVehicle(1000));
        const int reading = addReading(stale.id(), QDate(2024, 1, 1), 2000);
        CUpdateOdometerDialog dialog;
        if (stored)
            QVERIFY(dialog.setStoredEntry(reading));
        else
            dialog.setNewEntry(stale);
        dialog.show();
        dialog.odometerEdit()->setText(text);
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);

        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.odometerLabel()->objectName(), accepted ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
        QCOMPARE(dialog.reasonLabel()->text(), reason);
        QVERIFY(Prompt::shown().empty());
        if (!accepted) {
            dialog.odometerEdit()->setText(QStringLiteral("3000"));
            QCOMPARE(dialog.odometerLabel()->objectName(), QStringLiteral("QLabel"));
            QVERIFY(dialog.reasonLabel()->text().isEmpty());
        }
    }

    void newAndEditedEntries()
    {
        const int vehicleId = addVehicle(1000);
        const int starting = addReading(vehicleId, QDate(2024, 1, 1), 1000);

        answerUpdateDialog(QString());
        QCOMPARE(CUpdateOdometerDialog::newEntry(CVehicle(vehicleId)), 0);
        QCOMPARE(CTableOdometerLog::instance()->count(), 1);

        answerUpdateDialog(QStringLiteral("1001"));
        const COdometerLog added(CUpdateOdometerDialog::newEntry(CVehicle(vehicleId)));
        QCOMPARE(added.odometer(), 1001);
        QCOMPARE(added.parentType(), int(COdometerLog::VehicleParent));
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1001);

        answerUpdateDialog(QStringLiteral("500"));
        QCOMPARE(CUpdateOdometerDialog::editEntry(starting), starting);
        QCOMPARE(COdometerLog(starting).odometer(), 500);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1001);
    }

    void failedSaveTellsUserAndReturnsZero()
    {
        const int vehicleId = addVehicle(1000);
        QVERIFY(db->database->exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON odometerlog BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        answerUpdateDialog(QStringLiteral("2000"));
        QCOMPARE(CUpdateOdometerDialog::newEntry(CVehicle(vehicleId)), 0);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1000);
    }

    // A reading whose fuel entry was deleted used to open an empty fuel
    // dialog, whose save inserted a new entry.
    void editDispatchByParent()
    {
        const int vehicleId = addVehicle(1000);
        const int fuelId = CTableFuelLog::instance()->insert({vehicleId}, {CTableFuelLog::instance()->column(1)});
        const int withParent = addReading(vehicleId, QDate(2024, 1, 1), 1100, COdometerLog::FuelParent, fuelId);
        const int orphan = addReading(vehicleId, QDate(2024, 1, 2), 900, COdometerLog::FuelParent, fuelId + 1);

        QList<int> edited;
        OdometerEntryEditors::setEditor(COdometerLog::FuelParent, [&edited](int parentId) {
            edited << parentId;
            return parentId;
        });
        QVERIFY(editOdometerEntry(withParent));

        answerUpdateDialog(QStringLiteral("950"));
        QVERIFY(editOdometerEntry(orphan));
        QCOMPARE(edited, QList<int>{fuelId});
        QCOMPARE(COdometerLog(orphan).odometer(), 950);
        QCOMPARE(CTableFuelLog::instance()->count(), 1);

        bool opened = true;
        answerUpdateDialog(QStringLiteral("1"), &opened);
        QVERIFY(!editOdometerEntry(4711));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QCOMPARE(Prompt::shown().size(), size_t(1));
    }

    void listOrderAndOneReloadPerCascade()
    {
        const int vehicleId = addVehicle(0);
        for (int i = 0; i < 30; ++i)
            addReading(vehicleId, QDate(2024, 1, 1).addDays(i / 2), i);
        addReading(addVehicle(0), QDate(2024, 3, 1), 999);
        COdometerLogTableView view;
        view.setVehicle(CVehicle(vehicleId));
        view.show();
        QCOMPARE(listed(view).mid(0, 3), (QList<int>{29, 28, 27}));
        QCOMPARE(listed(view).size(), 30);
        QCOMPARE(view.horizontalHeader()->logicalIndex(0), int(CTableOdometerLog::ParentType));

        const int loads = view.loadCount();
        QVERIFY(CTableVehicle::instance()->removeVehicle(vehicleId));
        QCoreApplication::processEvents();
        QCOMPARE(view.loadCount(), loads + 1);
        QCOMPARE(listed(view), QList<int>{});
    }

    // Regression: every reload fetched the vehicle's whole history to find
    // the current reading again.
    void reloadKeepsTheSelectionFetchingOnlyAsFarAsIt()
    {
        const int vehicleId = addVehicle(0);
        QList<int> ids;
        {
            CTransaction transaction;
            for (int i = 0; i < 300; ++i)
                ids << addReading(vehicleId, QDate(2024, 1, 1).addDays(i), i);
            QVERIFY(transaction.commit());
        }
        COdometerLogTableView view;
        view.setVehicle(CVehicle(vehicleId));

        QVERIFY(view.selectId(ids.first()));
        view.refresh();
        QCOMPARE(view.currentId(), ids.first());

        QVERIFY(view.selectId(ids.last()));
        view.refresh();
        QCOMPARE(view.currentId(), ids.last());
        QVERIFY(view.recordModel()->rowCount() < 300);
        QVERIFY(!view.selectId(-1));
    }
};

GARVO_TEST_MAIN(TestOdometerLogWidgets)
#include "tst_odometerlogwidgets.moc"
