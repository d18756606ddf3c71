#include "backup/backup.h"

#include "application/configuration.h"
#include "database/database.h"
#include "utility/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd-hhmmss");
const QString PartialSuffix = QStringLiteral(".partial");

struct ReasonToken
{
    CBackupFile::Reason reason;
    const char *token;
};

constexpr ReasonToken ReasonTokens[] = {
    {CBackupFile::Daily, "daily"},
    {CBackupFile::BeforeVehicleDeletion, "vehicle-deletion"},
    {CBackupFile::BeforeUpdate, "update"},
    {CBackupFile::BeforeRestore, "restore"},
    {CBackupFile::BeforeImport, "import"},
    {CBackupFile::OtherReason, "other"},
};

// A read-only connection of its own on one file, removed with the object.
class ReadOnlyConnection
{
public:
    explicit ReadOnlyConnection(const QString &path)
        : m_name(QStringLiteral("garvo-backup-%1").arg(++counter))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            m_error = db.lastError().text();
    }

    ~ReadOnlyConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    ReadOnlyConnection(const ReadOnlyConnection &) = delete;
    ReadOnlyConnection &operator=(const ReadOnlyConnection &) = delete;

    bool isOpen() const { return m_error.isNull(); }
    QString error() const { return m_error; }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    static int counter;
    QString m_name;
    QString m_error;
};

int ReadOnlyConnection::counter = 0;

QString errorOf(const QSqlQuery &query)
{
    const QString text = query.lastError().text().trimmed();
    return text.isEmpty() ? CBackupStore::tr("unknown database error") : text;
}

// Flushes a file, or a folder's entries, to the disk.
bool syncToDisk(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#else
    Q_UNUSED(path)
    return true;
#endif
}

// Renames `from` over `to` in one step: `to` is either the old or the new file.
bool replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return false;
    syncToDisk(QFileInfo(to).absolutePath());
    return true;
}

bool samePath(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

// CBackupFile

CBackupFile CBackupFile::fromPath(const QString &path)
{
    static const QRegularExpression pattern(
        QStringLiteral("^garvo-(\\d{4}-\\d{2}-\\d{2}-\\d{6})-([a-z]+(?:-[a-z]+)*)(?:-(\\d+))?\\.db$"));
    CBackupFile file;
    const QRegularExpressionMatch match = pattern.match(QFileInfo(path).fileName());
    if (!match.hasMatch())
        return file;
    file.m_takenAt = QDateTime::fromString(match.captured(1), DateTimeFormat);
    if (!file.m_takenAt.isValid())
        return file;
    file.m_path = path;
    for (const ReasonToken &entry : ReasonTokens) {
        if (match.captured(2) == QLatin1String(entry.token))
            file.m_reason = entry.reason;
    }
    if (match.capturedLength(3) > 0)
        file.m_sequence = match.captured(3).toInt();
    return file;
}

QString CBackupFile::fileName(const QDateTime &takenAt, Reason reason, int sequence)
{
    QString token;
    for (const ReasonToken &entry : ReasonTokens) {
        if (entry.reason == reason)
            token = QLatin1String(entry.token);
    }
    QString name = QStringLiteral("garvo-") + takenAt.toString(DateTimeFormat) + QLatin1Char('-') + token;
    if (sequence > 1)
        name += QLatin1Char('-') + QString::number(sequence);
    return name + QStringLiteral(".db");
}

bool CBackupFile::isNewerThan(const CBackupFile &other) const
{
    if (m_takenAt != other.m_takenAt)
        return m_takenAt > other.m_takenAt;
    return m_sequence > other.m_sequence;
}

// CBackupContents

CBackupContents CBackupContents::inspect(const QString &path, Check check)
{
    CBackupContents contents;
    const QFileInfo info(path);
    if (!info.isFile()) {
        contents.problem = CBackupStore::tr("The file does not exist.");
        return contents;
    }
    contents.size = info.size();

    ReadOnlyConnection connection(path);
    if (!connection.isOpen()) {
        contents.problem = connection.error();
        return contents;
    }
    QSqlQuery query(connection.database());
    const QString pragma = check == Full ? QStringLiteral("PRAGMA integrity_check") : QStringLiteral("PRAGMA quick_check");
    if (!query.exec(pragma)) {
        contents.problem = errorOf(query);
        return contents;
    }
    QStringList findings;
    while (query.next())
        findings << query.value(0).toString();
    if (findings != QStringList{QStringLiteral("ok")}) {
        // The check lists up to a hundred findings; the first few say enough.
        contents.problem = CBackupStore::tr("The file is damaged: %1")
                               .arg(findings.mid(0, 3).join(QLatin1Char(' ')));
        return contents;
    }
    if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM vehicle), (SELECT count(*) FROM fuellog),"
                                   " (SELECT count(*) FROM service_session), (SELECT count(*) FROM expense),"
                                   " (SELECT count(*) FROM note), (SELECT count(*) FROM odometerlog)"))
        || !query.next()) {
        contents.problem = CBackupStore::tr("The file is not a Garvo database.");
        return contents;
    }
    contents.vehicles = query.value(0).toInt();
    contents.fuelEntries = query.value(1).toInt();
    contents.services = query.value(2).toInt();
    contents.expenses = query.value(3).toInt();
    contents.notes = query.value(4).toInt();
    contents.odometerReadings = query.value(5).toInt();
    contents.intact = true;
    return contents;
}

