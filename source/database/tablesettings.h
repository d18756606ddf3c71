#pragma once

#include "database/table.h"

// Name/value pairs of the data preferences. Keys compare exactly
// (case-sensitive); writing a key updates its first row, so writes never
// create a second row for a key.
class CTableSettings : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, Name, Value };

    explicit CTableSettings(CDatabase *database, const QString &name = QStringLiteral("settings"));

    void defineColumns() override;

    // The stored text, or `defaultValue` when the key is missing or the
    // table cannot be read.
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant());
    bool setValue(const QString &key, const QVariant &value);
    // Inserts a new pair without emitting inserted().
    bool insertPair(const QString &key, const QVariant &value);

private:
    using CTable::value;
};
