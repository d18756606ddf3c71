#include "database/tablesettings.h"

#include "database/database.h"

CTableSettings::CTableSettings(CDatabase *database, const QString &name)
    : CTable(database, name)
{
    init();
}

void CTableSettings::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_name"), QStringLiteral("text"));
    addColumn(QStringLiteral("_value"), QStringLiteral("text"));
}

QVariant CTableSettings::value(const QString &key, const QVariant &defaultValue)
{
    const int id = findId(Name, key);
    if (id == 0)
        return defaultValue;
    const QVariant stored = CTable::value(id, Value);
    if (!stored.isValid())
        return defaultValue;
    return QVariant(stored.toString());
}

bool CTableSettings::setValue(const QString &key, const QVariant &value)
{
    const int id = findId(Name, key);
    if (id == 0)
        return insertPair(key, value);
    return updateField(id, Value, value);
}

bool CTableSettings::insertPair(const QString &key, const QVariant &value)
{
    if (!m_database)
        return false;
    const QString columns = QStringLiteral("%1_name, %2_value").arg(m_name, m_name);
    const QString text = value.toString();
    return m_database->insert(m_name, QStringLiteral("?, ?"), columns,
                              {key, text.isNull() ? QStringLiteral("") : text})
           != 0;
}
