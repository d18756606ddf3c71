#include "database/database.h"

#include "utility/utility.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcDatabase, "garvo.database", QtWarningMsg)

CDatabase *CDatabase::self = nullptr;

CDatabase::CDatabase(const QString &databaseName, const QString &hostName, const QString &userName,
                     const QString &password, QObject *parent)
    : QObject(parent)
{
    if (!self)
        self = this;

    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                   QLatin1String(QSqlDatabase::defaultConnection));
    db.setHostName(hostName);
    db.setDatabaseName(databaseName);
    db.setUserName(userName);
    db.setPassword(password);
    opened = db.open();
    if (!opened) {
        lastError = db.lastError().text();
        if (lastError.trimmed().isEmpty())
            lastError = tr("The database file cannot be opened.");
    } else if (!probe()) {
        // The driver opens any file lazily; a file that is not a database
        // only shows itself on the first statement.
        opened = false;
        db.close();
    }
    if (!opened)
        qCWarning(lcDatabase) << "cannot open" << databaseName << ':' << lastError;
}

CDatabase::~CDatabase()
{
    if (opened)
        db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    if (self == this)
        self = nullptr;
}

CDatabase *CDatabase::instance(const QString &path)
{
    if (!self)
        new CDatabase(path.isEmpty() ? defaultPath() : path);
    return self;
}

QString CDatabase::defaultPath()
{
    return Utility::dataDirectory() + QStringLiteral("garvo") + QStringLiteral(".db");
}

bool CDatabase::isOpen() const
{
    return opened;
}

QString CDatabase::errorText() const
{
    return lastError;
}

QString CDatabase::fileName() const
{
    return db.databaseName();
}

QSqlDatabase CDatabase::database() const
{
    return db;
}

bool CDatabase::probe()
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
        lastError = query.lastError().text();
        if (lastError.trimmed().isEmpty())
            lastError = tr("The file is not a database.");
        return false;
    }
    query.finish();
    // A read-only file or folder opens and reads like any other; only a write
    // shows it. The write is rolled back, so the file stays as it was.
    bool written = db.transaction();
    if (written) {
        written = query.exec(QStringLiteral("CREATE TABLE garvo_write_probe (probe integer)"));
        if (!written)
            lastError = query.lastError().text();
        query.finish();
        db.rollback();
    } else {
        lastError = db.lastError().text();
    }
    if (!written)
        lastError = tr("The file cannot be written: %1").arg(lastError);
    return written;
}

void CDatabase::setErrorText(const QString &text)
{
    lastError = text;
    qCWarning(lcDatabase) << text;
}

QStringList CDatabase::faults() const
{
    return schemaFaults;
}

void CDatabase::addFault(const QString &fault)
{
    schemaFaults.append(fault);
    qCWarning(lcDatabase) << fault;
}

namespace {

// Why SQLite would not keep `value` as it is; empty when it would.
QString unstorable(const QVariant &value)
{
    switch (value.type()) {
    case QVariant::String: {
        // UTF-16 pairs only: a lone surrogate has no UTF-8 form and would be
        // replaced on its way into the file.
        const QString text = value.toString();
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            else if (text.at(i).isSurrogate())
                return CDatabase::tr("the text holds a lone UTF-16 surrogate at position %1").arg(i + 1);
        }
        break;
    }
    case QVariant::Double:
        if (!std::isfinite(value.toDouble()))
            return CDatabase::tr("the number is not finite");
        break;
    default:
        break;
    }
    return QString();
}

} // namespace

void CDatabase::fail(const QSqlQuery &query)
{
    lastError = query.lastError().text();
    qCDebug(lcDatabase) << "statement failed:" << query.lastQuery() << ':' << lastError;
}

bool CDatabase::exec(QSqlQuery &query, const QString &sql, const QVariantList &bindings)
{
    if (!opened)
        return false;
    query = QSqlQuery(db);
    // Results are read front to back; no row cache for long histories.
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        fail(query);
        return false;
    }
    for (const QVariant &value : bindings) {
        const QString refusal = unstorable(value);
        if (!refusal.isEmpty()) {
            setErrorText(tr("A value cannot be stored: %1.").arg(refusal));
            return false;
        }
        query.addBindValue(value);
    }
    if (!query.exec()) {
        fail(query);
        return false;
    }
    return true;
}

bool CDatabase::exec(const QString &sql, const QVariantList &bindings)
{
    QSqlQuery query;
    return exec(query, sql, bindings);
}

int CDatabase::count(const QString &table, const QString &where, const QVariantList &bindings)
{
    if (!opened)
        return -3;
    QString sql = QStringLiteral("SELECT count(*) FROM %1").arg(table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    QSqlQuery query;
    if (!exec(query, sql, bindings))
        return -1;
    if (!query.next())
        return -2;
    return query.value(0).toInt();
}

bool CDatabase::createTable(const QString &name, const QString &definition)
{
    return exec(QStringLiteral("create table %1 (%2)").arg(name, definition));
}

int CDatabase::insert(const QString &table, const QString &values, const QString &columns,
                      const QVariantList &bindings)
{
    if (!opened)
        return 0;
    const QString sql = QStringLiteral("insert into ") + table + QStringLiteral("(") + columns
                        + QStringLiteral(") values (") + values + QStringLiteral(")");
    QSqlQuery query;
    if (!exec(query, sql, bindings))
        return 0;
    // Ids are 32-bit; past a damaged id the new row's id would wrap.
    const qlonglong id = query.lastInsertId().toLongLong();
    if (id <= 0 || id > std::numeric_limits<int>::max()) {
        exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(table), {id});
        setErrorText(tr("The table \"%1\" has no row id left below %2.").arg(table).arg(std::numeric_limits<int>::max()));
        return 0;
    }
    return int(id);
}

QStringList CDatabase::tables() const
{
    if (!opened)
        return QStringList();
    return db.tables(QSql::Tables);
}

bool CDatabase::tableExists(const QString &name) const
{
    return tables().contains(name, Qt::CaseSensitive);
}

QString CDatabase::escape(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
}

bool CDatabase::reopen(const std::function<bool()> &whileClosed)
{
    if (transactionDepth > 0) {
        lastError = tr("The database is busy with a change.");
        return false;
    }
    db.close();
    const bool done = whileClosed();
    opened = db.open();
    if (!opened)
        lastError = db.lastError().text();
    else if (!probe()) {
        opened = false;
        db.close();
    }
    if (!opened) {
        qCWarning(lcDatabase) << "cannot reopen" << db.databaseName() << ':' << lastError;
        return false;
    }
    emit reopened();
    return done;
}
