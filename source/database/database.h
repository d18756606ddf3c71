#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

class QSqlQuery;

// The one connection to the SQLite file (Qt's default connection, so only
// one object may exist at a time). Every operation tests `opened`
// first and returns its failure value when the file could not be opened.
// Values reach SQL only as bound parameters ("?" placeholders filled from
// `bindings` in order); table names, column names and program-made
// conditions are the only text placed in statements.
class CDatabase : public QObject
{
    Q_OBJECT

public:
    explicit CDatabase(const QString &databaseName,
                       const QString &hostName = QStringLiteral("localhost"),
                       const QString &userName = QStringLiteral("Kestrel Row"),
                       const QString &password = QStringLiteral("kRow"),
                       QObject *parent = nullptr);
    ~CDatabase() override;

    // The process-wide database object, created on the first call (with the
    // default path when `path` is empty). Later calls ignore `path`.
    // Deleting the object clears it, so a later call creates a new one.
    static CDatabase *instance(const QString &path = QString());
    // garvo.db in the data directory, which is created when missing.
    static QString defaultPath();

    // False when the file could not be opened, is not a database or cannot
    // be written.
    bool isOpen() const;
    // Why opening failed, or the most recent failing statement or refusal.
    QString errorText() const;
    // Records why an operation refused to run, as errorText() tells it.
    void setErrorText(const QString &text);

    // What start-up found wrong with the tables of an open file: a table
    // that could not be created, a column that is missing. Start-up reports
    // them and ends; the file is left as it is.
    QStringList faults() const;
    void addFault(const QString &fault);
    QString fileName() const;
    QSqlDatabase database() const;

    bool exec(const QString &sql, const QVariantList &bindings = QVariantList());
    // Prepares `sql` on this connection into `query`, binds and runs it.
    // The query is forward-only: read it with next(), not in a query model.
    bool exec(QSqlQuery &query, const QString &sql, const QVariantList &bindings = QVariantList());

    // -3 not open, -1 failed statement, -2 no row.
    int count(const QString &table, const QString &where = QString(),
              const QVariantList &bindings = QVariantList());
    bool createTable(const QString &name, const QString &definition);
    // `values` is the ready-made value list ("?, ?" with bindings);
    // returns the new row id, 0 on failure.
    int insert(const QString &table, const QString &values, const QString &columns,
               const QVariantList &bindings = QVariantList());
    QStringList tables() const;
    bool tableExists(const QString &name) const;

    static QString escape(const QString &text);

    // Closes the connection (every query on it ends), runs `whileClosed`,
    // which may replace the file, and opens the file again. Refused inside a
    // transaction. True when `whileClosed` succeeded and the file is open.
    bool reopen(const std::function<bool()> &whileClosed);

signals:
    // The file was opened again by reopen(); what was read from it may be stale.
    void reopened();
    // The outermost transaction was rolled back: what was written in it is gone.
    void rolledBack();

private:
    friend class CTransaction;

    bool probe();
    void fail(const QSqlQuery &query);

    QSqlDatabase db;
    bool opened = false;
    QString lastError;
    QStringList schemaFaults;
    int transactionDepth = 0;
    bool transactionFailed = false;

    static CDatabase *self;
};
