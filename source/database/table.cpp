#include "database/table.h"

#include "database/database.h"
#include "database/settings.h"
#include "database/transaction.h"

#include <QSqlQuery>

#include <limits>

namespace {

// The text a value is written as. An empty text stays empty text, never
// NULL, so an unset date is stored as ''.
QVariant textOf(const QVariant &value)
{
    const QString text = value.toString();
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QVariantList textsOf(const QVariantList &values)
{
    QVariantList texts;
    texts.reserve(values.size());
    for (const QVariant &value : values)
        texts.append(textOf(value));
    return texts;
}

} // namespace

CTable::CTable(CDatabase *database, const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_database(database)
{
}

void CTable::defineColumns()
{
    m_columns.clear();
    m_columnTypes.clear();
    addColumn(QStringLiteral("_id"), QStringLiteral("integer primary key"));
}

bool CTable::init()
{
    defineColumns();
    if (!m_database || !m_database->isOpen())
        return false;
    if (!m_database->tableExists(m_name)) {
        if (create())
            return true;
        m_database->addFault(tr("The table \"%1\" could not be created: %2").arg(m_name, m_database->errorText()));
        return false;
    }
    // Columns added by a later version are left alone; a missing one would
    // make every save fail.
    const QStringList missing = missingColumns();
    for (const QString &name : missing)
        m_database->addFault(tr("The table \"%1\" has no column \"%2\".").arg(m_name, name));
    return missing.isEmpty();
}

QStringList CTable::missingColumns()
{
    QSqlQuery query;
    if (!m_database->exec(query, QStringLiteral("PRAGMA table_info(%1)").arg(m_name)))
        return m_columns;
    QStringList present;
    while (query.next())
        present.append(query.value(1).toString());
    QStringList missing;
    for (const QString &name : qAsConst(m_columns)) {
        if (!present.contains(name, Qt::CaseInsensitive))
            missing.append(name);
    }
    return missing;
}

bool CTable::create()
{
    if (!m_database)
        return false;
    QStringList definition;
    for (int i = 0; i < m_columns.size(); ++i)
        definition.append(m_columns.at(i) + QLatin1Char(' ') + m_columnTypes.at(i));
    if (!m_database->createTable(m_name, definition.join(QLatin1Char(','))))
        return false;
    if (!m_version.isEmpty() && CSettings::instance())
        CSettings::instance()->setValue(QStringLiteral("%1_tableversion").arg(m_name), m_version);
    return true;
}

bool CTable::createIndex(std::initializer_list<int> columnIndexes)
{
    QStringList names;
    QStringList suffixes;
    for (int columnIndex : columnIndexes) {
        names.append(column(columnIndex));
        suffixes.append(column(columnIndex).mid(m_name.size() + 1));
    }
    // One column gives "<column>_index", the name older files already have.
    return m_database && !names.isEmpty()
           && m_database->exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1_%2_index ON %1 (%3)")
                                   .arg(m_name, suffixes.join(QLatin1Char('_')), names.join(QStringLiteral(", "))));
}

void CTable::addColumn(const QString &suffix, const QString &type)
{
    m_columns.append(m_name + suffix);
    m_columnTypes.append(type);
}

QString CTable::tableName() const
{
    return m_name;
}

QString CTable::version() const
{
    return m_version;
}

QString CTable::column(int columnIndex) const
{
    return m_columns.value(columnIndex);
}

QStringList CTable::columns() const
{
    return m_columns;
}

QStringList CTable::columnTypes() const
{
    return m_columnTypes;
}

CDatabase *CTable::database() const
{
    return m_database;
}

QString CTable::filter(const QString &where) const
{
    return where;
}

int CTable::runChange(const QString &sql, const QVariantList &bindings)
{
    if (!m_database)
        return -1;
    QSqlQuery query;
    if (!m_database->exec(query, sql, bindings))
        return -1;
    return query.numRowsAffected();
}

bool CTable::selectIds(const QString &sql, const QVariantList &bindings, QList<int> &result,
                       int limit)
{
    result.clear();
    if (!m_database)
        return false;
    QSqlQuery query;
    if (!m_database->exec(query, sql, bindings))
        return false;
    while ((limit < 0 || result.size() < limit) && query.next()) {
        // A damaged id would wrap onto another row's.
        bool ok = false;
        const qlonglong id = query.value(0).toLongLong(&ok);
        if (!ok || id < std::numeric_limits<int>::min() || id > std::numeric_limits<int>::max()) {
            m_database->setErrorText(tr("The table \"%1\" holds the row id %2, which is out of range.")
                                         .arg(m_name, query.value(0).toString()));
            result.clear();
            return false;
        }
        result.append(int(id));
    }
    return true;
}

int CTable::count(const QString &where, const QVariantList &bindings)
{
    if (!m_database)
        return -3;
    return m_database->count(m_name, filter(where), bindings);
}

bool CTable::exists(int id)
{
    QList<int> found;
    selectIds(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                  .arg(column(0), m_name, filter(QStringLiteral(" %1 = ? ").arg(column(0)))),
              {id}, found, 1);
    return !found.isEmpty();
}

int CTable::findId(int columnIndex, const QVariant &value)
{
    return findId(QStringLiteral(" %1 = ? ").arg(column(columnIndex)), {textOf(value)});
}

int CTable::findId(const QString &where, const QVariantList &bindings)
{
    QList<int> found;
    selectIds(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(column(0), m_name, filter(where)),
              bindings, found, 1);
    return found.value(0, 0);
}

int CTable::firstId(const QString &where, const QVariantList &bindings)
{
    QList<int> found;
    QString sql = QStringLiteral("SELECT %1 FROM %2 ").arg(column(0), m_name);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + filter(where);
    sql += QStringLiteral(" ORDER BY %1 ASC LIMIT 0,1").arg(column(0));
    selectIds(sql, bindings, found, 1);
    return found.value(0, 0);
}

QList<int> CTable::ids(const QString &where, const QVariantList &bindings)
{
    QList<int> found;
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(column(0), m_name);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + filter(where);
    sql += QStringLiteral(" ORDER BY %1 ASC").arg(column(0));
    selectIds(sql, bindings, found);
    return found;
}

QSqlRecord CTable::record(int id)
{
    if (!m_database)
        return QSqlRecord();
    QSqlQuery query;
    if (!m_database->exec(query, QStringLiteral("SELECT * FROM %1 WHERE %2=? ").arg(m_name, column(0)),
                          {id})
        || !query.next())
        return QSqlRecord();
    return query.record();
}

QVariant CTable::value(int id, int columnIndex)
{
    if (!m_database)
        return QVariant();
    QSqlQuery query;
    if (!m_database->exec(query,
                          QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                              .arg(column(columnIndex), m_name, column(0)),
                          {id})
        || !query.next())
        return QVariant();
    return query.value(0);
}

bool CTable::updateField(int id, int columnIndex, const QVariant &value)
{
    const int changed = runChange(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                                      .arg(m_name, column(columnIndex), column(0)),
                                  {textOf(value), id});
    if (changed < 0)
        return false;
    emit updated(id);
    return true;
}

int CTable::updateFieldWhere(int columnIndex, const QVariant &value, const QString &where,
                             const QVariantList &bindings)
{
    QString sql = QStringLiteral("UPDATE %1 SET %2 = ?").arg(m_name, column(columnIndex));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    const int changed = runChange(sql, QVariantList{textOf(value)} + bindings);
    if (changed > 0)
        emit fieldUpdated(columnIndex);
    return changed;
}

bool CTable::remove(int id)
{
    if (id == 0)
        return false;
    if (runChange(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(m_name, column(0)), {id}) < 0)
        return false;
    emit deleted(id);
    return true;
}

int CTable::insert(const QVariantList &values, const QStringList &columns)
{
    int id = 0;
    if (m_database && !values.isEmpty() && values.size() == columns.size()) {
        QStringList placeholders;
        for (int i = 0; i < values.size(); ++i)
            placeholders.append(QStringLiteral("?"));
        id = m_database->insert(m_name, placeholders.join(QStringLiteral(", ")),
                                columns.join(QStringLiteral(", ")), textsOf(values));
    }
    emit inserted(id);
    return id;
}

int CTable::save(int id, const QVariantList &values, const QStringList &columns)
{
    if (id == 0)
        return insert(values, columns);
    bool ok = false;
    if (!values.isEmpty() && values.size() == columns.size()) {
        QStringList assignments;
        for (const QString &name : columns)
            assignments.append(QStringLiteral("%1=?").arg(name));
        const QString sql = QStringLiteral("UPDATE ") + m_name + QStringLiteral(" SET ")
                            + assignments.join(QStringLiteral(", "))
                            + QStringLiteral(" WHERE %1 =? ").arg(column(0));
        ok = runChange(sql, textsOf(values) + QVariantList{id}) >= 0;
    }
    emit updated(id);
    return ok ? id : 0;
}

bool CTable::removeAll(int columnIndex, int value)
{
    CTransaction transaction(m_database);
    const QString where = filter(QStringLiteral("%1=?").arg(column(columnIndex)));
    QList<int> found;
    if (!selectIds(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %1 ASC").arg(column(0), m_name, where),
                   {value}, found))
        return false;
    if (found.isEmpty())
        return transaction.commit();
    // Nothing runs between the two statements, so the rows deleted are the
    // rows selected; the listeners hear of them after the delete.
    if (runChange(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_name, where), {value}) != found.size())
        return false;
    for (int id : qAsConst(found))
        emit deleted(id);
    return transaction.commit();
}
