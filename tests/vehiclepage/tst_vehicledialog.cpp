#include "../database/testdatabase.h"
#include "testsupport.h"
#include "vehiclefixtures.h"

#include "database/tablevehicle.h"
#include "modules/vehicle/vehicledialog.h"
#include "utility/prompt.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString Red = QStringLiteral("QLabel {color:#f00;}");
const QString Black = QStringLiteral("QLabel {color:#000;}");

void selectData(QComboBox *comboBox, int data)
{
    comboBox->setCurrentIndex(comboBox->findData(data));
}

// The captions marked red, by short name.
QStringList redCaptions(const CVehicleDialog &dialog)
{
    QStringList red;
    const QList<QPair<QString, QLabel *>> captions = {{QStringLiteral("name"), dialog.nameCaption()},
                                                      {QStringLiteral("plate"), dialog.licensePlateCaption()},
                                                      {QStringLiteral("odometer"), dialog.odometerCaption()},
                                                      {QStringLiteral("fuel"), dialog.fuelSystemCaption()}};
    for (const auto &caption : captions) {
        // Any look other than the two counts as a wrong mark.
        if (caption.second->styleSheet() == Red)
            red.append(caption.first);
        else if (caption.second->styleSheet() != Black)
            red.append(caption.first + QStringLiteral("?"));
    }
    return red;
}

} // namespace

