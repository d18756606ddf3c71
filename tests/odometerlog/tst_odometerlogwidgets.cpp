#include "../database/testdatabase.h"
#include "readings.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/tablevehicle.h"
#include "modules/vehicle/odometerlog/editodometerentry.h"
#include "modules/vehicle/odometerlog/odometerlogtableview.h"
#include "modules/vehicle/odometerlog/updateodometerdialog.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTimer>

#include <functional>

using Utility::Prompt;

namespace {

// Runs `act` on the update dialog once it is shown modally; it gets null
// when no update dialog came up.
void onUpdateDialog(std::function<void(CUpdateOdometerDialog *)> act)
{
    QTimer::singleShot(0, [act] { act(qobject_cast<CUpdateOdometerDialog *>(QApplication::activeModalWidget())); });
}

void typeAndSave(const QString &odometer, const QString &description = QString())
{
    onUpdateDialog([odometer, description](CUpdateOdometerDialog *dialog) {
        QVERIFY(dialog);
        dialog->odometerEdit()->setText(odometer);
        if (!description.isNull())
            dialog->descriptionEdit()->setPlainText(description);
        QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QList<int> listedOdometers(COdometerLogTableView &view)
{
    QList<int> odometers;
    for (int row = 0; row < view.readingModel()->rowCount(); ++row)
        odometers << view.readingModel()->index(row, CTableOdometerLog::Odometer).data().toInt();
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
        Utility::Clock::setToday(QDate(2024, 3, 15));
        db = new TestDatabase;
    }

    void cleanup()
    {
        delete db;
        db = nullptr;
        Utility::Clock::reset();
        for (int kind = 0; kind <= COdometerLog::NoteParent; ++kind)
            OdometerEntryEditors::setEditor(kind, nullptr);
    }

    void saveValidation_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("new: above the vehicle") << false << QStringLiteral("1001") << true;
        QTest::newRow("new: equal to the vehicle") << false << QStringLiteral("1000") << false;
        QTest::newRow("new: below the vehicle") << false << QStringLiteral("999") << false;
        QTest::newRow("new: empty") << false << QString() << false;
        QTest::newRow("new: group separator") << false << QStringLiteral("12,345") << false;
        QTest::newRow("new: decimal point") << false << QStringLiteral("1500.5") << false;
        QTest::newRow("new: letters") << false << QStringLiteral("12abc") << false;
        QTest::newRow("new: beyond int") << false << QStringLiteral("99999999999") << false;
        QTest::newRow("stored: below the vehicle") << true << QStringLiteral("500") << true;
        QTest::newRow("stored: equal to the vehicle") << true << QStringLiteral("1000") << true;
        QTest::newRow("stored: negative") << true << QStringLiteral("-5") << false;
        QTest::newRow("stored: empty") << true << QStringLiteral("") << false;
    }

    void saveValidation()
    {
        QFETCH(bool, stored);
        QFETCH(QString, text);
        QFETCH(bool, accepted);

        const int vehicleId = addVehicle(1000);
        CUpdateOdometerDialog dialog;
        if (stored)
            QVERIFY(dialog.setStoredEntry(addReading(vehicleId, QDate(2024, 1, 1), 1000)));
        else
            dialog.setNewEntry(CVehicle(vehicleId));
        dialog.show();
        dialog.odometerEdit()->setText(text);
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);

        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.odometerLabel()->objectName(),
                 accepted ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
        QCOMPARE(dialog.odometerLabel()->styleSheet(), QString());
        QVERIFY(Prompt::shown().empty());
    }

    void oddTextCannotBeTyped()
    {
        CUpdateOdometerDialog dialog;
        dialog.show();
        QTest::keyClicks(dialog.odometerEdit(), QStringLiteral("-1,2.3e4"));
        QCOMPARE(dialog.odometerEdit()->text(), QStringLiteral("1234"));
    }

    void newEntryRaisesVehicleAndEditLowersOnlyTheReading()
    {
        const int vehicleId = addVehicle(1000);
        const int starting = addReading(vehicleId, QDate(2024, 1, 1), 1000);

        typeAndSave(QStringLiteral("1001"), QStringLiteral("O'Brien's 100% trip"));
        const int id = CUpdateOdometerDialog::newEntry(CVehicle(vehicleId));
        QVERIFY(id != 0);
        const COdometerLog reading(id);
        QCOMPARE(reading.odometer(), 1001);
        QCOMPARE(reading.parentType(), int(COdometerLog::VehicleParent));
        QCOMPARE(reading.parentId(), 0);
        QCOMPARE(reading.date(), QDate(2024, 3, 15));
        QCOMPARE(reading.description(), QStringLiteral("O'Brien's 100% trip"));
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1001);

        typeAndSave(QStringLiteral("500"));
        QCOMPARE(CUpdateOdometerDialog::editEntry(starting), starting);
        QCOMPARE(COdometerLog(starting).odometer(), 500);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1001);
    }

    // The page's vehicle copy may be older than the last saved reading.
    void newEntryComparesWithStoredVehicleValue()
    {
        const CVehicle stale(addVehicle(1000));
        addReading(stale.id(), QDate(2024, 1, 1), 2000);
        CUpdateOdometerDialog dialog;
        dialog.setNewEntry(stale);
        dialog.odometerEdit()->setText(QStringLiteral("1500"));
        dialog.slotSave();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void cancelWritesNothing()
    {
        const int vehicleId = addVehicle(1000);
        onUpdateDialog([](CUpdateOdometerDialog *dialog) {
            QVERIFY(dialog);
            dialog->odometerEdit()->setText(QStringLiteral("2000"));
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(CUpdateOdometerDialog::newEntry(CVehicle(vehicleId)), 0);
        QCOMPARE(CTableOdometerLog::instance()->count(), 0);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1000);
    }

    void failedSaveTellsUserAndReturnsZero()
    {
        const int vehicleId = addVehicle(1000);
        QVERIFY(db->database->exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON odometerlog BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        typeAndSave(QStringLiteral("2000"));
        QCOMPARE(CUpdateOdometerDialog::newEntry(CVehicle(vehicleId)), 0);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1000);
    }

    void editingMissingReadingTellsUser()
    {
        bool opened = false;
        onUpdateDialog([&opened](CUpdateOdometerDialog *dialog) {
            opened = dialog != nullptr;
            if (dialog)
                dialog->reject();
        });
        QVERIFY(!editOdometerEntry(4711));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(CTableOdometerLog::instance()->count(), 0);
    }

    // A reading whose fuel entry was deleted used to open an empty fuel
    // dialog, whose save inserted a new entry.
    void orphanReadingOpensUpdateDialog()
    {
        const int vehicleId = addVehicle(1000);
        const int orphan = addReading(vehicleId, QDate(2024, 1, 1), 900, COdometerLog::FuelParent, 99);
        int fuelEditorCalls = 0;
        OdometerEntryEditors::setEditor(COdometerLog::FuelParent, [&fuelEditorCalls](int parentId) {
            ++fuelEditorCalls;
            return parentId;
        });

        typeAndSave(QStringLiteral("950"));
        QVERIFY(editOdometerEntry(orphan));
        QCOMPARE(fuelEditorCalls, 0);
        QCOMPARE(COdometerLog(orphan).odometer(), 950);
        QCOMPARE(COdometerLog(orphan).parentType(), int(COdometerLog::FuelParent));
        QCOMPARE(CTableFuelLog::instance()->count(), 0);
    }

    void readingWithParentOpensParentEditor()
    {
        const int vehicleId = addVehicle(1000);
        const int fuelId = CTableFuelLog::instance()->insert({vehicleId}, {CTableFuelLog::instance()->column(1)});
        QVERIFY(fuelId != 0);
        const int reading = addReading(vehicleId, QDate(2024, 1, 1), 1100, COdometerLog::FuelParent, fuelId);

        // No editor registered for the kind: nothing opens.
        QVERIFY(!editOdometerEntry(reading));

        QList<int> edited;
        OdometerEntryEditors::setEditor(COdometerLog::FuelParent, [&edited](int parentId) {
            edited << parentId;
            return edited.size() == 1 ? parentId : 0; // saved, then cancelled
        });
        QVERIFY(editOdometerEntry(reading));
        QVERIFY(!editOdometerEntry(reading));
        QCOMPARE(edited, (QList<int>{fuelId, fuelId}));
    }

    void listShowsVehicleReadingsNewestFirst()
    {
        const int vehicleId = addVehicle(0);
        const int otherId = addVehicle(0);
        addReading(vehicleId, QDate(2024, 1, 1), 100);
        addReading(vehicleId, QDate(2024, 2, 1), 300, COdometerLog::NoteParent, 1);
        addReading(vehicleId, QDate(2024, 2, 1), 350, COdometerLog::ExpenseParent, 1);
        addReading(otherId, QDate(2024, 3, 1), 999);

        COdometerLogTableView view;
        view.setVehicle(CVehicle(vehicleId));
        QCOMPARE(listedOdometers(view), (QList<int>{350, 300, 100}));
        QVERIFY(view.isColumnHidden(CTableOdometerLog::Id));
        QVERIFY(view.isColumnHidden(CTableOdometerLog::VehicleId));
        QVERIFY(view.isColumnHidden(CTableOdometerLog::ParentId));
        QCOMPARE(view.horizontalHeader()->logicalIndex(0), int(CTableOdometerLog::ParentType));

        // Still so after a reload.
        view.refresh();
        QVERIFY(view.isColumnHidden(CTableOdometerLog::Id));
        QCOMPARE(view.horizontalHeader()->logicalIndex(0), int(CTableOdometerLog::ParentType));
    }

    void listReloadsOnceForVehicleCascade()
    {
        const int vehicleId = addVehicle(0);
        for (int i = 0; i < 40; ++i)
            addReading(vehicleId, QDate(2024, 1, 1).addDays(i), i);
        COdometerLogTableView view;
        view.setVehicle(CVehicle(vehicleId));
        view.show();
        QCOMPARE(view.readingModel()->rowCount(), 40);

        const int loads = view.loadCount();
        QVERIFY(CTableVehicle::instance()->removeVehicle(vehicleId));
        QCoreApplication::processEvents();
        QCOMPARE(view.loadCount(), loads + 1);
        QCOMPARE(view.readingModel()->rowCount(), 0);

        // A hidden list waits until it is shown.
        view.hide();
        const int vehicle2 = addVehicle(0);
        view.setVehicle(CVehicle(vehicle2));
        const int hiddenLoads = view.loadCount();
        addReading(vehicle2, QDate(2024, 1, 1), 5);
        QCoreApplication::processEvents();
        QCOMPARE(view.loadCount(), hiddenLoads);
        view.show();
        QCOMPARE(view.loadCount(), hiddenLoads + 1);
        QCOMPARE(listedOdometers(view), QList<int>{5});
    }

    void deleteAsksAndKeepsVehicleValue_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("yes deletes") << int(QMessageBox::Yes) << QList<int>{100};
        QTest::newRow("no keeps") << int(QMessageBox::No) << QList<int>{2000, 100};
    }

    void deleteAsksAndKeepsVehicleValue()
    {
        QFETCH(int, answer);
        QFETCH(QList<int>, left);
        const int vehicleId = addVehicle(0);
        addReading(vehicleId, QDate(2024, 1, 1), 100);
        addReading(vehicleId, QDate(2024, 2, 1), 2000);
        COdometerLogTableView view;
        view.setVehicle(CVehicle(vehicleId));
        view.selectRow(0);

        Prompt::queueAnswer(QMessageBox::StandardButton(answer));
        view.slotDelete();
        QCOMPARE(Prompt::shown().back().title, QStringLiteral("Delete Odometer Entry"));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Warning);
        QCOMPARE(listedOdometers(view), left);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 2000);
    }

    void editAndDeleteWithoutSelectionTellUser()
    {
        COdometerLogTableView view;
        view.setVehicle(CVehicle(addVehicle(0)));
        view.slotEdit();
        view.slotDelete();
        QCOMPARE(Prompt::shown().size(), size_t(2));
        for (const Prompt::Shown &shown : Prompt::shown()) {
            QCOMPARE(shown.text, QStringLiteral("Odometer entry not selected."));
            QCOMPARE(shown.icon, QMessageBox::NoIcon);
        }
    }

    void editKeepsTheReadingSelected()
    {
        const int vehicleId = addVehicle(0);
        addReading(vehicleId, QDate(2024, 1, 1), 100);
        const int edited = addReading(vehicleId, QDate(2024, 2, 1), 200);
        COdometerLogTableView view;
        view.setVehicle(CVehicle(vehicleId));
        QVERIFY(view.selectId(edited));

        // Moved to the bottom of the list by an earlier date.
        onUpdateDialog([](CUpdateOdometerDialog *dialog) {
            QVERIFY(dialog);
            dialog->dateEdit()->setDate(QDate(2023, 1, 1));
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        });
        view.slotEdit();
        QCOMPARE(view.currentId(), edited);
        QCOMPARE(listedOdometers(view), (QList<int>{100, 200}));
    }

    void columnWidthsPersist()
    {
        {
            COdometerLogTableView view;
            view.setColumnWidth(CTableOdometerLog::Odometer, 123);
        }
        CConfiguration::instance()->setGroup(Config::Group::OdometerLogColumns);
        QCOMPARE(CConfiguration::instance()->value(Config::Key::column(CTableOdometerLog::Odometer)).toInt(), 123);
        COdometerLogTableView restored;
        QCOMPARE(restored.columnWidth(CTableOdometerLog::Odometer), 123);
    }
};

GARVO_TEST_MAIN(TestOdometerLogWidgets)
#include "tst_odometerlogwidgets.moc"
