#include "../database/testdatabase.h"
#include "currency/currency.h"
#include "modules/options/currencycombobox.h"
#include "modules/options/units.h"
#include "setup/applicationfinishwizardtab.h"
#include "setup/applicationsetupwizarddialog.h"
#include "setup/currencywizardtab.h"
#include "setup/fuelefficiencywizardtab.h"
#include "setup/volumeunitswizardtab.h"
#include "testsupport.h"
#include "utility/prompt.h"
#include "widgets/wizardsidebar.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>

using Utility::Prompt;

class TestSetupWizard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;

    QString stored(const char *key) const
    {
        return db->settings->value(QLatin1String(key), QStringLiteral("<none>")).toString();
    }

    static void goTo(CApplicationSetupWizardDialog &wizard, int step)
    {
        while (wizard.currentPageIndex() > step)
            wizard.slotPrev();
        while (wizard.currentPageIndex() < step)
            wizard.slotNext();
    }

private slots:
    void init()
    {
        db.reset(new TestDatabase);
        resetCurrency();
        Prompt::setScripted(true);
        Prompt::clearShown();
    }

    void cleanup()
    {
        Prompt::setScripted(false);
        resetCurrency();
        db.reset();
    }

    void acceptingTheDefaultsStoresGallonsPerQuantityAndDollars()
    {
        CApplicationSetupWizardDialog wizard;
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Garvo Setup"));
        QVERIFY(wizard.volumeUnitsTab()->gallonButton()->isChecked());
        QVERIFY(wizard.fuelEfficiencyTab()->perQuantityButton()->isChecked());
        QCOMPARE(wizard.currencyTab()->currencyCode(), QStringLiteral("USD"));

        goTo(wizard, 3);
        QCOMPARE(wizard.finishTab()->volumeUnitText(), QStringLiteral("Gallon"));
        QCOMPARE(wizard.finishTab()->fuelEfficiencyText(), QStringLiteral("Per Quantity (km per Litre)"));
        QCOMPARE(wizard.finishTab()->currencyText(), QStringLiteral("(USD) United States Dollar\n($ 1,000,000.00)"));
        QCOMPARE(stored("volume_unit"), QStringLiteral("<none>"));

        wizard.slotFinish();
        QVERIFY(wizard.isFinished());
        QCOMPARE(stored("volume_unit"), QStringLiteral("2"));
        QCOMPARE(stored("fuel_efficiency"), QStringLiteral("2"));
        QCOMPARE(stored("currency"), QStringLiteral("USD"));
    }

    void chosenValuesAreStoredAndBecomeCurrent()
    {
        CApplicationSetupWizardDialog wizard;
        wizard.volumeUnitsTab()->litreButton()->click();
        goTo(wizard, 2);
        wizard.currencyTab()->comboBox()->setCurrentCode(QStringLiteral("EUR"));
        goTo(wizard, 3);
        QCOMPARE(wizard.finishTab()->volumeUnitText(), QStringLiteral("Litre"));
        QCOMPARE(wizard.finishTab()->fuelEfficiencyText(), QStringLiteral("Per Distance (Litre / 100 km)"));
        QCOMPARE(wizard.finishTab()->currencyText(), QStringLiteral("(EUR) Euro\n(1.000.000,00 \u20AC)"));

        // Enter on the summary finishes like the Finish button.
        QTest::keyClick(wizard.finishTab(), Qt::Key_Return);
        QVERIFY(wizard.isFinished());
        QCOMPARE(stored("volume_unit"), QStringLiteral("1"));
        QCOMPARE(stored("fuel_efficiency"), QStringLiteral("1"));
        QCOMPARE(stored("currency"), QStringLiteral("EUR"));
        QCOMPARE(currency()->code(), QStringLiteral("EUR"));
    }

    void currencyListStartsOnTheStoredCurrency()
    {
        db->settings->setValue(QStringLiteral("currency"), QStringLiteral("HRK"));
        CApplicationSetupWizardDialog wizard;
        QCOMPARE(wizard.currencyTab()->currencyCode(), QStringLiteral("HRK"));
    }

    void unknownStoredCurrencyStillPreselectsAnOfferedOne()
    {
        db->settings->setValue(QStringLiteral("currency"), QStringLiteral("XYZ"));
        CApplicationSetupWizardDialog wizard;
        QCOMPARE(wizard.currencyTab()->currencyCode(), QStringLiteral("USD"));
    }

    void efficiencyFollowsTheVolumeUnitUntilTheUserChooses()
    {
        CApplicationSetupWizardDialog wizard;
        CFuelEfficiencyWizardTab *efficiency = wizard.fuelEfficiencyTab();

        wizard.volumeUnitsTab()->litreButton()->click();
        goTo(wizard, 1);
        QVERIFY(efficiency->perDistanceButton()->isChecked());
        goTo(wizard, 0);
        wizard.volumeUnitsTab()->gallonButton()->click();
        goTo(wizard, 1);
        QVERIFY(efficiency->perQuantityButton()->isChecked());
        QVERIFY(!efficiency->hasUserChosen());

        // Once the user picks, the volume unit no longer moves the choice.
        efficiency->perQuantityButton()->click();
        QVERIFY(efficiency->hasUserChosen());
        goTo(wizard, 0);
        wizard.volumeUnitsTab()->litreButton()->click();
        goTo(wizard, 1);
        QVERIFY(efficiency->perQuantityButton()->isChecked());
        QCOMPARE(efficiency->fuelEfficiency(), 2);
    }

    void efficiencyButtonsNameTheChosenUnit_data()
    {
        QTest::addColumn<bool>("litres");
        QTest::addColumn<QString>("perDistance");
        QTest::addColumn<QString>("perQuantity");
        QTest::newRow("litres") << true << "Per Distance\n(Litre / 100 Odometer Units)"
                                << "Per Quantity\n(Odometer Units per Litre)";
        QTest::newRow("gallons") << false << "Per Distance\n(Gallon / 100 Odometer Units)"
                                 << "Per Quantity\n(Odometer Units per Gallon)";
    }

    void efficiencyButtonsNameTheChosenUnit()
    {
        QFETCH(bool, litres);
        QFETCH(QString, perDistance);
        QFETCH(QString, perQuantity);
        CApplicationSetupWizardDialog wizard;
        (litres ? wizard.volumeUnitsTab()->litreButton() : wizard.volumeUnitsTab()->gallonButton())->click();
        goTo(wizard, 1);
        QCOMPARE(wizard.fuelEfficiencyTab()->perDistanceButton()->text(), perDistance);
        QCOMPARE(wizard.fuelEfficiencyTab()->perQuantityButton()->text(), perQuantity);
    }

    void summaryEfficiencySpeaksOfLitresWhateverTheUnit()
    {
        CApplicationSetupWizardDialog wizard;
        goTo(wizard, 1);
        wizard.fuelEfficiencyTab()->perDistanceButton()->click();
        goTo(wizard, 3);
        QCOMPARE(wizard.finishTab()->volumeUnitText(), QStringLiteral("Gallon"));
        QCOMPARE(wizard.finishTab()->fuelEfficiencyText(), QStringLiteral("Per Distance (Litre / 100 km)"));
    }

    void summaryIsRebuiltAfterGoingBack()
    {
        CApplicationSetupWizardDialog wizard;
        goTo(wizard, 3);
        QCOMPARE(wizard.finishTab()->currencyText().left(5), QStringLiteral("(USD)"));
        goTo(wizard, 2);
        wizard.currencyTab()->comboBox()->setCurrentCode(QStringLiteral("GBP"));
        goTo(wizard, 3);
        QCOMPARE(wizard.finishTab()->currencyText().left(5), QStringLiteral("(GBP)"));
    }

    void stepsAndButtonsFollowTheSteps()
    {
        CApplicationSetupWizardDialog wizard;
        wizard.show();
        QCOMPARE(wizard.findChild<CWizardSidebar *>()->item(0)->title(), QStringLiteral("Volume Units"));
        QCOMPARE(wizard.findChild<CWizardSidebar *>()->item(3)->title(), QStringLiteral("Finish"));
        goTo(wizard, 3);
        goTo(wizard, 1);
        const CWizardSidebar *steps = wizard.findChild<CWizardSidebar *>();
        QCOMPARE(steps->item(0)->state(), int(CWizardSidebarItem::Passed));
        QCOMPARE(steps->item(1)->state(), int(CWizardSidebarItem::Current));
        QCOMPARE(steps->item(3)->state(), int(CWizardSidebarItem::Ahead));

        QStringList visible;
        for (QPushButton *button : wizard.findChildren<QPushButton *>())
            if (button->isVisible())
                visible << button->text();
        visible.sort();
        QCOMPARE(visible, (QStringList{QStringLiteral("Continue"), QStringLiteral("Go Back")}));
    }

    void closingWithoutFinishStoresNothing()
    {
        CApplicationSetupWizardDialog wizard;
        wizard.volumeUnitsTab()->litreButton()->click();
        goTo(wizard, 3);
        wizard.reject();
        QVERIFY(!wizard.isFinished());
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM settings")).toInt(), 0);
    }

    void finishThatCannotStoreSaysSoAndStaysOpen()
    {
        CApplicationSetupWizardDialog wizard;
        wizard.show();
        goTo(wizard, 3);
        delete db->settings;
        db->settings = nullptr;
        wizard.slotFinish();
        const bool finished = wizard.isFinished();
        const bool visible = wizard.isVisible();
        db->settings = new CSettings(db->database);

        QVERIFY(!finished);
        QVERIFY(visible);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);
        QCOMPARE(stored("volume_unit"), QStringLiteral("<none>"));
    }

    void runSetupWizardReportsWhetherFinishCompleted_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::newRow("finished") << true;
        QTest::newRow("closed") << false;
    }

    void runSetupWizardReportsWhetherFinishCompleted()
    {
        QFETCH(bool, finish);
        QWidget parent;
        QTimer::singleShot(0, [finish] {
            auto *wizard = qobject_cast<CApplicationSetupWizardDialog *>(QApplication::activeModalWidget());
            QVERIFY(wizard);
            if (finish) {
                goTo(*wizard, 3);
                wizard->slotFinish();
            } else {
                wizard->reject();
            }
        });
        QCOMPARE(runSetupWizard(&parent), finish);
        QCOMPARE(stored("fuel_efficiency"), finish ? QStringLiteral("2") : QStringLiteral("<none>"));
    }
};

GARVO_TEST_MAIN(TestSetupWizard)
#include "tst_setupwizard.moc"
