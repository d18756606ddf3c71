#include "../database/testdatabase.h"
#include "currency/currency.h"
#include "database/transaction.h"
#include "modules/options/units.h"
#include "testsupport.h"

#include <memory>

class TestUnits : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;

    QString stored() const { return db->settings->value(QStringLiteral("currency"), QStringLiteral("<none>")).toString(); }
    void store(const QString &code) { db->settings->setValue(QStringLiteral("currency"), code); }

private slots:
    void init()
    {
        db.reset(new TestDatabase);
        resetCurrency();
    }

    void cleanup()
    {
        resetCurrency();
        db.reset();
    }

    void freshDatabaseFormatsInDollarsWithoutWriting()
    {
        QCOMPARE(currency()->format(1000), QStringLiteral("$ 1,000.00"));
        QCOMPARE(stored(), QStringLiteral("<none>"));
    }

    void emptyCodeReadsTheStoredCurrencyOnce()
    {
        store(QStringLiteral("EUR"));
        ASCurrency::Currency *first = currency();
        QCOMPARE(first->code(), QStringLiteral("EUR"));
        store(QStringLiteral("GBP"));
        QCOMPARE(currency(), first);
    }

    void newCodeReplacesTheObjectAndStoresIt()
    {
        currency();
        ASCurrency::Currency *euro = currency(QStringLiteral("EUR"));
        QCOMPARE(currency(), euro);
        QCOMPARE(stored(), QStringLiteral("EUR"));
        QCOMPARE(currency()->format(1000000.5), QStringLiteral("1.000.000,50 \u20AC"));

        // The same code again neither replaces the object nor writes.
        store(QStringLiteral("GBP"));
        QCOMPARE(currency(QStringLiteral("EUR")), euro);
        QCOMPARE(stored(), QStringLiteral("GBP"));
    }

    void currencyFollowsARestoreAndARollback()
    {
        store(QStringLiteral("EUR"));
        QCOMPARE(currency()->code(), QStringLiteral("EUR"));
        QVERIFY(db->database->exec(QStringLiteral("UPDATE settings SET settings_value = 'GBP' "
                                                  "WHERE settings_name = 'currency'")));
        QVERIFY(db->database->reopen([] { return true; }));
        QCOMPARE(currency()->code(), QStringLiteral("GBP"));
        {
            CTransaction transaction;
            QCOMPARE(currency(QStringLiteral("JPY"))->code(), QStringLiteral("JPY"));
        }
        QCOMPARE(currency()->code(), QStringLiteral("GBP"));
        QCOMPARE(stored(), QStringLiteral("GBP"));
    }

    void worksWithoutASettingsObject()
    {
        store(QStringLiteral("EUR"));
        delete db->settings;
        const QString code = currency()->code();
        const QString yen = currency(QStringLiteral("JPY"))->format(-12);
        const int unit = volumeUnit();
        db->settings = new CSettings(db->database);

        QCOMPARE(code, QStringLiteral("USD"));
        QCOMPARE(yen, QStringLiteral("-\u00A5 12.00"));
        QCOMPARE(unit, 0);
    }

    void volumeUnitNameFollowsTheStoredUnit()
    {
        QCOMPARE(volumeUnitName(), QStringLiteral("Unknown"));
        db->settings->setValue(QStringLiteral("volume_unit"), 2);
        QCOMPARE(volumeUnitName(), QStringLiteral("Gallon"));
        db->settings->setValue(QStringLiteral("volume_unit"), QStringLiteral("abc"));
        QCOMPARE(volumeUnit(), 0);
    }
};

GARVO_TEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
