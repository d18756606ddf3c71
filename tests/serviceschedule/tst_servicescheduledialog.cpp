#include "../database/testdatabase.h"
#include "scheduletestdata.h"
#include "testsupport.h"

#include "database/tableserviceschedule.h"
#include "modules/vehicle/serviceschedule/servicescheduledialog.h"
#include "modules/vehicle/serviceschedule/servicescheduleform.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using namespace ScheduleTestData;

// The schedule dialog driven through its widgets: what it proposes, what
// Save stores for each due choice, and what it refuses.
class TestServiceScheduleDialog : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    CServiceScheduleDialog *dialog = nullptr;

    template<typename T>
    T *field(const char *name) const
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no field %s", name);
        return widget;
    }
    QLineEdit *edit(const char *name) const { return field<QLineEdit>(name); }
    QCheckBox *check(const char *name) const
    {
        // The repeat box is named after its state, as captions are.
        if (qstrcmp(name, "repeatCheck") == 0) {
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
                if (box->text() == QLatin1String("Repeat Every:"))
                    return box;
            }
        }
        return field<QCheckBox>(name);
    }

    QVariant stored(int id, const char *column) const
    {
        return db->scalar(QStringLiteral("SELECT service_schedule_%1 FROM service_schedule WHERE service_schedule_id=?")
                              .arg(QLatin1String(column)),
                          {id});
    }

    int rows() const { return CTableServiceSchedule::instance()->count(); }

