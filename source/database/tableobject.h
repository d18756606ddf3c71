#pragma once

#include "database/fieldbinding.h"

#include <QCoreApplication>
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
    Q_DECLARE_TR_FUNCTIONS(CTableObject)

public:
    explicit CTableObject(CTable *table = nullptr);
    virtual ~CTableObject();

    // Updates row `id` when stored (the id on success, 0 on failure; the id
    // does not change), otherwise inserts and takes the new id.
    virtual int store(const QVariantList &values, const QStringList &columns);
    // Writes columns 1..n from the fields when modified or forced and
    // returns the id (0 on failure); an unmodified record writes nothing and
    // returns its id. A record without fields writes nothing and returns 0.
    // A damaged record, or a field whose value would not read back as it
    // is, is refused: nothing is written, 0 is returned and the database's
    // errorText() says why.
    virtual int save(bool force = false);
    // Takes the id and the fields from the record's columns of the same
    // names. A column the record lacks, or a stored value outside its
    // field's range, leaves the field at its default and marks the record
    // damaged.
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
    // True when the last load met values its fields cannot hold; damage()
    // names them. Such a record is never saved over the stored row.
    bool isDamaged() const;
    QString damage() const;
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
    // Records `why` as the database's error text; returns 0.
    int refuse(const QString &why);

    CTable *m_table = nullptr;
    bool m_autoSave = true;
    bool m_modified = false;
    int m_id = 0;
    QString m_damage;
};
