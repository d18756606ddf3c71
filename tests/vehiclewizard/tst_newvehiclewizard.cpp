#include "../database/testdatabase.h"
#include "../vehiclepage/vehiclefixtures.h"
#include "testrecords.h"
#include "testsupport.h"

#include "database/vehicle.h"
#include "modules/vehicle/wizard/descriptionwizardtab.h"
#include "modules/vehicle/wizard/finishwizardtab.h"
#include "modules/vehicle/wizard/fuelsystemwizardtab.h"
#include "modules/vehicle/wizard/licenseplatewizardtab.h"
#include "modules/vehicle/wizard/newvehiclewizard.h"
#include "modules/vehicle/wizard/newvehiclewizarddialog.h"
#include "modules/vehicle/wizard/odometerwizardtab.h"
#include "modules/vehicle/wizard/vehicledetailswizardtab.h"
#include "utility/clock.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

using TestRecords::rows;
using Utility::Prompt;
using Step = CNewVehicleWizardDialog::Step;

// The new-vehicle wizard driven through its widgets.
class TestNewVehicleWizard : public QObject
{
    Q_OBJECT

private:
    enum Type { Car = 1, Bicycle = 2, Boat = 3 };

    TestDatabase *db = nullptr;

    static QPushButton *button(CNewVehicleWizardDialog &wizard, const char *text)
    {
        for (QPushButton *candidate : wizard.findChildren<QPushButton *>()) {
            if (candidate->text() == QLatin1String(text))
                return candidate;
        }
        return nullptr;
    }

    static void next(CNewVehicleWizardDialog &wizard) { QTest::mouseClick(button(wizard, "Continue"), Qt::LeftButton); }
    static void back(CNewVehicleWizardDialog &wizard) { QTest::mouseClick(button(wizard, "Go Back"), Qt::LeftButton); }

    static void goTo(CNewVehicleWizardDialog &wizard, int step)
    {
        while (wizard.currentPageIndex() > step)
            back(wizard);
        for (int tries = 0; wizard.currentPageIndex() < step && tries < 6; ++tries)
            next(wizard);
        QCOMPARE(wizard.currentPageIndex(), step);
    }

    static void retype(QWidget *editor, const QString &text)
    {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
    }

    // Picks the item with `data` by keyboard, as a user would.
    static void choose(QComboBox *comboBox, int data)
    {
        const int target = comboBox->findData(data);
        QVERIFY(target >= 0);
        while (comboBox->currentIndex() < target)
            QTest::keyClick(comboBox, Qt::Key_Down);
        while (comboBox->currentIndex() > target)
            QTest::keyClick(comboBox, Qt::Key_Up);
    }

    static void fillRequired(CNewVehicleWizardDialog &wizard)
    {
        QTest::keyClicks(wizard.vehicleDetailsTab()->nameLineEdit(), QStringLiteral("Blue Car"));
        QTest::keyClicks(wizard.licensePlateTab()->licensePlateLineEdit(), QStringLiteral("ZG 123"));
        QTest::keyClicks(wizard.odometerTab()->odometerValueLineEdit(), QStringLiteral("1000"));
    }

    static QString shown(CFinishWizardTab *tab, CFinishWizardTab::Row row)
    {
        QTextDocument document;
        document.setHtml(tab->summaryLabel(row)->text());
        return document.toPlainText();
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        Fixtures::addVehicleTypes();
        Utility::Clock::setToday(QDate(2024, 3, 31));
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

    void refusedStepShowsItsMessageUntilCorrected_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString details = QStringLiteral("Please insert all requested informations");
        QTest::newRow("empty name") << int(Step::VehicleDetailsStep) << "" << details;
        QTest::newRow("blank name") << int(Step::VehicleDetailsStep) << "   " << details;
        QTest::newRow("empty plate") << int(Step::LicensePlateStep) << "" << "Please insert all requested data";
        QTest::newRow("empty odometer") << int(Step::OdometerStep) << "" << "Please insert odometer value";
        QTest::newRow("odometer beyond the storable range")
            << int(Step::OdometerStep) << "99999999999"
            << "Please insert the odometer value as a whole number from 0 to 2147483647";
    }