// CBackupRetention

CBackupRetention CBackupRetention::fromConfiguration()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Backup);
    const auto count = [config](QLatin1String key, int defaultValue) {
        bool ok = false;
        const int value = config->value(key, defaultValue).toInt(&ok);
        return ok && value >= 0 ? value : defaultValue;
    };
    CBackupRetention retention;
    retention.daily = count(Config::Key::DailyCopies, Config::Default::DailyCopies);
    retention.weekly = count(Config::Key::WeeklyCopies, Config::Default::WeeklyCopies);
    return retention;
}

QList<CBackupFile> CBackupRetention::expired(QList<CBackupFile> files, const QDate &today) const
{
    std::sort(files.begin(), files.end(),
              [](const CBackupFile &a, const CBackupFile &b) { return a.isNewerThan(b); });
    QSet<QDate> days;
    QSet<int> weeks;
    QList<CBackupFile> result;
    for (const CBackupFile &file : qAsConst(files)) {
        const QDate day = file.takenAt().date();
        int year = 0;
        const int week = day.weekNumber(&year);
        const int weekKey = year * 100 + week;
        // Walking from the newest, the first copy met of a day or week is its newest.
        bool keep = day >= today;
        if (!days.contains(day) && days.size() < daily) {
            days.insert(day);
            keep = true;
        }
        if (!weeks.contains(weekKey) && weeks.size() < weekly) {
            weeks.insert(weekKey);
            keep = true;
        }
        if (!keep)
            result << file;
    }
    return result;
}

// CBackupStore

CBackupStore::CBackupStore(const QString &databasePath) : m_databasePath(databasePath) {}

QString CBackupStore::folder() const
{
    return QFileInfo(m_databasePath).absolutePath() + QStringLiteral("/backups/");
}

