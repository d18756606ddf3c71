#include "../database/testdatabase.h"
#include "fueltestdata.h"
#include "testsupport.h"

#include "database/fuellog.h"
#include "database/odometerlog.h"
#include "database/tablefuellog.h"
#include "database/vehicle.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/wizard/drivingconditionboxes.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using Utility::Prompt;

// The fuel entry dialog driven through its widgets: live derivations,
// pre-filling, validation and the save.
class TestFuelLogDialog : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    CFuelLogDialog *dialog = nullptr;
    CVehicle vehicle;

    QLineEdit *edit(const char *name) { return dialog->findChild<QLineEdit *>(QLatin1String(name)); }
    QString text(const char *name) { return edit(name)->text(); }
    QString efficiencyText() { return dialog->findChild<QLabel *>(QStringLiteral("efficiencyLabel"))->text(); }

    void type(const char *name, const QString &value)
    {
        QLineEdit *field = edit(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, value);
    }

    int addPriced(int fuelType, int odometer, double price, int tires = 0, int routes = 0)
    {
        FuelTestData::Entry values;
        values.fuelType = fuelType;
        values.odometer = odometer;
        values.price = price;
        values.quantity = 32.5;
        values.total = 24.38;
        values.tires = tires;
        values.routes = routes;
        return FuelTestData::addEntry(vehicle, values);
    }

    void openNew(int fuelType)
    {
        dialog->setVehicle(vehicle);
        dialog->selectFuelType(fuelType);
        dialog->openEntry(0);
    }

    int rows(const QString &table)
    {
        return db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        resetCurrency();
        FuelTestData::setUnits(1, 1);
        Prompt::setScripted(true);
        Prompt::clearShown();
        Utility::Clock::setToday(QDate(2024, 6, 15));
        vehicle = FuelTestData::addVehicle(2);
        dialog = new CFuelLogDialog;
    }

    void cleanup()
    {
        delete dialog;
        dialog = nullptr;
        Utility::Clock::reset();
        delete db;
        db = nullptr;
        resetCurrency();
    }

    void liveDerivations_data()
    {
        QTest::addColumn<QString>("odometer");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("efficiency");

        QTest::newRow("distance from the previous odometer, quantity from total / price")
            << "1400" << "1.5" << "60" << "400" << "40.00" << "10.00 Litre / 100 km";
        QTest::newRow("odometer below the previous one clamps the distance at 0")
            << "900" << "1.5" << "60" << "0" << "40.00" << "0.00 Litre / 100 km";
        QTest::newRow("a price with an empty total gives quantity 0.00")
            << "1400" << "1.25" << "" << "400" << "0.00" << "0.00 Litre / 100 km";
        QTest::newRow("quantity has two decimals: 10 / 3")
            << "1300" << "3" << "10" << "300" << "3.33" << "1.11 Litre / 100 km";
    }

    void liveDerivations()
    {
        QFETCH(QString, odometer);
        QFETCH(QString, price);
        QFETCH(QString, total);
        QFETCH(QString, distance);
        QFETCH(QString, quantity);
        QFETCH(QString, efficiency);

        addPriced(1, 1000, 1.5);
        openNew(1);
        QCOMPARE(dialog->previousOdometer(), 1000);
        type("odometerEdit", odometer);
        type("priceEdit", price);
        type("totalEdit", total);
        QCOMPARE(text("distanceEdit"), distance);
        QCOMPARE(text("quantityEdit"), quantity);
        QCOMPARE(efficiencyText(), efficiency);
    }

    void typingTheQuantityGivesTheTotal()
    {
        openNew(1);
        type("priceEdit", QStringLiteral("1.25"));
        type("quantityEdit", QStringLiteral("40"));
        QCOMPARE(text("totalEdit"), QStringLiteral("50.00"));
        QCOMPARE(text("quantityEdit"), QStringLiteral("40"));
    }

    void firstEntryOfAFuelLeavesTheDistanceToTheUser()
    {
        addPriced(1, 5000, 1.5);
        openNew(2);
        QCOMPARE(dialog->previousOdometer(), -1);
        QVERIFY(text("priceEdit").isEmpty());
        type("odometerEdit", QStringLiteral("5100"));
        QVERIFY(text("distanceEdit").isEmpty());
    }

    void newEntryTakesPriceAndCodesFromThePreviousEntry()
    {
        addPriced(2, 800, 1.239, 2, 5);
        addPriced(2, 900, 0.659, 3, 6);
        openNew(2);
        QCOMPARE(text("priceEdit"), QStringLiteral("0.66"));
        QCOMPARE(dialog->findChild<CTiresGroupBox *>()->value(), 3);
        QCOMPARE(dialog->findChild<CRoutesGroupBox *>()->value(), 6);
        QCOMPARE(dialog->findChild<QDateEdit *>()->date(), QDate(2024, 6, 15));
        QVERIFY(text("odometerEdit").isEmpty());
        QVERIFY(text("quantityEdit").isEmpty());
        QVERIFY(efficiencyText().isEmpty());
        auto *fuel = dialog->findChild<QComboBox *>(QStringLiteral("fuelTypeCombo"));
        QCOMPARE(fuel->currentText(), QStringLiteral("LPG"));
        QVERIFY(!fuel->isEnabled());
    }

    void editingShowsTheStoredValuesWithoutDerivingNewOnes()
    {
        const int id = addPriced(1, 1200, 0.75);
        addPriced(1, 1000, 0.75);
        dialog->openEntry(id);
        // 24.38 / 0.75 would be 32.51: filling the fields must not recompute.
        QCOMPARE(text("quantityEdit"), QStringLiteral("32.50"));
        QCOMPARE(text("totalEdit"), QStringLiteral("24.38"));
        QCOMPARE(text("distanceEdit"), QStringLiteral("500"));
        QCOMPARE(efficiencyText(), QStringLiteral("6.5 Per Distance (Litre / 100 km)"));
        QCOMPARE(dialog->previousOdometer(), 1000);

        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        QCOMPARE(dialog->savedId(), id);
        const CFuelLog stored(id);
        QCOMPARE(stored.quantity(), 32.5);
        QCOMPARE(stored.totalCost(), 24.38);
        QCOMPARE(rows(QStringLiteral("fuellog")), 2);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 2);
    }

    void saveStoresTheTwoDecimalQuantityAndItsReading()
    {
        addPriced(2, 1000, 3.0);
        openNew(2);
        type("odometerEdit", QStringLiteral("1300"));
        type("priceEdit", QStringLiteral("3"));
        type("totalEdit", QStringLiteral("10"));
        dialog->findChild<QPlainTextEdit *>()->setPlainText(QStringLiteral("<b>50%</b> 'tank'"));
        dialog->findChild<CExtrasGroupBox *>()->setValue(3);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const CFuelLog stored(dialog->savedId());
        QCOMPARE(stored.fuelType(), 2);
        QCOMPARE(stored.quantity(), 3.33);
        QCOMPARE(stored.distance(), 300);
        QCOMPARE(stored.efficiency(), 1.11);
        QCOMPARE(stored.extras(), 3u);
        QCOMPARE(stored.date(), QDate(2024, 6, 15));
        QCOMPARE(stored.description(), QStringLiteral("<b>50%</b> 'tank'"));
        const COdometerLog reading = COdometerLog::byParent(COdometerLog::FuelParent, stored.id());
        QCOMPARE(reading.odometer(), 1300);
        QCOMPARE(reading.description(), QStringLiteral("LPG: 3.33 litre | $ 10.00"));
    }

    void unusableFieldsBlockSave_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");

        QTest::newRow("empty price") << "priceEdit" << "";
        QTest::newRow("German decimal comma in the total") << "totalEdit" << "1,5";
        QTest::newRow("thousands separator in the odometer") << "odometerEdit" << "12,345";
        QTest::newRow("negative distance") << "distanceEdit" << "-4";
        QTest::newRow("letters in the quantity") << "quantityEdit" << "lots";
    }

    void unusableFieldsBlockSave()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);

        openNew(1);
        const QMap<QString, QString> values{{QStringLiteral("odometerEdit"), QStringLiteral("12345")},
                                            {QStringLiteral("distanceEdit"), QStringLiteral("0")},
                                            {QStringLiteral("priceEdit"), QStringLiteral("1.50")},
                                            {QStringLiteral("quantityEdit"), QStringLiteral("10.00")},
                                            {QStringLiteral("totalEdit"), QStringLiteral("15.00")}};
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            edit(qPrintable(it.key()))->setText(it.key() == field ? value : it.value());
        // Typing is limited to digits and one point.
        QLineEdit *target = edit(qPrintable(field));
        target->clear();
        QTest::keyClicks(target, QStringLiteral("-,x"));
        QCOMPARE(target->text(), QString());
        // Text put there by other means (pasted, set) is checked on Save.
        target->setText(value);

        dialog->slotSave();
        QCOMPARE(dialog->savedId(), 0);
        QVERIFY(dialog->result() != QDialog::Accepted);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 0);
        // Only the label of that field turns red.
        QList<QWidget *> red;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->styleSheet() == QStringLiteral("QLabel {color:#f00;}"))
                red.append(label);
        QWidget *fieldLabel = nullptr;
        for (QFormLayout *form : dialog->findChildren<QFormLayout *>())
            fieldLabel = fieldLabel ? fieldLabel : form->labelForField(target);
        QCOMPARE(red, QList<QWidget *>{fieldLabel});
        QVERIFY(Prompt::shown().empty());
    }

    void failedSaveTellsTheUserAndWritesNothing()
    {
        QVERIFY(db->database->exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON odometerlog BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
        openNew(1);
        type("odometerEdit", QStringLiteral("100"));
        type("distanceEdit", QStringLiteral("100"));
        type("priceEdit", QStringLiteral("2"));
        type("totalEdit", QStringLiteral("20"));
        dialog->slotSave();

        QCOMPARE(dialog->savedId(), 0);
        QVERIFY(dialog->result() != QDialog::Accepted);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 0);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);

        // The typed values stay; once the fault is gone the same Save works.
        QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER refuse")));
        dialog->slotSave();
        QVERIFY(dialog->savedId() != 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 1);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 1);
    }

    void hourBasedVehicleShowsLitresPerHour()
    {
        dialog->setVehicle(FuelTestData::addVehicle(1, 3));
        dialog->openEntry(0);
        type("distanceEdit", QStringLiteral("4"));
        type("priceEdit", QStringLiteral("2"));
        type("totalEdit", QStringLiteral("60"));
        QCOMPARE(efficiencyText(), QStringLiteral("7.50 Litre / hour"));
        QCOMPARE(dialog->efficiency(), 7.5);
    }
};

GARVO_TEST_MAIN(TestFuelLogDialog)
#include "tst_fuellogdialog.moc"