    void refusedStepShowsItsMessageUntilCorrected()
    {
        QFETCH(int, step);
        QFETCH(QString, typed);
        CNewVehicleWizardDialog wizard;
        const std::pair<QLabel *, QLineEdit *> fields[] = {
            {wizard.vehicleDetailsTab()->nameCaptionLabel(), wizard.vehicleDetailsTab()->nameLineEdit()},
            {wizard.licensePlateTab()->licensePlateCaptionLabel(), wizard.licensePlateTab()->licensePlateLineEdit()},
            {wizard.odometerTab()->odometerValueCaptionLabel(), wizard.odometerTab()->odometerValueLineEdit()}};
        fillRequired(wizard);
        QLabel *caption = fields[step].first;
        QLineEdit *field = fields[step].second;
        retype(field, typed);
        goTo(wizard, step);

        next(wizard);
        auto *tab = qobject_cast<CNewVehicleWizardTab *>(wizard.page(step));
        QCOMPARE(wizard.currentPageIndex(), step);
        QVERIFY(tab->isErrorShown());
        QTEST(tab->errorText(), "message");
        QCOMPARE(caption->styleSheet(), QStringLiteral("QLabel {color:#f00;}"));
        QCOMPARE(wizard.focusWidget(), field);
        QCOMPARE(rows("vehicle"), 0);

        retype(field, QStringLiteral("7"));
        next(wizard);
        QCOMPARE(wizard.currentPageIndex(), step + 1);
        QVERIFY(!tab->isErrorShown());
        QCOMPARE(caption->styleSheet(), QStringLiteral("QLabel {color:#000;}"));
    }

    void odometerTakesOnlyDigitsAndEveryOneOfThem()
    {
        CNewVehicleWizardDialog wizard;
        QLineEdit *odometer = wizard.odometerTab()->odometerValueLineEdit();
        QTest::keyClicks(odometer, QStringLiteral("-1a2,3.45 678"));
        QCOMPARE(odometer->text(), QStringLiteral("12345678"));
        QCOMPARE(wizard.odometerTab()->odometerValue(), 12345678);
    }

    void typeSuggestsUnitAndFuelSystemUntilTheUserChooses()
    {
        CNewVehicleWizardDialog wizard;
        fillRequired(wizard);
        QComboBox *type = wizard.vehicleDetailsTab()->vehicleTypeComboBox();
        QComboBox *unit = wizard.odometerTab()->odometerTypeComboBox();
        QComboBox *system = wizard.fuelSystemTab()->fuelSystemComboBox();

        choose(type, Boat);
        goTo(wizard, Step::FuelSystemStep);
        QCOMPARE(unit->currentData().toInt(), 3);
        QCOMPARE(unit->currentText(), QStringLiteral("hours"));
        QCOMPARE(system->currentData().toInt(), 1);

        goTo(wizard, Step::VehicleDetailsStep);
        choose(type, Bicycle);
        goTo(wizard, Step::FuelSystemStep);
        QCOMPARE(unit->currentData().toInt(), 1);
        QCOMPARE(system->currentData().toInt(), 0);
        QVERIFY(!wizard.fuelSystemTab()->firstFuelComboBox()->isEnabled());
        QVERIFY(!wizard.fuelSystemTab()->secondFuelComboBox()->isEnabled());

        // Hand-made choices survive a later change of type.
        choose(system, 2);
        goTo(wizard, Step::OdometerStep);
        choose(unit, 2);
        goTo(wizard, Step::VehicleDetailsStep);
        choose(type, Boat);
        goTo(wizard, Step::FuelSystemStep);
        QCOMPARE(unit->currentData().toInt(), 2);
        QCOMPARE(system->currentData().toInt(), 2);
        QVERIFY(wizard.fuelSystemTab()->secondFuelComboBox()->isEnabled());
    }

