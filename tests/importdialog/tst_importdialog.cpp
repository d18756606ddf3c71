#include "../database/testdatabase.h"
#include "testsupport.h"

#include "backup/backup.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "modules/import/exportdialog.h"
#include "modules/import/importdialog.h"
#include "utility/prompt.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

using Utility::Prompt;

namespace {

// Fuel-ups in the shape a fuel-economy site exports them, newest first: a
// full fill-up after a partial one, a first fill-up, and a row whose date
// does not exist (line 5).
const char FuelUps[] =
    "car_name, model, km/l,  odometer, km, litres, price, city_percentage, fuelup_date, date_added, tags, notes, "
    "missed_fuelup, partial_fuelup, latitude, longitude, brand\r\n"
    "\"Blue estate\",\"Kalm 5\",14.0,10700.0,350,25.0,1.80,50,2025-03-20,2025-03-20 10:00:00,\"\","
    "\"Full after a half, \"\"cash\"\" pump\",0,0,,,\"\"\r\n"
    "\"Blue estate\",\"Kalm 5\",0,10350.0,200,12.5,1.75,50,2025-03-10,2025-03-10 10:00:00,\"\",\"Half tank\",0,1,,,\"\"\r\n"
    "\"Blue estate\",\"Kalm 5\",0,10150.0,0,30.0,1.70,50,2025-03-01,2025-03-01 10:00:00,\"\",\"\",0,0,,,\"\"\r\n"
    "\"Blue estate\",\"Kalm 5\",0,10100.0,0,20.0,1.70,50,2025-02-30,2025-02-30 10:00:00,\"\",\"\",0,0,,,\"\"\r\n";

// Fuel in the shape of a self-hosted tracker's export, whose dates follow
// the server's locale: day and month cannot be told apart.
const char LocaleFuel[] = "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\r\n"
                          "03/04/2025,1000,40.0,60.00,0,True,False,,\r\n"
                          "05/06/2025,1500,35.5,53.25,0,True,False,,\r\n";

} // namespace

