#pragma once

// A fresh database with every table, for one test. Build it in init() and
// delete it in cleanup(); the process-wide objects (CDatabase::instance(),
// CSettings::instance(), CTable<Name>::instance()) point at it meanwhile.
//
//     TestDatabase db;            // settings, vehicle types, vehicle tables
//     TestDatabase db(TestDatabase::ConnectionOnly);

#include "database/database.h"
#include "database/settings.h"
#include "database/storage.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestDatabase
{
public:
    enum Tables { AllTables, ConnectionOnly };

    explicit TestDatabase(Tables tables = AllTables)
    {
        QVERIFY2(folder.isValid(), "no temporary folder");
        database = new CDatabase(path());
        QVERIFY2(database->isOpen(), qPrintable(database->errorText()));
        QVERIFY2(CDatabase::instance() == database, "another database object is still alive");
        if (tables == AllTables) {
            settings = new CSettings(database);
            Storage::createVehicleTypeTable();
            Storage::createVehicleTables();
        }
    }

    ~TestDatabase()
    {
        if (settings) {
            Storage::deleteVehicleTables();
            Storage::deleteVehicleTypeTable();
            delete settings;
        }
        delete database;
    }

    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString path() const { return folder.filePath(QStringLiteral("garvo.db")); }
    QString folderPath() const { return folder.path(); }

    // Runs one statement and returns the first column of its first row.
    QVariant scalar(const QString &sql, const QVariantList &bindings = QVariantList()) const
    {
        QSqlQuery query;
        if (!database->exec(query, sql, bindings) || !query.next())
            return QVariant();
        return query.value(0);
    }

    CDatabase *database = nullptr;
    CSettings *settings = nullptr;

private:
    QTemporaryDir folder;
};
