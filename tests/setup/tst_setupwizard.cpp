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

    void acceptingTheDefaultsStoresGallonsPerQuantityAndTheListedCurrency()
    {
        db->settings->setValue(QStringLiteral("currency"), QStringLiteral("HRK"));
        CApplicationSetupWizardDialog wizard;
        goTo(wizard, 3);
        // The efficiency line speaks of the chosen unit.
        QCOMPARE(wizard.finishTab()->volumeUnitText(), QStringLiteral("Gallon"));
        QCOMPARE(wizard.finishTab()->fuelEfficiencyText(), QStringLiteral("Per Quantity (miles per Gallon)"));
        QCOMPARE(wizard.finishTab()->currencyText(), QStringLiteral("(HRK) Hrvatska Kuna\n(1 000 000.00 kn)"));
        QCOMPARE(stored("volume_unit"), QStringLiteral("<none>"));

        wizard.slotFinish();
        QVERIFY(wizard.isFinished());
        QCOMPARE(stored("volume_unit"), QStringLiteral("2"));
        QCOMPARE(stored("fuel_efficiency"), QStringLiteral("2"));
        QCOMPARE(stored("currency"), QStringLiteral("HRK"));
    }

    void enterOnTheSummaryStoresTheChoices()
    {
        CApplicationSetupWizardDialog wizard;
        QCOMPARE(wizard.currencyTab()->currencyCode(), QStringLiteral("USD"));
        wizard.volumeUnitsTab()->litreButton()->click();
        goTo(wizard, 2);
        wizard.currencyTab()->comboBox()->setCurrentCode(QStringLiteral("EUR"));
        goTo(wizard, 3);
        QCOMPARE(wizard.finishTab()->fuelEfficiencyText(), QStringLiteral("Per Distance (Litre / 100 km)"));
        QTest::keyClick(wizard.finishTab(), Qt::Key_Return);
        QVERIFY(wizard.isFinished());
        QCOMPARE(stored("volume_unit"), QStringLiteral("1"));
        QCOMPARE(stored("fuel_efficiency"), QStringLiteral("1"));
        QCOMPARE(currency()->code(), QStringLiteral("EUR"));
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
        QCOMPARE(efficiency->perDistanceButton()->text(), QStringLiteral("Per Distance\n(Litre / 100 Odometer Units)"));
        goTo(wizard, 0);
        wizard.volumeUnitsTab()->gallonButton()->click();
        goTo(wizard, 1);
        QVERIFY(efficiency->perQuantityButton()->isChecked());
        QCOMPARE(efficiency->perQuantityButton()->text(), QStringLiteral("Per Quantity\n(Odometer Units per Gallon)"));

        // Once the user picks, the volume unit no longer moves the choice.
        efficiency->perQuantityButton()->click();
        goTo(wizard, 0);
        wizard.volumeUnitsTab()->litreButton()->click();
        goTo(wizard, 1);
        QVERIFY(efficiency->perQuantityButton()->isChecked());
    }

    void finishThatCannotStoreSaysSoAndStaysOpen()
    {
        CApplicationSetupWizardDialog wizard;
        wizard.show();
        goTo(wizard, 3);
        delete db->settings;
        wizard.slotFinish();
        const bool finished = wizard.isFinished();
        const bool visible = wizard.isVisible();
        db->settings = new CSettings(db->database);

        QVERIFY(!finished);
        QVERIFY(visible);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);
    }

    void runSetupWizardReportsWhetherFinishCompleted_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::newRow("finished") << true;
        QTest::newRow("closed: nothing stored") << false;
    }

    void runSetupWizardReportsWhetherFinishCompleted()
    {
        QFETCH(bool, finish);
        QWidget parent;
        QTimer::singleShot(0, [finish] {
            auto *wizard = qobject_cast<CApplicationSetupWizardDialog *>(QApplication::activeModalWidget());
            QVERIFY(wizard);
            goTo(*wizard, 3);
            if (finish)
                wizard->slotFinish();
            else
                wizard->reject();
        });
        QCOMPARE(runSetupWizard(&parent), finish);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM settings")).toInt(), finish ? 3 : 0);
    }
};

GARVO_TEST_MAIN(TestSetupWizard)
#include "tst_setupwizard.moc"
