#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

class CDatabase;
class CTableSettings;

// The process-wide access to the data preferences kept in the "settings"
// table. Each key is read from the table once and then served from a cache
// that every write through setValue() keeps current; a rolled-back
// transaction or a reopened (restored) file empties the cache, so nothing
// undone or replaced is served.
class CSettings : public QObject
{
    Q_OBJECT

public:
    explicit CSettings(CDatabase *db, QObject *parent = nullptr);
    ~CSettings() override;

    // The settings object created last that still exists; null before.
    static CSettings *instance();

    // The stored text as a string variant, or `defaultValue` when the key is
    // missing or the database cannot be read.
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    bool setValue(const QString &key, const QVariant &value);
    // Forgets every value read (for a file changed behind this object's back).
    void clearCache();
    // Changes whenever cached values are forgotten, and with each new settings
    // object: what is derived from the settings is stale once it changed.
    static quint64 generation();

    CTableSettings *table() const;

private:
    CTableSettings *settingsTable = nullptr;
    // The stored text of each key read or written; invalid for a missing key.
    mutable QHash<QString, QVariant> cache;

    static CSettings *self;
    static quint64 currentGeneration;
};