private slots:
    void init()
    {
        db = new TestDatabase;
        Utility::Clock::setToday(QDate(2024, 3, 15));
        Utility::Prompt::setScripted(true);
        dialog = new CServiceScheduleDialog;
    }

    void cleanup()
    {
        delete dialog;
        Utility::Prompt::clearShown();
        Utility::Clock::reset();
        delete db;
    }

    void newScheduleProposals_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("dueOdometer");
        QTest::addColumn<QString>("reminderDistance");
        QTest::addColumn<QString>("repeatDistance");

        QTest::newRow("km: steps of 1000") << 1 << "17000" << "1000" << "5000";
        QTest::newRow("hours: steps of 10") << 3 << "12050" << "10" << "50";
    }

    void newScheduleProposals()
    {
        QFETCH(int, unit);

        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 12000, unit);
        dialog->openEntry(0, vehicle.id());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("New ServiceSchedule"));
        QVERIFY(check("dueDateCheck")->isChecked());
        QVERIFY(check("dueOdometerCheck")->isChecked());
        QCOMPARE(field<QDateEdit>("dueDateEdit")->date(), QDate(2024, 4, 15));
        QTEST(edit("dueOdometerEdit")->text(), "dueOdometer");
        QCOMPARE(edit("reminderCountEdit")->text(), QStringLiteral("1"));
        QCOMPARE(field<QComboBox>("reminderUnitCombo")->currentText(), QStringLiteral("months"));
        QTEST(edit("reminderDistanceEdit")->text(), "reminderDistance");
        QVERIFY(!check("repeatCheck")->isChecked());
        QCOMPARE(edit("repeatCountEdit")->text(), QStringLiteral("1"));
        QTEST(edit("repeatDistanceEdit")->text(), "repeatDistance");
        QVERIFY(!edit("repeatCountEdit")->isEnabled());
        QVERIFY(!edit("repeatDistanceEdit")->isEnabled());
    }

    // What Save stores for each due choice: the bits of the chosen kinds,
    // their columns, and the reminder and repeat of those kinds only.
    void saveStoresTheChosenKinds_data()
    {
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<bool>("byOdometer");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("dueDate");
        QTest::addColumn<int>("dueOdometer");
        QTest::addColumn<QString>("reminderDate");
        QTest::addColumn<int>("reminderOdometer");
        QTest::addColumn<QString>("repeatPeriod");
        QTest::addColumn<int>("repeatOdometer");

        QTest::newRow("by date only") << true << false << 1 << "2024-04-15" << -1 << "2024-04-01" << -1 << "3|M" << -1;
        QTest::newRow("by distance only") << false << true << 2 << "" << 17000 << "" << 16000 << "1|M" << 10000;
        QTest::newRow("whichever comes first")
            << true << true << 3 << "2024-04-15" << 17000 << "2024-04-01" << 16000 << "3|M" << 10000;
    }

    void saveStoresTheChosenKinds()
    {
        QFETCH(bool, byDate);
        QFETCH(bool, byOdometer);
        QFETCH(int, type);

        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 12000);
        dialog->openEntry(0, vehicle.id());
        edit("nameEdit")->setText(QStringLiteral("Oil \"5W-30\" 100%"));
        check("dueDateCheck")->setChecked(byDate);
        check("dueOdometerCheck")->setChecked(byOdometer);
        QCOMPARE(edit("reminderCountEdit")->isEnabled(), byDate);
        QCOMPARE(edit("reminderDistanceEdit")->isEnabled(), byOdometer);
        edit("reminderCountEdit")->setText(QStringLiteral("2"));
        field<QComboBox>("reminderUnitCombo")->setCurrentIndex(1);
        check("repeatCheck")->setChecked(true);
        QCOMPARE(edit("repeatCountEdit")->isEnabled(), byDate);
        QCOMPARE(edit("repeatDistanceEdit")->isEnabled(), byOdometer);
        edit("repeatCountEdit")->setText(QStringLiteral("3"));
        edit("repeatDistanceEdit")->setText(QStringLiteral("10000"));

        dialog->slotSave();
        const int id = dialog->savedId();
        QVERIFY(id != 0);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(stored(id, "name").toString(), QStringLiteral("Oil \"5W-30\" 100%"));
        QCOMPARE(stored(id, "vehicle_id").toInt(), vehicle.id());
        QCOMPARE(stored(id, "due_type").toInt(), type);
        QTEST(stored(id, "due_date").toString(), "dueDate");
        QTEST(stored(id, "due_odometer").toInt(), "dueOdometer");
        QCOMPARE(stored(id, "reminder_type").toInt(), type);
        QTEST(stored(id, "reminder_date").toString(), "reminderDate");
        QTEST(stored(id, "reminder_odometer").toInt(), "reminderOdometer");
        QCOMPARE(stored(id, "repeat_type").toInt(), type);
        QTEST(stored(id, "repeat_period").toString(), "repeatPeriod");
        QTEST(stored(id, "repeat_odometer").toInt(), "repeatOdometer");
        QCOMPARE(stored(id, "status").toInt(), 1);
        QCOMPARE(stored(id, "last_check_odometer").toInt(), -1);

        // Opened again, the dialog shows what was stored.
        dialog->openEntry(id);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit ServiceSchedule"));
        QCOMPARE(check("dueDateCheck")->isChecked(), byDate);
        QCOMPARE(check("dueOdometerCheck")->isChecked(), byOdometer);
        QCOMPARE(edit("reminderCountEdit")->text(), byDate ? QStringLiteral("2") : QString());
        QCOMPARE(field<QComboBox>("reminderUnitCombo")->currentIndex(), byDate ? 1 : 2);
        QCOMPARE(edit("reminderDistanceEdit")->text(), byOdometer ? QStringLiteral("1000") : QString());
        QVERIFY(check("repeatCheck")->isChecked());
        QCOMPARE(edit("repeatCountEdit")->text(), byDate ? QStringLiteral("3") : QString());
        QCOMPARE(edit("repeatDistanceEdit")->text(), byOdometer ? QStringLiteral("10000") : QString());
    }

    void editKeepsTheColumnsOfAKindSwitchedOff()
    {
        const CServiceSchedule schedule =
            addSchedule(addVehicle(), Plan().dueOn(QDate(2024, 3, 31)).dueAt(9000).remindOn(QDate(2024, 2, 29)));

        dialog->openEntry(schedule.id());
        // One month before 2024-03-31 was stored as 2024-02-29: 31 days.
        QCOMPARE(edit("reminderCountEdit")->text(), QStringLiteral("31"));
        QCOMPARE(field<QComboBox>("reminderUnitCombo")->currentIndex(), 0);
        QCOMPARE(edit("reminderDistanceEdit")->text(), QString());
        check("dueDateCheck")->setChecked(false);
        dialog->slotSave();
        QCOMPARE(dialog->savedId(), schedule.id());
        QCOMPARE(stored(schedule.id(), "due_type").toInt(), 2);
        QCOMPARE(stored(schedule.id(), "reminder_type").toInt(), 0);
        QCOMPARE(stored(schedule.id(), "due_date").toString(), QStringLiteral("2024-03-31"));
        QCOMPARE(rows(), 1);
    }

    void saveRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");

        QTest::newRow("blank name") << "nameEdit" << "   " << "Name:";
        QTest::newRow("negative due odometer") << "dueOdometerEdit" << "-5" << "Next Due:";
        QTest::newRow("decimal comma") << "dueOdometerEdit" << "12,5" << "Next Due:";
        QTest::newRow("exponent") << "dueOdometerEdit" << "1e4" << "Next Due:";
        QTest::newRow("empty due odometer") << "dueOdometerEdit" << "" << "Next Due:";
        QTest::newRow("beyond int") << "dueOdometerEdit" << "99999999999" << "Next Due:";
        QTest::newRow("reminder count not a number") << "reminderCountEdit" << "one" << "Show Reminder:";
        QTest::newRow("reminder beyond the due odometer") << "reminderDistanceEdit" << "20000" << "Show Reminder:";
        QTest::newRow("negative repeat distance") << "repeatDistanceEdit" << "-100" << "Repeat Every:";
        QTest::newRow("repeat every 0") << "repeatCountEdit" << "0" << "Repeat Every:";
    }

    void saveRefusesWhatItCannotRead()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        QFETCH(QString, caption);

        const CVehicle vehicle = addVehicle(QStringLiteral("Golf"), 12000);
        dialog->openEntry(0, vehicle.id());
        edit("nameEdit")->setText(QStringLiteral("Oil"));
        check("repeatCheck")->setChecked(true);
        edit(qPrintable(fieldName))->setText(text);
        dialog->slotSave();

        QCOMPARE(dialog->savedId(), 0);
        QCOMPARE(rows(), 0);
        const QList<QWidget *> marked = dialog->findChildren<QWidget *>(QStringLiteral("errorLabel"));
        QLabel *reason = nullptr;
        QStringList captions;
        for (QWidget *widget : marked) {
            auto *label = qobject_cast<QLabel *>(widget);
            if (label && label->wordWrap())
                reason = label;
            else
                captions.append(label ? label->text() : qobject_cast<QCheckBox *>(widget)->text());
        }
        QVERIFY(reason && !reason->isHidden() && !reason->text().isEmpty());
        QCOMPARE(captions, QStringList{caption});
        QVERIFY(Utility::Prompt::shown().empty());
    }

    void saveNeedsADueKindAndARepeatInterval()
    {
        const CVehicle vehicle = addVehicle();
        dialog->openEntry(0, vehicle.id());
        edit("nameEdit")->setText(QStringLiteral("Oil"));
        check("dueDateCheck")->setChecked(false);
        check("dueOdometerCheck")->setChecked(false);
        dialog->slotSave();
        QCOMPARE(dialog->savedId(), 0);

        check("dueOdometerCheck")->setChecked(true);
        check("repeatCheck")->setChecked(true);
        edit("repeatDistanceEdit")->clear();
        // The repeat count belongs to the date, which is not chosen.
        edit("repeatCountEdit")->setText(QStringLiteral("2"));
        dialog->slotSave();
        QCOMPARE(dialog->savedId(), 0);
        QCOMPARE(check("repeatCheck")->objectName(), QStringLiteral("errorLabel"));

        check("repeatCheck")->setChecked(false);
        dialog->slotSave();
        QVERIFY(dialog->savedId() != 0);
        QCOMPARE(stored(dialog->savedId(), "repeat_type").toInt(), 0);
        QCOMPARE(check("repeatCheck")->objectName(), QStringLiteral("QCheckBox"));
    }

    void aScheduleDeletedWhileEditedIsNotBroughtBack()
    {
        const CServiceSchedule schedule = addSchedule(addVehicle(), Plan().dueOn(QDate(2024, 5, 1)));
        dialog->openEntry(schedule.id());
        QVERIFY(CTableServiceSchedule::instance()->remove(schedule.id()));
        dialog->slotSave();
        QCOMPARE(dialog->savedId(), 0);
        QCOMPARE(rows(), 0);
        QCOMPARE(Utility::Prompt::shown().size(), size_t(1));
        QCOMPARE(Utility::Prompt::shown().front().icon, QMessageBox::Critical);
    }
};

GARVO_TEST_MAIN(TestServiceScheduleDialog)
#include "tst_servicescheduledialog.moc"