QList<CBackupFile> CBackupStore::list() const
{
    QList<CBackupFile> files;
    const QFileInfoList entries =
        QDir(folder()).entryInfoList({QStringLiteral("garvo-*.db")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const CBackupFile file = CBackupFile::fromPath(entry.absoluteFilePath());
        if (file.isValid())
            files << file;
    }
    std::sort(files.begin(), files.end(),
              [](const CBackupFile &a, const CBackupFile &b) { return a.isNewerThan(b); });
    return files;
}

CBackupResult CBackupStore::backUp(CBackupFile::Reason reason) const
{
    CBackupResult result;
    if (!QDir().mkpath(folder())) {
        result.error = tr("The backup folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder()));
        return result;
    }
    const QDateTime now = Utility::Clock::now();
    QString target;
    for (int sequence = 1; target.isEmpty() || QFileInfo::exists(target); ++sequence)
        target = folder() + CBackupFile::fileName(now, reason, sequence);
    result.error = writeVerifiedCopy(m_databasePath, target);
    result.ok = result.error.isEmpty();
    if (result.ok)
        result.fileName = target;
    return result;
}

CBackupResult CBackupStore::backUpDaily(const CBackupRetention &retention) const
{
    const QDate today = Utility::Clock::today();
    const QList<CBackupFile> files = list();
    if (std::any_of(files.cbegin(), files.cend(),
                    [&today](const CBackupFile &file) { return file.takenAt().date() == today; })) {
        CBackupResult nothingToDo;
        nothingToDo.ok = true;
        return nothingToDo;
    }
    const CBackupResult result = backUp(CBackupFile::Daily);
    // Old copies go only once the new one stands.
    if (result.ok)
        prune(retention);
    return result;
}

int CBackupStore::prune(const CBackupRetention &retention) const
{
    int removed = 0;
    const QList<CBackupFile> expired = retention.expired(list(), Utility::Clock::today());
    for (const CBackupFile &file : expired) {
        if (QFile::remove(file.path()))
            ++removed;
    }
    // Left behind by copies that were interrupted.
    const QStringList partials = QDir(folder()).entryList({QStringLiteral("garvo-*.db") + PartialSuffix},
                                                          QDir::Files | QDir::Hidden);
    for (const QString &name : partials)
        QFile::remove(folder() + name);
    return removed;
}

CBackupResult CBackupStore::exportTo(const QString &fileName) const
{
    CBackupResult result;
    if (samePath(fileName, m_databasePath)) {
        result.error = tr("A copy cannot replace the database it is made of.");
        return result;
    }
    result.error = writeVerifiedCopy(m_databasePath, fileName);
    result.ok = result.error.isEmpty();
    if (result.ok)
        result.fileName = fileName;
    return result;
}

CBackupResult CBackupStore::restore(const QString &backupPath, CDatabase *database) const
{
    CBackupResult result;
    if (!database || !samePath(database->fileName(), m_databasePath)) {
        result.error = tr("The backup belongs to another database.");
        return result;
    }
    const CBackupContents contents = CBackupContents::inspect(backupPath);
    if (!contents.intact) {
        result.error = tr("The backup cannot be restored. %1").arg(contents.problem);
        return result;
    }

    // Staged beside the database, so that the final rename stays on one disk.
    const QString staged = m_databasePath + QStringLiteral(".restore");
    const QString stagingError = writeVerifiedCopy(backupPath, staged);
    if (!stagingError.isEmpty()) {
        result.error = tr("The backup could not be copied: %1").arg(stagingError);
        return result;
    }
    const CBackupResult safety = backUp(CBackupFile::BeforeRestore);
    if (!safety.ok) {
        QFile::remove(staged);
        result.error = tr("Your current records could not be backed up first, so nothing was restored: %1")
                           .arg(safety.error);
        return result;
    }
    result.fileName = safety.fileName;

    QString swapError;
    const bool swapped = database->reopen([&] {
        // A journal left over would be played back into the restored file.
        for (const QLatin1String suffix : {QLatin1String("-journal"), QLatin1String("-wal")}) {
            if (QFileInfo::exists(m_databasePath + suffix)) {
                swapError = tr("The database has an unfinished change.");
                return false;
            }
        }
        if (!replaceFile(staged, m_databasePath)) {
            swapError = tr("The database file could not be replaced.");
            return false;
        }
        return true;
    });
    QFile::remove(staged);
    if (!swapped) {
        result.error = swapError.isEmpty()
                           ? tr("The backup was put in place, but the database could not be opened again: %1")
                                 .arg(database->errorText())
                           : tr("Nothing was restored. %1").arg(swapError);
        return result;
    }
    result.ok = true;
    return result;
}

QString CBackupStore::writeVerifiedCopy(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isFile())
        return tr("The database file %1 does not exist.").arg(QDir::toNativeSeparators(source));
    const QString partial = target + PartialSuffix;
    if (QFileInfo::exists(partial) && !QFile::remove(partial))
        return tr("The file %1 is in the way.").arg(QDir::toNativeSeparators(partial));

    QString error;
    {
        ReadOnlyConnection connection(source);
        if (!connection.isOpen()) {
            error = connection.error();
        } else {
            QSqlQuery query(connection.database());
            // One read transaction: a snapshot of the last committed state.
            if (!query.prepare(QStringLiteral("VACUUM INTO ?")))
                error = errorOf(query);
            else {
                query.addBindValue(partial);
                if (!query.exec())
                    error = errorOf(query);
            }
        }
    }
    if (error.isEmpty()) {
        const CBackupContents contents = CBackupContents::inspect(partial);
        if (!contents.intact)
            error = tr("The copy failed its check. %1").arg(contents.problem);
    }
    if (error.isEmpty() && !syncToDisk(partial))
        error = tr("The copy could not be written to the disk.");
    if (error.isEmpty() && !replaceFile(partial, target))
        error = tr("The copy could not be given its name %1.").arg(QDir::toNativeSeparators(target));
    if (!error.isEmpty()) {
        QFile::remove(partial);
        return tr("The copy could not be written: %1").arg(error);
    }
    return QString();
}