    void rechoosingTheSuggestedUnitByHandStillCounts()
    {
        CNewVehicleWizardDialog wizard;
        fillRequired(wizard);
        goTo(wizard, Step::OdometerStep);
        QComboBox *unit = wizard.odometerTab()->odometerTypeComboBox();
        QCOMPARE(unit->currentData().toInt(), 1);
        emit unit->activated(unit->currentIndex());
        goTo(wizard, Step::VehicleDetailsStep);
        choose(wizard.vehicleDetailsTab()->vehicleTypeComboBox(), Boat);
        goTo(wizard, Step::OdometerStep);
        QCOMPARE(unit->currentData().toInt(), 1);
    }

    void summaryIsRebuiltAfterGoingBackAndShowsTextAsTyped()
    {
        CNewVehicleWizardDialog wizard;
        CFinishWizardTab *summary = wizard.finishTab();
        fillRequired(wizard);
        choose(wizard.vehicleDetailsTab()->vehicleTypeComboBox(), Boat);
        wizard.vehicleDetailsTab()->dateDateEdit()->setDate(QDate(2010, 5, 1));
        goTo(wizard, Step::FinishStep);
        const QString format = Utility::dateFormat();
        QCOMPARE(shown(summary, CFinishWizardTab::VehicleTypeRow), QStringLiteral("Boat"));
        QCOMPARE(shown(summary, CFinishWizardTab::VehicleNameRow),
            QStringLiteral("Blue Car - ") + QDate(2010, 5, 1).toString(format));
        QCOMPARE(shown(summary, CFinishWizardTab::LicensePlateRow),
            QStringLiteral("ZG 123 - Valid until: ") + QDate(2025, 3, 31).toString(format));
        QCOMPARE(shown(summary, CFinishWizardTab::OdometerRow), QStringLiteral("1000 hours"));
        QCOMPARE(shown(summary, CFinishWizardTab::FuelSystemRow), QStringLiteral("Single (Gasoline)"));

        goTo(wizard, Step::VehicleDetailsStep);
        retype(wizard.vehicleDetailsTab()->nameLineEdit(), QStringLiteral("<b>Red</b> & <i>Co"));
        goTo(wizard, Step::FuelSystemStep);
        choose(wizard.fuelSystemTab()->fuelSystemComboBox(), 2);
        retype(wizard.fuelSystemTab()->secondFuelComboBox()->lineEdit(), QStringLiteral("<br>LPG"));
        goTo(wizard, Step::FinishStep);
        QVERIFY(shown(summary, CFinishWizardTab::VehicleNameRow).startsWith(QStringLiteral("<b>Red</b> & <i>Co - ")));
        QCOMPARE(shown(summary, CFinishWizardTab::FuelSystemRow), QStringLiteral("Double (Gasoline | <br>LPG)"));
    }

    void finishWritesOneVehicleAndItsStartingReading()
    {
        CNewVehicleWizardDialog wizard;
        wizard.show();
        fillRequired(wizard);
        wizard.vehicleDetailsTab()->dateDateEdit()->setDate(QDate(2010, 5, 1));
        goTo(wizard, Step::FuelSystemStep);
        choose(wizard.fuelSystemTab()->fuelSystemComboBox(), 0);
        goTo(wizard, Step::DescriptionStep);
        QTest::keyClicks(wizard.descriptionTab()->descriptionTextEdit(), QStringLiteral("50% 'owned'"));
        goTo(wizard, Step::FinishStep);
        QCOMPARE(rows("vehicle"), 0);
        QTest::mouseClick(button(wizard, "Finish"), Qt::LeftButton);

        const int id = wizard.newVehicleId();
        QVERIFY(id > 0);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(rows("vehicle"), 1);
        QCOMPARE(rows("odometerlog"), 1);
        const CVehicle vehicle(id);
        QCOMPARE(vehicle.name(), QStringLiteral("Blue Car"));
        QCOMPARE(vehicle.date(), QDate(2010, 5, 1));
        QCOMPARE(vehicle.typeId(), int(Car));
        QCOMPARE(vehicle.licensePlate(), QStringLiteral("ZG 123"));
        QCOMPARE(vehicle.registrationExpirationDate(), QDate(2025, 3, 31));
        QCOMPARE(vehicle.odometerType(), 1);
        QCOMPARE(vehicle.odometerValue(), 1000);
        QCOMPARE(vehicle.description(), QStringLiteral("50% 'owned'"));
        // No fuel system still stores what the disabled lists show.
        QCOMPARE(vehicle.fuelSystemType(), 0);
        QCOMPARE(vehicle.fuelNameFirst(), QStringLiteral("Gasoline"));
        QCOMPARE(vehicle.fuelNameSecond(), QStringLiteral("Diesel"));
    }

