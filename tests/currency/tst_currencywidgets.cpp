#include "../database/testdatabase.h"
#include "currency/currency.h"
#include "database/tablesettings.h"
#include "modules/options/currencycombobox.h"
#include "modules/options/currencygroupbox.h"
#include "modules/options/fuelsettingsgroupbox.h"
#include "modules/options/retranslatehook.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuelefficiency.h"
#include "testsupport.h"

#include <QRadioButton>
#include <memory>

class TestCurrencyWidgets : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;
    int retranslations = 0;

    QString stored(const char *key) const
    {
        return db->settings->value(QLatin1String(key), QStringLiteral("<none>")).toString();
    }

private slots:
    void init()
    {
        db.reset(new TestDatabase);
        resetCurrency();
        retranslations = 0;
        setRetranslateAllHook([this] { ++retranslations; });
    }

    void cleanup()
    {
        setRetranslateAllHook(nullptr);
        resetCurrency();
        db.reset();
    }

    void comboOffersNineCurrenciesAndReportsNoSelection()
    {
        CCurrencyComboBox combo;
        QCOMPARE(combo.count(), 9);
        QCOMPARE(combo.itemText(0), QStringLiteral("(USD) United States Dollar ($ 1,000,000.00)"));
        QCOMPARE(combo.itemText(8), QStringLiteral("(BAM) Bosanska Marka (1 000 000.00 KM)"));
        combo.setCurrentCode(QStringLiteral("HRK"));
        QCOMPARE(combo.currentCode(), QStringLiteral("HRK"));
        combo.setCurrentCode(QStringLiteral("hrk"));
        QCOMPARE(combo.currentCode(), QStringLiteral("---"));
    }

    void currencyBoxLoadsWithoutWritingAndStoresTheUsersChoice()
    {
        db->settings->setValue(QStringLiteral("currency"), QStringLiteral("GBP"));
        QSignalSpy writes(db->settings->table(), &CTable::updated);
        CCurrencyGroupBox box;
        box.show();
        QCOMPARE(box.comboBox()->currentCode(), QStringLiteral("GBP"));
        QCOMPARE(writes.count(), 0);
        QCOMPARE(retranslations, 0);

        box.comboBox()->setCurrentCode(QStringLiteral("EUR"));
        QCOMPARE(stored("currency"), QStringLiteral("EUR"));
        QCOMPARE(currency()->format(1000), QStringLiteral("1.000,00 \u20AC"));
        QCOMPARE(retranslations, 1);
    }

    void fuelBoxShowsTheStoredChoicesWithoutWriting()
    {
        CFuelSettingsGroupBox box;
        box.show();
        QVERIFY(!box.litreButton()->isChecked() && !box.gallonButton()->isChecked());
        QVERIFY(!box.perDistanceButton()->isChecked() && !box.perQuantityButton()->isChecked());
        box.litreButton()->click();
        box.perQuantityButton()->click();
        box.hide();

        // Changed elsewhere while hidden: the next showing follows the store.
        db->settings->setValue(QStringLiteral("volume_unit"), 2);
        db->settings->setValue(QStringLiteral("fuel_efficiency"), 1);
        retranslations = 0;
        QSignalSpy writes(db->settings->table(), &CTable::updated);
        box.show();
        QVERIFY(box.gallonButton()->isChecked() && !box.litreButton()->isChecked());
        QVERIFY(box.perDistanceButton()->isChecked() && !box.perQuantityButton()->isChecked());
        QCOMPARE(box.description(), QStringLiteral("Gallons/100 Odometer Units"));
        QCOMPARE(writes.count(), 0);
        QCOMPARE(retranslations, 0);
    }

    void fuelBoxStoresEachClick()
    {
        CFuelSettingsGroupBox box;
        box.show();
        box.gallonButton()->click();
        QCOMPARE(stored("volume_unit"), QStringLiteral("2"));
        QCOMPARE(stored("fuel_efficiency"), QStringLiteral("<none>"));
        QCOMPARE(volumeUnit(), 2);
        box.perQuantityButton()->click();
        QCOMPARE(stored("fuel_efficiency"), QStringLiteral("2"));
        // What the pages read (cached) follows each choice at once.
        QCOMPARE(CFuelEfficiency().mode(), 2);
        QCOMPARE(box.description(), QStringLiteral("Odometer Units per Gallon - [MPG]"));
        box.litreButton()->click();
        QCOMPARE(stored("volume_unit"), QStringLiteral("1"));
        QCOMPARE(volumeUnit(), 1);
        QCOMPARE(box.description(), QStringLiteral("Odometer Units per Litre"));
        QCOMPARE(retranslations, 3);
    }
};

GARVO_TEST_MAIN(TestCurrencyWidgets)
#include "tst_currencywidgets.moc"
