#pragma once

#include "database/fieldbinding.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

class CTable;
class QSqlRecord;

// A row in memory: its id (0 while not stored), its table, and the
// auto-save and modified flags. Records are plain values.
class CTableObject
{
public:
    explicit CTableObject(CTable *table = nullptr);
    virtual ~CTableObject();

    // Updates row `id` when stored (the id on success, 0 on failure; the id
    // does not change), otherwise inserts and takes the new id.
    virtual int store(const QVariantList &values, const QStringList &columns);
    // Writes columns 1..n from the fields when modified or forced and
    // returns the id (0 on failure); an unmodified record writes nothing and
    // returns its id. A record without fields writes nothing and returns 0.
    virtual int save(bool force = false);
    // Takes the id and the fields from the record's columns of the same
    // names; a column the record lacks leaves its field at the default.
    virtual void load(const QSqlRecord &record);
    // Resets the fields to their defaults, the id to 0, auto-save on.
    virtual void clear();

    // Id 0 resets to the defaults; an id without a row leaves the record as
    // it is.
    void load(int id);
    // False for an unstored record or a row that no longer exists. The
    // record keeps its id and fields afterwards.
    bool remove();
    QString column(int columnIndex) const;

    int id() const;
    bool autoSave() const;
    void setAutoSave(bool autoSave);
    bool isModified() const;
    void setModified(bool modified);
    CTable *table() const;
    void setTable(CTable *table);

protected:
    // The record's fields in column order, starting with column 1.
    virtual QVector<CFieldBinding> fields();

    // The setter rule: an equal value changes nothing; otherwise the record
    // is marked modified and, when stored with auto-save on, written at once.
    template<typename T>
    void setField(T &field, const T &value)
    {
        if (field == value)
            return;
        m_modified = true;
        field = value;
        if (m_autoSave && m_id != 0)
            save(false);
    }

private:
    CTable *m_table = nullptr;
    bool m_autoSave = true;
    bool m_modified = false;
    int m_id = 0;
};
