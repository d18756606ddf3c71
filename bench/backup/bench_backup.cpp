// Backups of the heavy database (twenty vehicles, twenty years of records):
// a verified copy, its inspection and a restore, against SQLite's own
// VACUUM INTO and integrity check of the same file.
//
//     bench_backup [--scale F]

#include "benchtiming.h"
#include "heavydatabase.h"

#include "backup/backup.h"
#include "database/database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

// Median of five runs, in milliseconds.
qint64 timed(const std::function<void()> &run)
{
    return qRound64(BenchTiming::median(5, run));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const int scaleAt = arguments.indexOf(QStringLiteral("--scale"));
    const double scale = scaleAt > 0 ? arguments.value(scaleAt + 1).toDouble() : 1.0;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("garvo.db"));
    HeavyDatabase::Result generated;
    if (scale <= 0.0 || !HeavyDatabase::generate(path, HeavyDatabase::Scale().scaled(scale), 1, &generated))
        qFatal("cannot write the heavy database: %s", qPrintable(generated.error));
    out << "database: " << generated.rows << " rows, " << QFileInfo(path).size() / 1024 << " KiB\n";

    CDatabase database(path);
    const CBackupStore store(path);
    int copies = 0;
    const qint64 raw = timed([&] {
        QSqlQuery query(database.database());
        query.prepare(QStringLiteral("VACUUM INTO ?"));
        query.addBindValue(folder.filePath(QStringLiteral("raw-%1.db").arg(++copies)));
        if (!query.exec())
            qFatal("VACUUM INTO failed");
    });
    const qint64 rawCheck = timed([&] {
        QSqlQuery query(database.database());
        if (!query.exec(QStringLiteral("PRAGMA integrity_check")))
            qFatal("integrity_check failed");
        while (query.next()) {
        }
    });
    QString copy;
    const qint64 backUp = timed([&] {
        const CBackupResult result = store.backUp(CBackupFile::OtherReason);
        if (!result.ok)
            qFatal("backup failed: %s", qPrintable(result.error));
        copy = result.fileName;
    });
    const qint64 inspect = timed([&] {
        if (!CBackupContents::inspect(copy).intact)
            qFatal("the copy is not intact");
    });
    const qint64 quickInspect = timed([&] {
        if (!CBackupContents::inspect(copy, CBackupContents::Quick).intact)
            qFatal("the copy is not intact");
    });
    const qint64 restore = timed([&] {
        const CBackupResult result = store.restore(copy, &database);
        if (!result.ok)
            qFatal("restore failed: %s", qPrintable(result.error));
    });

    out << "raw VACUUM INTO:                      " << raw << " ms\n"
        << "raw PRAGMA integrity_check:           " << rawCheck << " ms\n"
        << "verified backup (copy, check, sync):  " << backUp << " ms\n"
        << "inspect a copy (check, counts):       " << inspect << " ms\n"
        << "inspect a copy, quick check:          " << quickInspect << " ms\n"
        << "restore (check, stage, back up, swap): " << restore << " ms\n";
    return 0;
}
