#include "database/tableobject.h"

#include "database/database.h"
#include "database/table.h"

#include <QSqlRecord>

CTableObject::CTableObject(CTable *table)
    : m_table(table)
{
}

CTableObject::~CTableObject() = default;

int CTableObject::store(const QVariantList &values, const QStringList &columns)
{
    if (!m_table)
        return 0;
    if (m_id != 0)
        return m_table->save(m_id, values, columns);
    m_id = m_table->insert(values, columns);
    return m_id;
}

QVector<CFieldBinding> CTableObject::fields()
{
    return QVector<CFieldBinding>();
}

int CTableObject::save(bool force)
{
    const QVector<CFieldBinding> bindings = fields();
    if (bindings.isEmpty())
        return 0;
    if (!m_modified && !force)
        return m_id;
    // Writing a damaged record would put its defaults over the stored values.
    if (!m_damage.isEmpty())
        return refuse(m_damage + QLatin1Char(' ') + tr("It is not saved, so that the stored values stay as they are."));
    QStringList columns;
    QVariantList values;
    for (int i = 0; i < bindings.size(); ++i) {
        const QString refusal = bindings.at(i).refusal();
        if (!refusal.isEmpty())
            return refuse(tr("The value of %1 cannot be stored: %2.").arg(column(i + 1), refusal));
        columns.append(column(i + 1));
        values.append(bindings.at(i).written());
    }
    return store(values, columns);
}

int CTableObject::refuse(const QString &why)
{
    if (m_table && m_table->database())
        m_table->database()->setErrorText(why);
    return 0;
}

namespace {

// True when the record holds exactly `columns`, in that order: the usual case,
// read by position without a search per field.
bool holdsInOrder(const QSqlRecord &record, const QStringList &columns)
{
    if (record.count() != columns.size())
        return false;
    for (int i = 0; i < columns.size(); ++i) {
        if (record.fieldName(i) != columns.at(i))
            return false;
    }
    return true;
}

} // namespace

void CTableObject::load(const QSqlRecord &record)
{
    m_modified = false;
    // Columns are found by name: a table with its columns in another order,
    // or with more of them, never shifts values into the wrong fields.
    const QStringList columns = m_table ? m_table->columns() : QStringList();
    const bool byPosition = columns.isEmpty() || holdsInOrder(record, columns);
    QStringList damaged;
    const auto stored = [&](int columnIndex) {
        if (byPosition)
            return record.value(columnIndex);
        const int index = record.indexOf(columns.value(columnIndex));
        if (index < 0)
            damaged << tr("there is no column %1").arg(columns.value(columnIndex));
        return index < 0 ? QVariant() : record.value(index);
    };
    const auto read = [&](CFieldBinding binding, int columnIndex) {
        const QVariant value = stored(columnIndex);
        if (!binding.read(value))
            damaged << tr("%1 holds \"%2\"").arg(column(columnIndex), value.toString());
    };
    m_id = 0;
    read(CFieldBinding::number(m_id), 0);
    QVector<CFieldBinding> bindings = fields();
    for (int i = 0; i < bindings.size(); ++i)
        read(bindings.at(i), i + 1);
    m_damage.clear();
    if (!damaged.isEmpty()) {
        m_damage = tr("The stored row %1 of the table \"%2\" is damaged: %3.")
                       .arg(m_id)
                       .arg(m_table ? m_table->tableName() : QString(), damaged.join(QStringLiteral("; ")));
        qWarning("%s", qUtf8Printable(m_damage));
    }
}

void CTableObject::clear()
{
    QVector<CFieldBinding> bindings = fields();
    for (CFieldBinding &binding : bindings)
        binding.reset();
    m_id = 0;
    m_autoSave = true;
    m_modified = false;
    m_damage.clear();
}

void CTableObject::load(int id)
{
    if (!m_table)
        return;
    if (id == 0) {
        clear();
        return;
    }
    const QSqlRecord record = m_table->record(id);
    if (!record.isEmpty())
        load(record);
}

bool CTableObject::remove()
{
    if (m_id == 0 || !m_table || !m_table->exists(m_id))
        return false;
    return m_table->remove(m_id);
}

QString CTableObject::column(int columnIndex) const
{
    return m_table ? m_table->column(columnIndex) : QString();
}

int CTableObject::id() const
{
    return m_id;
}

bool CTableObject::isDamaged() const
{
    return !m_damage.isEmpty();
}

QString CTableObject::damage() const
{
    return m_damage;
}

bool CTableObject::autoSave() const
{
    return m_autoSave;
}

void CTableObject::setAutoSave(bool autoSave)
{
    m_autoSave = autoSave;
}

bool CTableObject::isModified() const
{
    return m_modified;
}

void CTableObject::setModified(bool modified)
{
    m_modified = modified;
}

CTable *CTableObject::table() const
{
    return m_table;
}

void CTableObject::setTable(CTable *table)
{
    m_table = table;
}
