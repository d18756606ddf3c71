#include "testdatabase.h"
#include "testsupport.h"

#include "database/tablesettings.h"
#include "database/transaction.h"

class TestSettings : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int rowsFor(const QString &key)
    {
        return db->database->count(QStringLiteral("settings"), QStringLiteral("settings_name = ?"), {key});
    }

private slots:
    void init() { db = new TestDatabase; }

    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void freshDatabaseGivesDefaults()
    {
        CSettings *settings = CSettings::instance();
        QCOMPARE(settings, db->settings);
        QCOMPARE(settings->value(QStringLiteral("currency"), QStringLiteral("USD")).toString(), QStringLiteral("USD"));
        QCOMPARE(settings->value(QStringLiteral("volume_unit"), 0).toInt(), 0);
        QCOMPARE(settings->value(QStringLiteral("fuel_efficiency"), 0).toInt(), 0);
        QCOMPARE(settings->value(QStringLiteral("InitialApplicationSetupDone"), 0).toBool(), false);
        QCOMPARE(db->database->count(QStringLiteral("settings")), 0);
    }

    void firstWriteInsertsLaterWritesUpdate()
    {
        CTableSettings *table = db->settings->table();
        QSignalSpy inserted(table, &CTable::inserted);
        QSignalSpy updated(table, &CTable::updated);

        QVERIFY(db->settings->setValue(QStringLiteral("currency"), QStringLiteral("EUR")));
        QCOMPARE(rowsFor(QStringLiteral("currency")), 1);
        QCOMPARE(inserted.count(), 0);

        QVERIFY(db->settings->setValue(QStringLiteral("currency"), QStringLiteral("HRK")));
        QCOMPARE(rowsFor(QStringLiteral("currency")), 1);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(db->settings->value(QStringLiteral("currency")).toString(), QStringLiteral("HRK"));
    }

    // Each key is read once: a change behind the object's back shows only
    // after clearCache(); every write through it shows at once, and a write
    // rolled back with its transaction is forgotten.
    void valuesAreReadOnceAndFollowEveryChange()
    {
        CSettings *settings = db->settings;
        QVERIFY(settings->setValue(QStringLiteral("volume_unit"), 1));
        QCOMPARE(settings->value(QStringLiteral("fuel_efficiency"), 0).toInt(), 0);
        QVERIFY(db->database->exec(QStringLiteral("UPDATE settings SET settings_value = '2'")));
        QVERIFY(db->database->exec(QStringLiteral("INSERT INTO settings (settings_name, settings_value) "
                                                  "VALUES ('fuel_efficiency', '2')")));
        QCOMPARE(settings->value(QStringLiteral("volume_unit"), 0).toInt(), 1);
        QCOMPARE(settings->value(QStringLiteral("fuel_efficiency"), 7).toInt(), 7);

        settings->clearCache();
        QCOMPARE(settings->value(QStringLiteral("volume_unit"), 0).toInt(), 2);
        QCOMPARE(settings->value(QStringLiteral("fuel_efficiency"), 0).toInt(), 2);
        {
            CTransaction transaction;
            QVERIFY(settings->setValue(QStringLiteral("volume_unit"), 1));
            QCOMPARE(settings->value(QStringLiteral("volume_unit"), 0).toInt(), 1);
        }
        QCOMPARE(settings->value(QStringLiteral("volume_unit"), 0).toInt(), 2);
    }

    void integerComesBackAsText()
    {
        QVERIFY(db->settings->setValue(QStringLiteral("volume_unit"), 2));
        const QVariant value = db->settings->value(QStringLiteral("volume_unit"), 0);
        QCOMPARE(value.userType(), int(QMetaType::QString));
        QCOMPARE(value.toString(), QStringLiteral("2"));
        QCOMPARE(value.toInt(), 2);

        QVERIFY(db->settings->setValue(QStringLiteral("InitialApplicationSetupDone"), 1));
        QVERIFY(db->settings->value(QStringLiteral("InitialApplicationSetupDone"), 0).toBool());
    }

    void keysAreCaseSensitive()
    {
        QVERIFY(db->settings->setValue(QStringLiteral("currency"), QStringLiteral("EUR")));
        QCOMPARE(db->settings->value(QStringLiteral("Currency"), QStringLiteral("USD")).toString(), QStringLiteral("USD"));
        QVERIFY(db->settings->setValue(QStringLiteral("Currency"), QStringLiteral("GBP")));
        QCOMPARE(db->settings->value(QStringLiteral("currency")).toString(), QStringLiteral("EUR"));
    }

    void emptyValueIsStoredNotDefault()
    {
        QVERIFY(db->settings->setValue(QStringLiteral("currency"), QString()));
        QCOMPARE(db->settings->value(QStringLiteral("currency"), QStringLiteral("USD")).toString(), QString());
    }

    void instanceFollowsLifetime()
    {
        delete db;
        db = nullptr;
        QVERIFY(!CSettings::instance());
    }
};

GARVO_TEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
