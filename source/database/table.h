#pragma once

#include <QList>
#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <initializer_list>

class CDatabase;

// One table of the database: its name (also the column prefix), its columns
// and the generic operations on its rows. Columns are addressed by their
// index in `columns()`; index 0 is the id column "<name>_id".
//
// Every value is bound as a parameter. Operations that take a ready-made
// condition (`where`) accept "?" placeholders filled from `bindings`, so
// callers never splice user values into the condition text.
class CTable : public QObject
{
    Q_OBJECT

public:
    CTable(CDatabase *database, const QString &name, QObject *parent = nullptr);

    virtual void defineColumns();
    // Creates the table when missing. A table that cannot be created or lacks
    // one of the columns is added to the database's faults; false then.
    virtual bool init();
    // Writes the value's text into one column of row `id`; emits updated(id)
    // on success.
    virtual bool updateField(int id, int columnIndex, const QVariant &value);
    // Writes the value's text into one column of every row matching `where`
    // (all rows when empty). Returns the number of rows changed, -1 on
    // failure; emits fieldUpdated(columnIndex) when rows changed.
    virtual int updateFieldWhere(int columnIndex, const QVariant &value, const QString &where,
                                 const QVariantList &bindings = QVariantList());
    // False for id 0 or a failing statement; true otherwise (also when no row
    // matched), then emits deleted(id).
    virtual bool remove(int id);
    virtual QString filter(const QString &where) const;

    bool create();
    QString tableName() const;
    QString version() const;
    QString column(int columnIndex) const;
    QStringList columns() const;
    QStringList columnTypes() const;
    CDatabase *database() const;

    // -3 database not open, -1 failed statement, -2 no row.
    int count(const QString &where = QString(), const QVariantList &bindings = QVariantList());
    bool exists(int id);
    // The first row whose column equals the value's text; 0 when none.
    int findId(int columnIndex, const QVariant &value);
    int findId(const QString &where, const QVariantList &bindings = QVariantList());
    // The lowest id matching `where` (any row when empty); 0 when none.
    int firstId(const QString &where = QString(), const QVariantList &bindings = QVariantList());
    // Every id matching `where`, lowest first.
    QList<int> ids(const QString &where = QString(), const QVariantList &bindings = QVariantList());
    QSqlRecord record(int id);
    // Invalid when no row has that id.
    QVariant value(int id, int columnIndex);
    // Inserts one row; emits inserted(id), with 0 after a failure.
    int insert(const QVariantList &values, const QStringList &columns);
    // Updates row `id` (inserts when id is 0); returns id, 0 on failure.
    // Emits updated(id) whether or not the update succeeded.
    int save(int id, const QVariantList &values, const QStringList &columns);

signals:
    void inserted(int id);
    void updated(int id);
    void deleted(int id);
    void fieldUpdated(int fieldId);

protected:
    // Adds a column "<name><suffix>"; `suffix` starts with "_".
    void addColumn(const QString &suffix, const QString &type);
    // Adds an index on the columns, in that order, unless it exists; it
    // changes no table. Named "<table>_<columns without prefix>_index".
    bool createIndex(std::initializer_list<int> columnIndexes);
    // Removes every row whose column equals `value` with one DELETE, then
    // emits deleted(id) for each of them, lowest id first, all inside one
    // transaction: a failing delete, or a listener's work failing, makes the
    // enclosing transaction roll back. False on failure.
    bool removeAll(int columnIndex, int value);
    // The columns of `columns()` that the stored table does not have.
    QStringList missingColumns();
    // Runs a changing statement; the number of rows changed, -1 on failure.
    int runChange(const QString &sql, const QVariantList &bindings);
    // Runs a query whose first column is an id; false on failure.
    bool selectIds(const QString &sql, const QVariantList &bindings, QList<int> &result,
                   int limit = -1);

    QString m_name;
    QString m_version;
    QStringList m_columns;
    QStringList m_columnTypes;
    CDatabase *m_database = nullptr;
};