    void typedFuelNamesAreKeptAsTyped()
    {
        CNewVehicleWizardDialog wizard;
        wizard.show();
        fillRequired(wizard);
        goTo(wizard, Step::FuelSystemStep);
        choose(wizard.fuelSystemTab()->fuelSystemComboBox(), 2);
        // "Gas" begins an offered name and "diesel" differs from one only in case.
        retype(wizard.fuelSystemTab()->firstFuelComboBox()->lineEdit(), QStringLiteral("Gas"));
        QTest::keyClick(wizard.fuelSystemTab()->firstFuelComboBox()->lineEdit(), Qt::Key_Tab);
        retype(wizard.fuelSystemTab()->secondFuelComboBox()->lineEdit(), QStringLiteral("diesel"));
        QTest::keyClick(wizard.fuelSystemTab()->secondFuelComboBox()->lineEdit(), Qt::Key_Return);
        goTo(wizard, Step::FinishStep);
        QTest::mouseClick(button(wizard, "Finish"), Qt::LeftButton);

        const CVehicle vehicle(wizard.newVehicleId());
        QCOMPARE(vehicle.fuelSystemType(), 2);
        QCOMPARE(vehicle.fuelNameFirst(), QStringLiteral("Gas"));
        QCOMPARE(vehicle.fuelNameSecond(), QStringLiteral("diesel"));
    }

    void failedFinishSaysSoAndLeavesNothingBehind()
    {
        CNewVehicleWizardDialog wizard;
        wizard.show();
        fillRequired(wizard);
        goTo(wizard, Step::FinishStep);
        QVERIFY(db->database->exec(QStringLiteral("DROP TABLE odometerlog")));
        QTest::keyClick(wizard.finishTab(), Qt::Key_Return);

        QCOMPARE(wizard.newVehicleId(), 0);
        QVERIFY(wizard.isVisible());
        QCOMPARE(rows("vehicle"), 0);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);
        QVERIFY(Prompt::shown().front().text.contains(QStringLiteral("could not be saved")));
    }

    void runNewVehicleWizardReturnsTheNewIdOrZero_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::newRow("finished") << true;
        QTest::newRow("closed before Finish: nothing written") << false;
    }

    void runNewVehicleWizardReturnsTheNewIdOrZero()
    {
        QFETCH(bool, finish);
        QTimer::singleShot(0, [finish] {
            auto *wizard = qobject_cast<CNewVehicleWizardDialog *>(QApplication::activeModalWidget());
            QVERIFY(wizard);
            fillRequired(*wizard);
            goTo(*wizard, Step::FinishStep);
            if (finish)
                wizard->slotFinish();
            else
                wizard->reject();
        });
        const int id = runNewVehicleWizard();
        QCOMPARE(id != 0, finish);
        QCOMPARE(rows("vehicle"), finish ? 1 : 0);
        QCOMPARE(rows("odometerlog"), finish ? 1 : 0);
    }
};

GARVO_TEST_MAIN(TestNewVehicleWizard)
#include "tst_newvehiclewizard.moc"