// The import and export dialogs as the user meets them, answered through
// the scripted prompts.
class TestImportDialog : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = db->folderPath() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
        return path;
    }

    int count(const QString &table) const { return db->database->count(table); }

    // Picks the file through the file dialog and goes to the preview.
    static bool previewFile(CImportDialog &dialog, const QString &path)
    {
        Prompt::queueFileName(path);
        dialog.addFilesButton()->click();
        if (!dialog.nextButton()->isEnabled()) {
            qWarning("%s", qPrintable(dialog.sourceLabel()->text()));
            return false;
        }
        dialog.nextButton()->click();
        dialog.nextButton()->click();
        return dialog.currentStep() == CImportDialog::PreviewStep;
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        QVERIFY(seedVehicleTypes());
        Prompt::setScripted(true);
    }

    void cleanup()
    {
        Prompt::setScripted(false);
        delete db;
        db = nullptr;
    }

    void importsIntoANewVehicleAndASecondImportAddsNothing()
    {
        const QString path = writeFile(QStringLiteral("fuelups.csv"), FuelUps);
        {
            CImportDialog dialog;
            QVERIFY(previewFile(dialog, path));
            QVERIFY(dialog.sourceLabel()->text().contains(QLatin1String("Fuelly")));
            QVERIFY(dialog.newVehicleButton()->isChecked());
            QCOMPARE(dialog.newVehicleNameEdit()->text(), QStringLiteral("Blue estate"));

            const ImportKindPreview &fuel = dialog.preview().kind(ImportKind::Fuel);
            QCOMPARE(fuel.toImport, 3);
            QCOMPARE(fuel.alreadyPresent, 0);
            QCOMPARE(fuel.unreadable, 1);
            QCOMPARE(dialog.countTable()->rowCount(), 1);
            QCOMPARE(dialog.countTable()->item(0, CImportDialog::UnreadableColumn)->text(), QStringLiteral("1"));
            // The unreadable row is listed with its file and line.
            QTableWidget *problems = dialog.problemTable();
            QCOMPARE(problems->rowCount(), 1);
            QCOMPARE(problems->item(0, 0)->text(), QStringLiteral("fuelups.csv"));
            QCOMPARE(problems->item(0, 1)->text(), QStringLiteral("5"));
            QVERIFY(!problems->item(0, 2)->text().isEmpty());

            dialog.importButton()->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(dialog.importedVehicleId() != 0);
            QCOMPARE(CVehicle(dialog.importedVehicleId()).name(), QStringLiteral("Blue estate"));
        }
        QCOMPARE(count(QStringLiteral("vehicle")), 1);
        QCOMPARE(count(QStringLiteral("fuellog")), 3);
        const int odometerRows = count(QStringLiteral("odometerlog"));

        // The same file again: the vehicle of that name is offered and
        // everything is already there.
        CImportDialog again;
        QVERIFY(previewFile(again, path));
        QVERIFY(again.existingVehicleButton()->isChecked());
        const ImportKindPreview &fuel = again.preview().kind(ImportKind::Fuel);
        QCOMPARE(fuel.toImport, 0);
        QCOMPARE(fuel.alreadyPresent, 3);
        QVERIFY(!again.importButton()->isEnabled());
        again.importButton()->click();
        QCOMPARE(count(QStringLiteral("vehicle")), 1);
        QCOMPARE(count(QStringLiteral("fuellog")), 3);
        QCOMPARE(count(QStringLiteral("odometerlog")), odometerRows);
    }

    void anImportIntoAVehicleWithRecordsBacksThemUpFirst()
    {
        CVehicle vehicle;
        vehicle.setName(QStringLiteral("Blue estate"));
        vehicle.setTypeId(1);
        vehicle.setOdometerType(1);
        QVERIFY(vehicle.save() != 0);

        CImportDialog dialog;
        QVERIFY(previewFile(dialog, writeFile(QStringLiteral("fuelups.csv"), FuelUps)));
        QVERIFY(dialog.existingVehicleButton()->isChecked());
        dialog.importButton()->click();
        QCOMPARE(dialog.importedVehicleId(), vehicle.id());
        QCOMPARE(count(QStringLiteral("fuellog")), 3);
        const QList<CBackupFile> copies = CBackupStore(db->path()).list();
        QCOMPARE(copies.size(), 1);
        QCOMPARE(copies.first().reason(), CBackupFile::BeforeImport);
    }

    void filesThatCannotBeImportedAreRefusedWithAReason()
    {
        const QString text = writeFile(QStringLiteral("shopping.csv"), "item,price\r\nbread,2.10\r\n");
        const QString empty = writeFile(QStringLiteral("empty.csv"), QByteArray());
        for (const QString &path : {text, empty}) {
            CImportDialog dialog;
            Prompt::queueFileName(path);
            dialog.addFilesButton()->click();
            QCOMPARE(dialog.fileList()->count(), 1);
            QVERIFY(!dialog.isRead());
            QVERIFY(!dialog.nextButton()->isEnabled());
            QCOMPARE(dialog.sourceLabel()->objectName(), QStringLiteral("errorLabel"));
            // The file's line in the list says why.
            QVERIFY(dialog.fileList()->item(0)->text().size() > QFileInfo(path).fileName().size() + 2);
            dialog.nextButton()->click();
            QCOMPARE(dialog.currentStep(), int(CImportDialog::FilesStep));
        }

        // One good file with one of another source: neither is read.
        CImportDialog mixed;
        mixed.setFiles({writeFile(QStringLiteral("fuelups.csv"), FuelUps), text});
        QVERIFY(!mixed.isRead());
        // Removing the stranger (Delete in the list) reads the rest.
        mixed.fileList()->item(1)->setSelected(true);
        QTest::keyClick(mixed.fileList(), Qt::Key_Delete);
        QCOMPARE(mixed.files().size(), 1);
        QVERIFY(mixed.isRead());
        QVERIFY(mixed.nextButton()->isEnabled());
    }

    void aChangedDateOrderReadsTheFileAgain()
    {
        CImportDialog dialog;
        dialog.setFiles({writeFile(QStringLiteral("gas.csv"), LocaleFuel)});
        QVERIFY(dialog.isRead());
        QComboBox *order = dialog.dateOrderBox();
        QVERIFY(!order->isHidden());
        const DateOrder first = dialog.batch().settings.dateOrder;
        const DateOrder other = first == DateOrder::DayMonthYear ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
        const QDate before = dialog.batch().fuel.value(0).date;
        QVERIFY(before.isValid());

        const int index = order->findData(int(other));
        order->setCurrentIndex(index);
        emit order->activated(index);

        QCOMPARE(dialog.batch().settings.dateOrder, other);
        QCOMPARE(order->currentData().toInt(), int(other));
        QCOMPARE(dialog.batch().fuel.value(0).date, QDate(before.year(), before.day(), before.month()));
        dialog.nextButton()->click();
        dialog.nextButton()->click();
        QCOMPARE(dialog.preview().kind(ImportKind::Fuel).rows.value(0).value(0),
                 dialog.batch().fuel.value(0).date.toString(Qt::ISODate));
    }

    void aCancelledImportLeavesTheDatabaseUnchanged()
    {
        const QString path = writeFile(QStringLiteral("fuelups.csv"), FuelUps);
        CImportDialog dialog;
        QVERIFY(previewFile(dialog, path));
        connect(&dialog, &CImportDialog::importProgress, &dialog, &CImportDialog::slotCancelImport);
        dialog.importButton()->click();

        QCOMPARE(count(QStringLiteral("vehicle")), 0);
        QCOMPARE(count(QStringLiteral("fuellog")), 0);
        QCOMPARE(count(QStringLiteral("odometerlog")), 0);
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(dialog.importedVehicleId(), 0);
        QVERIFY(!Prompt::shown().empty());
        QVERIFY(Prompt::shown().back().text.contains(QLatin1String("Nothing was imported")));
        // The user may still import.
        QVERIFY(dialog.importButton()->isEnabled());
    }

    void exportWritesTheArchiveAtTheChosenPathOrSaysWhyNot()
    {
        CVehicle vehicle;
        vehicle.setName(QStringLiteral("Estate"));
        vehicle.setTypeId(1);
        QVERIFY(vehicle.save() != 0);

        const QString path = db->folderPath() + QStringLiteral("/records");
        CExportDialog dialog;
        dialog.oneButton()->setChecked(true);
        QCOMPARE(dialog.vehicleIds(), QList<int>{vehicle.id()});
        Prompt::queueFileName(path);
        dialog.exportButton()->click();
        // The missing suffix is added.
        QVERIFY(QFileInfo(path + QStringLiteral(".zip")).size() > 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Information);

        CExportDialog failing;
        Prompt::queueFileName(db->folderPath() + QStringLiteral("/no such folder/records.zip"));
        failing.exportButton()->click();
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Critical);
        QVERIFY(failing.result() != QDialog::Accepted);
    }
};

GARVO_TEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
