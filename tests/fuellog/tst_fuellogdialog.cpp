#include "../database/testdatabase.h"
#include "fueltestdata.h"
#include "testsupport.h"

#include "database/odometerlog.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/wizard/drivingconditionboxes.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace FuelTestData;
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

    QLineEdit *edit(const QString &name) { return dialog->findChild<QLineEdit *>(name); }
    QString text(const QString &name) { return edit(name)->text(); }
    QString efficiencyText() { return dialog->findChild<QLabel *>(QStringLiteral("efficiencyLabel"))->text(); }
    QLabel *errorLine() { return dialog->findChild<QLabel *>(QStringLiteral("errorLabel")); }

    void type(const QString &name, const QString &value)
    {
        QLineEdit *field = edit(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, value);
    }

    void openNew(int fuelType)
    {
        dialog->setVehicle(vehicle);
        dialog->selectFuelType(fuelType);
        dialog->openEntry(0);
    }

    void save() { QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton); }

private slots:
    void init()
    {
        db = new TestDatabase;
        prepare();
        Prompt::setScripted(true);
        Prompt::clearShown();
        Utility::Clock::setToday(QDate(2024, 6, 15));
        vehicle = addVehicle(2);
        dialog = new CFuelLogDialog;
    }

    void cleanup()
    {
        delete dialog;
        Utility::Clock::reset();
        delete db;
        resetCurrency();
    }

    void liveDerivations_data()
    {
        QTest::addColumn<QStringList>("typed"); // odometer, price, total
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("efficiency");

        QTest::newRow("distance from the previous odometer, quantity = total / price")
            << QStringList{"1400", "1.5", "60"} << "400" << "40.00" << "10.00 Litre / 100 km";
        QTest::newRow("odometer below the previous one: distance 0")
            << QStringList{"900", "1.5", "60"} << "0" << "40.00" << "";
        QTest::newRow("a price with an empty total: no quantity")
            << QStringList{"1400", "1.25", ""} << "400" << "" << "";
        QTest::newRow("quantity has two decimals: 10 / 3")
            << QStringList{"1300", "3", "10"} << "300" << "3.33" << "1.11 Litre / 100 km";
    }

    void liveDerivations()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, quantity);

        addEntry(vehicle, 1, 1000);
        openNew(1);
        type(QStringLiteral("odometerEdit"), typed.at(0));
        type(QStringLiteral("priceEdit"), typed.at(1));
        type(QStringLiteral("totalEdit"), typed.at(2));
        QTEST(text(QStringLiteral("distanceEdit")), "distance");
        QCOMPARE(text(QStringLiteral("quantityEdit")), quantity);
        QTEST(efficiencyText(), "efficiency");

        // Typing the quantity gives the total instead.
        type(QStringLiteral("quantityEdit"), QStringLiteral("40"));
        QCOMPARE(text(QStringLiteral("totalEdit")), QString::number(40 * typed.at(1).toDouble(), 'f', 2));
    }

    void newEntryIsFilledFromThePreviousEntryOfItsFuel()
    {
        Entry previous{2, 900};
        previous.price = 0.659;
        previous.tires = 3;
        addEntry(vehicle, previous);
        addEntry(vehicle, 1, 5000);

        openNew(2);
        QCOMPARE(text(QStringLiteral("priceEdit")), QStringLiteral("0.66"));
        QCOMPARE(dialog->findChild<CTiresGroupBox *>()->value(), 3);
        QCOMPARE(dialog->findChild<QDateEdit *>()->date(), QDate(2024, 6, 15));
        QVERIFY(text(QStringLiteral("odometerEdit")).isEmpty());
        auto *fuel = dialog->findChild<QComboBox *>();
        QCOMPARE(fuel->currentText(), QStringLiteral("LPG"));
        QVERIFY(!fuel->isEnabled());

        // The first entry of a fuel: no price, the distance is left to the user.
        vehicle = addVehicle(2);
        openNew(2);
        QVERIFY(text(QStringLiteral("priceEdit")).isEmpty());
        type(QStringLiteral("odometerEdit"), QStringLiteral("5100"));
        QVERIFY(text(QStringLiteral("distanceEdit")).isEmpty());
    }

    void editingDoesNotRecomputeTheStoredValues()
    {
        Entry stored{1, 1200, 32.5, 500, 24.38};
        stored.price = 0.75;
        const int id = addEntry(vehicle, stored);
        addEntry(vehicle, 1, 1000);
        dialog->openEntry(id);
        // 24.38 / 0.75 would make the quantity 32.51.
        QCOMPARE(text(QStringLiteral("quantityEdit")), QStringLiteral("32.50"));
        QCOMPARE(text(QStringLiteral("totalEdit")), QStringLiteral("24.38"));
        QCOMPARE(text(QStringLiteral("distanceEdit")), QStringLiteral("500"));
        QCOMPARE(efficiencyText(), QStringLiteral("6.50 Litre / 100 km"));

        save();
        QCOMPARE(dialog->savedId(), id);
        QCOMPARE(CFuelLog(id).quantity(), 32.5);
        QCOMPARE(rows(QStringLiteral("fuellog")), 2);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 2);
    }

    void saveStoresTheQuantityAsWrittenAndItsReading()
    {
        addEntry(vehicle, 2, 1000);
        openNew(2);
        type(QStringLiteral("odometerEdit"), QStringLiteral("1300"));
        type(QStringLiteral("priceEdit"), QStringLiteral("3"));
        type(QStringLiteral("totalEdit"), QStringLiteral("10"));
        dialog->findChild<QPlainTextEdit *>()->setPlainText(QStringLiteral("<b>50%</b> 'tank'"));
        dialog->findChild<CExtrasGroupBox *>()->setValue(3);
        save();

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const CFuelLog stored(dialog->savedId());
        QCOMPARE(stored.fuelType(), 2);
        QCOMPARE(stored.quantity(), 3.33);
        QCOMPARE(stored.efficiency(), 1.11);
        QCOMPARE(stored.extras(), 3u);
        QCOMPARE(stored.date(), QDate(2024, 6, 15));
        QCOMPARE(stored.description(), QStringLiteral("<b>50%</b> 'tank'"));
        QCOMPARE(COdometerLog::byParent(COdometerLog::FuelParent, stored.id()).description(),
                 QStringLiteral("LPG: 3.33 litres | $ 10.00"));
    }

    // "1,5" is one and a half, whatever the system locale: never 15.
    void decimalCommaIsTheDecimalMark()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        openNew(1);
        type(QStringLiteral("odometerEdit"), QStringLiteral("1200"));
        type(QStringLiteral("distanceEdit"), QStringLiteral("400"));
        type(QStringLiteral("priceEdit"), QStringLiteral("1,5"));
        type(QStringLiteral("quantityEdit"), QStringLiteral("42,5"));
        QCOMPARE(text(QStringLiteral("totalEdit")), QStringLiteral("63.75"));
        save();
        QLocale::setDefault(QLocale::c());

        const CFuelLog stored(dialog->savedId());
        QCOMPARE(stored.costPerUnit(), 1.5);
        QCOMPARE(stored.quantity(), 42.5);
        QCOMPARE(stored.totalCost(), 63.75);
    }

    void unusableFieldsBlockSave_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");

        QTest::newRow("empty price") << "priceEdit" << "";
        QTest::newRow("two decimal marks in the total") << "totalEdit" << "1,234.5";
        QTest::newRow("thousands separator in the odometer") << "odometerEdit" << "12,345";
        QTest::newRow("letters in the quantity") << "quantityEdit" << "lots";
    }

    void unusableFieldsBlockSave()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);

        openNew(1);
        for (const char *name : {"odometerEdit", "distanceEdit", "priceEdit", "totalEdit", "quantityEdit"})
            edit(QLatin1String(name))->setText(QStringLiteral("10"));
        // Typing takes digits and one decimal mark only; other text is
        // checked on Save.
        QLineEdit *target = edit(field);
        {
            // Nothing derived from it: only the target is unusable.
            const QSignalBlocker quiet(target);
            target->clear();
            QTest::keyClicks(target, QStringLiteral("-x "));
            QCOMPARE(target->text(), QString());
            target->setText(value);
        }
        save();

        QCOMPARE(dialog->savedId(), 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QWidget *label = nullptr;
        for (QFormLayout *form : dialog->findChildren<QFormLayout *>())
            label = label ? label : form->labelForField(target);
        QList<QWidget *> red;
        for (QLabel *each : dialog->findChildren<QLabel *>())
            if (each->styleSheet() == QStringLiteral("QLabel {color:#f00;}") && each != errorLine())
                red.append(each);
        QCOMPARE(red, QList<QWidget *>{label});
        QVERIFY(errorLine()->text().startsWith(static_cast<QLabel *>(label)->text() + QStringLiteral(": ")));
    }

    // Return moves from field to field and never saves; Ctrl+Return saves
    // from any field, the description included.
    void returnMovesOnCtrlReturnSaves()
    {
        addEntry(vehicle, 1, 1000);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        openNew(1);
        QLineEdit *odometer = edit(QStringLiteral("odometerEdit"));
        QTRY_COMPARE(QApplication::focusWidget(), odometer);
        QTest::keyClicks(odometer, QStringLiteral("1400"));
        QTest::keyClick(odometer, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edit(QStringLiteral("distanceEdit")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edit(QStringLiteral("priceEdit")));
        QCOMPARE(rows(QStringLiteral("fuellog")), 1);
        QVERIFY(dialog->isVisible());
        QVERIFY(errorLine()->text().isEmpty());

        type(QStringLiteral("priceEdit"), QStringLiteral("1.5"));
        type(QStringLiteral("totalEdit"), QStringLiteral("60"));
        auto *description = dialog->findChild<QPlainTextEdit *>();
        description->setFocus();
        QTest::keyClick(description, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(rows(QStringLiteral("fuellog")), 2);
        QCOMPARE(CFuelLog(dialog->savedId()).quantity(), 40.0);
    }

    // Typing into a derived quantity starts a new number: "42", not "40.0042".
    void typingIntoADerivedFieldReplacesIt()
    {
        openNew(1);
        type(QStringLiteral("priceEdit"), QStringLiteral("1.5"));
        type(QStringLiteral("totalEdit"), QStringLiteral("60"));
        QLineEdit *quantity = edit(QStringLiteral("quantityEdit"));
        QCOMPARE(quantity->text(), QStringLiteral("40.00"));
        quantity->setFocus();
        quantity->end(false);
        QTest::keyClicks(quantity, QStringLiteral("42,5"));
        QCOMPARE(quantity->text(), QStringLiteral("42,5"));
        QCOMPARE(text(QStringLiteral("totalEdit")), QStringLiteral("63.75"));
        // Typed by the user, it is kept as typed.
        QTest::keyClicks(quantity, QStringLiteral("1"));
        QCOMPARE(quantity->text(), QStringLiteral("42,51"));
    }

    // A refused field says why; mending it takes the mark away at once.
    void refusedFieldSaysWhyUntilMended()
    {
        openNew(1);
        for (const char *name : {"distanceEdit", "priceEdit", "totalEdit"})
            type(QLatin1String(name), QStringLiteral("20"));
        QLineEdit *odometer = edit(QStringLiteral("odometerEdit"));
        QTest::keyClicks(odometer, QStringLiteral("9999999999"));
        save();
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(errorLine()->text(), QStringLiteral("Odometer: At most 2,147,483,647"));
        QCOMPARE(odometer->toolTip(), QStringLiteral("At most 2,147,483,647"));

        QTest::keyClick(odometer, Qt::Key_Backspace);
        QVERIFY(errorLine()->text().isEmpty());
        QVERIFY(odometer->toolTip().isEmpty());
        for (QLabel *each : dialog->findChildren<QLabel *>())
            QVERIFY(each == errorLine() || each->styleSheet() != QStringLiteral("QLabel {color:#f00;}"));
    }

    void implausibleEntryIsSavedOnlyWhenConfirmed_data()
    {
        QTest::addColumn<QStringList>("typed"); // odometer, distance, quantity
        QTest::newRow("odometer below the previous fill") << QStringList{"900", "500", "40"};
        QTest::newRow("150 litres per 100 km") << QStringList{"1400", "20", "30"};
    }

    void implausibleEntryIsSavedOnlyWhenConfirmed()
    {
        QFETCH(QStringList, typed);
        addEntry(vehicle, 1, 1000);
        openNew(1);
        type(QStringLiteral("odometerEdit"), typed.at(0));
        type(QStringLiteral("distanceEdit"), typed.at(1));
        type(QStringLiteral("priceEdit"), QStringLiteral("1"));
        type(QStringLiteral("quantityEdit"), typed.at(2));

        Prompt::queueAnswer(QMessageBox::No);
        save();
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Question);
        QCOMPARE(rows(QStringLiteral("fuellog")), 1);

        Prompt::queueAnswer(QMessageBox::Yes);
        save();
        QCOMPARE(rows(QStringLiteral("fuellog")), 2);
        QCOMPARE(CFuelLog(dialog->savedId()).odometer(), typed.at(0).toInt());
    }

    void blankDescriptionIsStoredEmpty()
    {
        openNew(1);
        for (const char *name : {"odometerEdit", "distanceEdit", "priceEdit", "totalEdit"})
            type(QLatin1String(name), QStringLiteral("20"));
        dialog->findChild<QPlainTextEdit *>()->setPlainText(QStringLiteral("  \n\t "));
        save();
        QCOMPARE(CFuelLog(dialog->savedId()).description(), QString());
    }

    void failedSaveTellsTheUserAndKeepsTheDialogOpen()
    {
        QVERIFY(db->database->exec(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON odometerlog BEGIN SELECT RAISE(ABORT, 'no'); END")));
        openNew(1);
        for (const char *name : {"odometerEdit", "distanceEdit", "priceEdit", "totalEdit"})
            type(QLatin1String(name), QStringLiteral("20"));
        save();
        QCOMPARE(dialog->savedId(), 0);
        QVERIFY(dialog->result() != QDialog::Accepted);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);

        QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER refuse")));
        save();
        QVERIFY(dialog->savedId() != 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 1);
    }
};

GARVO_TEST_MAIN(TestFuelLogDialog)
#include "tst_fuellogdialog.moc"
