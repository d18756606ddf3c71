#include "../database/testdatabase.h"
#include "testsupport.h"

#include "backup/backup.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "modules/backup/backupactions.h"
#include "modules/backup/restorebackupdialog.h"
#include "modules/garage/garagemodule.h"
#include "modules/garage/vehiclewidget.h"
#include "modules/garage/vehiclewidgetlist.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using Utility::Prompt;

// The backups as the user meets them: the restore dialog, the copy before a
// vehicle is deleted, "Back up now..." and a failing copy.
class TestBackupGui : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int addVehicle(const QString &name)
    {
        CVehicle vehicle;
        vehicle.setName(name);
        vehicle.setTypeId(1);
        return vehicle.save();
    }

    int vehicles() const { return db->database->count(QStringLiteral("vehicle")); }

    CBackupStore store() const { return CBackupStore(db->path()); }

    QString backUpOn(const QDate &day)
    {
        Utility::Clock::setNow(QDateTime(day, QTime(9, 30)));
        return store().backUp(CBackupFile::Daily).fileName;
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        QVERIFY(seedVehicleTypes());
        Prompt::setScripted(true);
        Prompt::clearShown();
    }

    void cleanup()
    {
        Prompt::setScripted(false);
        Utility::Clock::reset();
        delete db;
        db = nullptr;
    }

    void restoreDialogRestoresTheChosenDayOnlyWhenConfirmed()
    {
        addVehicle(QStringLiteral("Golf"));
        const QString monday = backUpOn(QDate(2026, 3, 2));
        addVehicle(QStringLiteral("Polo"));
        const QString tuesday = backUpOn(QDate(2026, 3, 3));
        addVehicle(QStringLiteral("Up"));
        QFile damaged(tuesday);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        QVERIFY(damaged.resize(damaged.size() / 2));
        damaged.close();

        CRestoreBackupDialog dialog(store());
        QTreeWidget *list = dialog.list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QTreeWidgetItem *broken = list->topLevelItem(0);
        QTreeWidgetItem *good = list->topLevelItem(1);
        QCOMPARE(good->text(CRestoreBackupDialog::Vehicles), QStringLiteral("1"));
        QVERIFY(!broken->toolTip(0).isEmpty());

        // The newest copy that can be restored is picked to begin with;
        // the damaged one cannot be picked at all.
        QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>{good});
        list->clearSelection();
        list->setCurrentItem(broken);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!dialog.restoreButton()->isEnabled());

        list->setCurrentItem(good);
        QVERIFY(dialog.restoreButton()->isEnabled());
        // No answer given: the question's default, No, keeps everything.
        dialog.restoreButton()->click();
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Question);
        QCOMPARE(vehicles(), 3);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        Utility::Clock::setNow(QDateTime(QDate(2026, 3, 4), QTime(10, 0)));
        Prompt::queueAnswer(QMessageBox::Yes);
        dialog.restoreButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(vehicles(), 1);
        QCOMPARE(CVehicle::list().value(0).name(), QStringLiteral("Golf"));
        // What was replaced is the newest copy now.
        const QList<CBackupFile> copies = store().list();
        QCOMPARE(copies.first().reason(), CBackupFile::BeforeRestore);
        QCOMPARE(CBackupContents::inspect(copies.first().path()).vehicles, 3);
        QVERIFY(QFileInfo::exists(monday));
    }

    void vehicleIsBackedUpBeforeItIsDeleted()
    {
        const int doomed = addVehicle(QStringLiteral("Doomed"));
        addVehicle(QStringLiteral("Kept"));
        CGarageModule garage;
        QVERIFY(garage.enterModule());
        CVehicleWidget *card = nullptr;
        for (CVehicleWidget *widget : garage.vehicleList()->widgets()) {
            if (widget->vehicleId() == doomed)
                card = widget;
        }
        QVERIFY(card);

        Prompt::queueAnswer(QMessageBox::Yes);
        card->deleteButton()->click();
        QCOMPARE(vehicles(), 1);
        const QList<CBackupFile> copies = store().list();
        QCOMPARE(copies.size(), 1);
        QCOMPARE(copies.first().reason(), CBackupFile::BeforeVehicleDeletion);
        QCOMPARE(CBackupContents::inspect(copies.first().path()).vehicles, 2);
    }

    void failedCopyBeforeAChangeAsksAndDefaultsToNo()
    {
        addVehicle(QStringLiteral("Golf"));
        QFile blocker(store().folder().chopped(1));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QVERIFY(!backUpBeforeChange(nullptr, CBackupFile::BeforeVehicleDeletion));
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Warning);
        Prompt::queueAnswer(QMessageBox::Yes);
        QVERIFY(backUpBeforeChange(nullptr, CBackupFile::BeforeVehicleDeletion));

        // The daily copy says so once and goes on.
        Prompt::clearShown();
        runDailyBackup(nullptr);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QVERIFY(Prompt::shown().back().text.contains(QDir::toNativeSeparators(store().folder())));

        // Nothing to keep without a database file.
        QVERIFY(backUpBeforeChange(nullptr, CBackupFile::BeforeUpdate, db->folderPath() + QStringLiteral("/none.db")));
    }

    void backUpNowWritesTheChosenFile()
    {
        addVehicle(QStringLiteral("Golf"));
        const QString chosen = db->folderPath() + QStringLiteral("/my records.db");
        Prompt::queueFileName(chosen);
        backUpNow(nullptr);
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Information);
        QCOMPARE(CBackupContents::inspect(chosen).vehicles, 1);

        // Cancelling the file dialog writes nothing and says nothing.
        Prompt::clearShown();
        Prompt::queueFileName(QString());
        backUpNow(nullptr);
        QVERIFY(Prompt::shown().empty());
    }
};

GARVO_TEST_MAIN(TestBackupGui)
#include "tst_backupgui.moc"
