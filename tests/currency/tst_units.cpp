#include "../database/testdatabase.h"
#include "currency/currency.h"
#include "modules/options/units.h"
#include "testsupport.h"

#include <memory>

class TestUnits : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;
    CSettings *settings = nullptr;

    QString storedCurrency() const { return settings->value(QStringLiteral("currency"), QStringLiteral("<none>")).toString(); }

private slots:
    void init()
    {
        db.reset(new TestDatabase);
        settings = db->settings;
        resetCurrency();
    }

    void cleanup()
    {
        resetCurrency();
        db.reset();
    }

    void freshDatabaseFormatsInDollarsWithoutWriting()
    {
        QCOMPARE(currency()->code(), QStringLiteral("USD"));
        QCOMPARE(currency()->format(1000), QStringLiteral("$ 1,000.00"));
        QCOMPARE(storedCurrency(), QStringLiteral("<none>"));
    }

    void emptyCodeReadsTheStoredCurrencyOnce()
    {
        settings->setValue(QStringLiteral("currency"), QStringLiteral("EUR"));
        ASCurrency::Currency *first = currency();
        QCOMPARE(first->code(), QStringLiteral("EUR"));
        // Later reads keep the object even when the setting changes behind it.
        settings->setValue(QStringLiteral("currency"), QStringLiteral("GBP"));
        QCOMPARE(currency(), first);
        QCOMPARE(currency()->code(), QStringLiteral("EUR"));
    }

    void newCodeReplacesTheObjectAndStoresTheSetting()
    {
        currency();
        ASCurrency::Currency *euro = currency(QStringLiteral("EUR"));
        QCOMPARE(euro->code(), QStringLiteral("EUR"));
        QCOMPARE(currency(), euro);
        QCOMPARE(storedCurrency(), QStringLiteral("EUR"));
        QCOMPARE(currency()->format(1000000.5), QStringLiteral("1.000.000,50 \u20AC"));

        ASCurrency::Currency *kuna = currency(QStringLiteral("HRK"));
        QCOMPARE(kuna->code(), QStringLiteral("HRK"));
        QCOMPARE(storedCurrency(), QStringLiteral("HRK"));
    }

    void sameCodeNeitherReplacesNorWrites()
    {
        ASCurrency::Currency *euro = currency(QStringLiteral("EUR"));
        settings->setValue(QStringLiteral("currency"), QStringLiteral("GBP"));
        QCOMPARE(currency(QStringLiteral("EUR")), euro);
        QCOMPARE(storedCurrency(), QStringLiteral("GBP"));
    }

    void unknownStoredCodeGivesBareNumbers()
    {
        settings->setValue(QStringLiteral("currency"), QStringLiteral("XYZ"));
        QCOMPARE(currency()->format(1500), QStringLiteral("1500.00"));
    }

    void worksWithoutASettingsObject()
    {
        settings->setValue(QStringLiteral("currency"), QStringLiteral("EUR"));
        delete db->settings;
        const bool noSettings = !CSettings::instance();
        const QString code = currency()->code();
        const QString yen = currency(QStringLiteral("JPY"))->format(-12);
        const int unit = volumeUnit();
        db->settings = settings = new CSettings(db->database);

        QVERIFY(noSettings);
        QCOMPARE(code, QStringLiteral("USD"));
        QCOMPARE(yen, QStringLiteral("-\u00A5 12.00"));
        QCOMPARE(unit, 0);
    }

    void volumeUnitName_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("name");
        QTest::newRow("not chosen") << QString() << 0 << "Unknown";
        QTest::newRow("litre") << "1" << 1 << "Litre";
        QTest::newRow("gallon") << "2" << 2 << "Gallon";
        QTest::newRow("out of range") << "3" << 3 << "Unknown";
        QTest::newRow("not a number") << "abc" << 0 << "Unknown";
    }

    void volumeUnitName()
    {
        QFETCH(QString, stored);
        QFETCH(int, unit);
        QFETCH(QString, name);
        if (!stored.isNull())
            settings->setValue(QStringLiteral("volume_unit"), stored);
        QCOMPARE(volumeUnit(), unit);
        QCOMPARE(::volumeUnitName(), name);
    }

    void efficiencyDescription_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("per distance, litres") << 1 << 1 << "Litres/100 Odometer Units - [Litres/100km]";
        QTest::newRow("per distance, unit not chosen") << 1 << 0 << "Litres/100 Odometer Units - [Litres/100km]";
        QTest::newRow("per distance, gallons") << 1 << 2 << "Gallons/100 Odometer Units";
        QTest::newRow("per quantity, litres") << 2 << 1 << "Odometer Units per Litre";
        QTest::newRow("per quantity, gallons") << 2 << 2 << "Odometer Units per Gallon - [MPG]";
        QTest::newRow("mode not chosen") << 0 << 2 << "";
        QTest::newRow("unknown mode") << 3 << 1 << "";
    }

    void efficiencyDescription()
    {
        QFETCH(int, mode);
        QFETCH(int, unit);
        QFETCH(QString, text);
        QCOMPARE(::efficiencyDescription(mode, unit), text);
    }
};

GARVO_TEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