class TestVehicleDialog : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void init()
    {
        db = new TestDatabase;
        Fixtures::addVehicleTypes();
        Utility::Prompt::setScripted(true);
        Utility::Prompt::clearShown();
    }

    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("plate");
        QTest::addColumn<QString>("odometer");
        QTest::addColumn<int>("fuelSystem");
        QTest::addColumn<QString>("firstFuel");
        QTest::addColumn<QString>("secondFuel");
        QTest::addColumn<QStringList>("red");

        const QStringList none;
        QTest::newRow("complete, one fuel") << "Golf" << "KR-1" << "1200" << 1 << "Diesel" << "" << none;
        QTest::newRow("blank name") << "   " << "KR-1" << "1200" << 1 << "Diesel" << "" << QStringList{"name"};
        QTest::newRow("empty licence plate") << "Golf" << "" << "1200" << 1 << "Diesel" << "" << QStringList{"plate"};
        QTest::newRow("empty odometer") << "Golf" << "KR-1" << "" << 1 << "Diesel" << "" << QStringList{"odometer"};
        QTest::newRow("odometer beyond the storable range")
            << "Golf" << "KR-1" << "2147483648" << 1 << "Diesel" << "" << QStringList{"odometer"};
        QTest::newRow("all three missing")
            << "" << "" << "" << 0 << "" << "" << QStringList{"name", "plate", "odometer"};
        QTest::newRow("one fuel without a name") << "Golf" << "KR-1" << "1200" << 1 << "" << "LPG" << QStringList{"fuel"};
        QTest::newRow("two fuels without the second name")
            << "Golf" << "KR-1" << "1200" << 2 << "Diesel" << " " << QStringList{"fuel"};
        QTest::newRow("no fuel system ignores both names") << "Golf" << "KR-1" << "1200" << 0 << "" << "" << none;
    }

    // Save marks exactly the missing fields and writes only a complete form.
    void requiredFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, plate);
        QFETCH(QString, odometer);
        QFETCH(int, fuelSystem);
        QFETCH(QString, firstFuel);
        QFETCH(QString, secondFuel);
        QFETCH(QStringList, red);

        CVehicleDialog dialog;
        dialog.loadVehicle(0);
        dialog.nameEdit()->setText(name);
        dialog.licensePlateEdit()->setText(plate);
        dialog.odometerEdit()->setText(odometer);
        selectData(dialog.fuelSystemComboBox(), fuelSystem);
        dialog.firstFuelComboBox()->setEditText(firstFuel);
        dialog.secondFuelComboBox()->setEditText(secondFuel);
        dialog.saveButton()->click();

        QCOMPARE(redCaptions(dialog), red);
        const bool saved = red.isEmpty();
        QCOMPARE(dialog.result() == QDialog::Accepted, saved);
        QCOMPARE(CTableVehicle::instance()->count(), saved ? 1 : 0);
        if (saved) {
            const CVehicle stored(dialog.savedId());
            QCOMPARE(stored.name(), name);
            QCOMPARE(stored.fuelSystemType(), fuelSystem);
            QCOMPARE(stored.order(), std::numeric_limits<int>::max());
        }
    }

    // The field used to cut input after seven digits.
    void odometerFieldTakesEveryWholeNumber()
    {
        const int id = Fixtures::addVehicle(QStringLiteral("Golf"));
        CVehicleDialog dialog;
        dialog.loadVehicle(id);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        dialog.odometerEdit()->clear();
        QTest::keyClicks(dialog.odometerEdit(), QStringLiteral("12.345-678x"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(dialog.odometerEdit()->text(), QStringLiteral("12345678"));
        dialog.saveButton()->click();
        QCOMPARE(dialog.savedId(), id);
        QCOMPARE(CVehicle(id).odometerValue(), 12345678);
    }

    // A fuel name the user typed once used to come back blank in the editor.
    void typedFuelNameIsKeptWhenEditedAgain()
    {
        const int id = Fixtures::addVehicle(QStringLiteral("Van"), 2, QStringLiteral("Diesel"), QString());
        {
            CVehicleDialog dialog;
            dialog.loadVehicle(id);
            QVERIFY(dialog.secondFuelComboBox()->isEnabled());
            dialog.secondFuelComboBox()->lineEdit()->clear();
            QTest::keyClicks(dialog.secondFuelComboBox()->lineEdit(), QStringLiteral("Hydrogen Blend"));
            dialog.saveButton()->click();
            QCOMPARE(dialog.savedId(), id);
        }
        QCOMPARE(CVehicle(id).fuelNameSecond(), QStringLiteral("Hydrogen Blend"));

        CVehicleDialog dialog;
        dialog.loadVehicle(id);
        QCOMPARE(dialog.firstFuelComboBox()->currentText(), QStringLiteral("Diesel"));
        QCOMPARE(dialog.secondFuelComboBox()->currentText(), QStringLiteral("Hydrogen Blend"));
        dialog.descriptionEdit()->setPlainText(QStringLiteral("Family van"));
        dialog.saveButton()->click();
        const CVehicle stored(id);
        QCOMPARE(stored.description(), QStringLiteral("Family van"));
        QCOMPARE(stored.fuelNameSecond(), QStringLiteral("Hydrogen Blend"));
    }

    // The type proposes fuel system and odometer unit for a new vehicle until
    // the user chooses them; the dialog's own selections do not count.
    void suggestionsYieldToTheUsersChoice()
    {
        CVehicleDialog dialog;
        dialog.loadVehicle(0);
        QVERIFY(!dialog.fuelSystemTouched());
        QVERIFY(!dialog.odometerTypeTouched());

        selectData(dialog.typeComboBox(), 2); // Bicycle: no fuel, km
        QCOMPARE(dialog.fuelSystemComboBox()->currentData().toInt(), 0);
        QVERIFY(!dialog.firstFuelComboBox()->isEnabled());
        QVERIFY(!dialog.fuelSystemTouched());

        selectData(dialog.odometerTypeComboBox(), 2); // the user picks miles
        QVERIFY(dialog.odometerTypeTouched());
        selectData(dialog.typeComboBox(), 3); // Boat: one fuel, hours
        QCOMPARE(dialog.fuelSystemComboBox()->currentData().toInt(), 1);
        QVERIFY(dialog.firstFuelComboBox()->isEnabled());
        QVERIFY(!dialog.secondFuelComboBox()->isEnabled());
        QCOMPARE(dialog.odometerTypeComboBox()->currentData().toInt(), 2);

        // A stored vehicle keeps its own choices whatever the type.
        const int id = Fixtures::addVehicle(QStringLiteral("Golf"), 2, QStringLiteral("Gasoline"), QStringLiteral("LPG"));
        dialog.loadVehicle(id);
        selectData(dialog.typeComboBox(), 2);
        QCOMPARE(dialog.fuelSystemComboBox()->currentData().toInt(), 2);
        QCOMPARE(dialog.odometerTypeComboBox()->currentData().toInt(), 1);
    }

    // A refused write used to close the dialog as if it had been saved.
    void failedSaveIsReportedAndReturnsZero()
    {
        const int id = Fixtures::addVehicle(QStringLiteral("Golf"));
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON vehicle "
                                                  "BEGIN SELECT RAISE(ABORT, '<b>disk</b> full'); END")));
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&stayedOpen] {
            auto *dialog = qobject_cast<CVehicleDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->nameEdit()->setText(QStringLiteral("Renamed"));
            dialog->saveButton()->click();
            stayedOpen = dialog->isVisible();
            dialog->reject();
        });
        QCOMPARE(runVehicleDialog(id), 0);
        QVERIFY(stayedOpen);
        QCOMPARE(CVehicle(id).name(), QStringLiteral("Golf"));

        const auto &shown = Utility::Prompt::shown();
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(shown.front().icon, QMessageBox::Critical);
        QVERIFY2(shown.front().text.contains(QStringLiteral("&lt;b&gt;disk&lt;/b&gt; full")),
                 qPrintable(shown.front().text));
    }
};

GARVO_TEST_MAIN(TestVehicleDialog)
#include "tst_vehicledialog.moc"
