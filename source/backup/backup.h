#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class CDatabase;

// One copy in the backup folder, known by its file name
// "garvo-yyyy-MM-dd-hhmmss-<reason>[-n].db". Only verified copies are ever
// given such a name, so the name alone says the copy was good when taken.
class CBackupFile
{
public:
    enum Reason { Daily, BeforeVehicleDeletion, BeforeUpdate, BeforeRestore, BeforeImport, OtherReason };

    // The copy at `path`; not valid when the file name is not a backup name.
    static CBackupFile fromPath(const QString &path);
    // The file name of a copy taken at `takenAt` for `reason`; `sequence`
    // above 1 tells apart copies taken in the same second.
    static QString fileName(const QDateTime &takenAt, Reason reason, int sequence = 1);

    bool isValid() const { return m_takenAt.isValid(); }
    QString path() const { return m_path; }
    QDateTime takenAt() const { return m_takenAt; }
    Reason reason() const { return m_reason; }
    // Newer copies first.
    bool isNewerThan(const CBackupFile &other) const;

private:
    QString m_path;
    QDateTime m_takenAt;
    Reason m_reason = OtherReason;
    int m_sequence = 1;
};

// What a copy holds, and whether it can be trusted.
struct CBackupContents
{
    bool intact = false;
    // Why the copy cannot be used, for the user.
    QString problem;
    qint64 size = 0;
    int vehicles = 0;
    int fuelEntries = 0;
    int services = 0;
    int expenses = 0;
    int notes = 0;
    int odometerReadings = 0;

    // Full runs SQLite's integrity check; Quick its quick check, which skips
    // comparing indexes with their tables and takes a fraction of the time.
    enum Check { Full, Quick };

    // Checks `path` (opened read-only) and counts its records. A file that is
    // not a complete Garvo database is not intact.
    static CBackupContents inspect(const QString &path, Check check = Full);
};

// How many automatic copies are kept: the newest copy of each of the last
// `daily` days on which copies were taken, and of each of the last `weekly`
// weeks. Copies of today are all kept. Counting days with copies rather than
// calendar days means a long pause never expires every copy at once.
struct CBackupRetention
{
    int daily = 7;
    int weekly = 8;

    // The counts from the configuration file; missing or unusable values
    // give the defaults.
    static CBackupRetention fromConfiguration();

    // The copies of `files` that fall outside the retention on `today`.
    QList<CBackupFile> expired(QList<CBackupFile> files, const QDate &today) const;
};

struct CBackupResult
{
    bool ok = false;
    // Copy written, or the copy made of the replaced database by restore.
    QString fileName;
    // Why it failed, for the user.
    QString error;
};

// The backups of one database file, kept in the folder "backups" beside it.
// Copies are taken with SQLite's VACUUM INTO on a connection of their own,
// so they are consistent even while the application's connection writes,
// and each one is verified before it is given its final name.
class CBackupStore
{
    Q_DECLARE_TR_FUNCTIONS(CBackupStore)

public:
    explicit CBackupStore(const QString &databasePath);

    QString databasePath() const { return m_databasePath; }
    QString folder() const;
    // Every copy in the folder, newest first. Other files are ignored.
    QList<CBackupFile> list() const;

    // Writes a verified copy of the database for `reason`.
    CBackupResult backUp(CBackupFile::Reason reason) const;
    // The copy of the day: taken unless a copy of today exists; afterwards
    // copies outside `retention` are removed. `ok` with an empty file name
    // when there was nothing to do.
    CBackupResult backUpDaily(const CBackupRetention &retention) const;
    // Removes the copies outside `retention`; the number removed.
    int prune(const CBackupRetention &retention) const;
    // Writes a verified copy of the database to `fileName`, replacing it.
    CBackupResult exportTo(const QString &fileName) const;

    // Replaces the database of `database` (which must be this store's file)
    // with the copy at `backupPath`. The copy is checked and staged beside the
    // database, the current database is backed up, and only then is the
    // staged file renamed over it while the connection is closed: at any
    // moment the database file is either the old one or the restored one.
    CBackupResult restore(const QString &backupPath, CDatabase *database) const;

    // Writes a consistent copy of the SQLite file `source` to `target`
    // (replaced when it exists): the copy goes to a file beside `target`, is
    // verified and synced, and is then renamed over `target`. Empty on
    // success, otherwise why it failed.
    static QString writeVerifiedCopy(const QString &source, const QString &target);

private:
    QString m_databasePath;
};
