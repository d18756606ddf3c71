#include "currency/currency.h"
#include "database/database.h"
#include "database/settings.h"
#include "modules/options/units.h"
#include "testsupport.h"

class TestUnits : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *dir = nullptr;
    CDatabase *db = nullptr;
    CSettings *settings = nullptr;

    QString storedCurrency() const { return settings->value(QStringLiteral("currency"), QStringLiteral("<none>")).toString(); }

private slots:
    void init()
    {
        dir = new QTemporaryDir;
        db = new CDatabase(dir->filePath(QStringLiteral("garvo.db")));
        QVERIFY(db->isOpen());
        settings = new CSettings(db);
        resetCurrency();
    }

    void cleanup()
    {
        resetCurrency();
        delete settings;
        delete db;
        delete dir;
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
        delete settings;
        settings = nullptr;
        QCOMPARE(currency()->code(), QStringLiteral("USD"));
        QCOMPARE(currency(QStringLiteral("JPY"))->format(-12), QStringLiteral("-\u00A5 12.00"));
        QCOMPARE(volumeUnit(), 0);
        settings = new CSettings(db);
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
