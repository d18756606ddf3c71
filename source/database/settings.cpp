#include "database/settings.h"

#include "database/database.h"
#include "database/tablesettings.h"

CSettings *CSettings::self = nullptr;
quint64 CSettings::currentGeneration = 0;

CSettings::CSettings(CDatabase *db, QObject *parent)
    : QObject(parent)
    , settingsTable(new CTableSettings(db))
{
    self = this;
    ++currentGeneration;
    if (db) {
        connect(db, &CDatabase::rolledBack, this, &CSettings::clearCache);
        connect(db, &CDatabase::reopened, this, &CSettings::clearCache);
    }
}

CSettings::~CSettings()
{
    delete settingsTable;
    if (self == this)
        self = nullptr;
}

CSettings *CSettings::instance()
{
    return self;
}

QVariant CSettings::value(const QString &key, const QVariant &defaultValue) const
{
    auto cached = cache.constFind(key);
    if (cached == cache.constEnd()) {
        // Without a usable file nothing is remembered: the next read tries again.
        const QVariant stored = settingsTable->value(key, QVariant());
        CDatabase *db = settingsTable->database();
        if (!db || !db->isOpen())
            return stored.isValid() ? stored : defaultValue;
        cached = cache.insert(key, stored);
    }
    return cached->isValid() ? *cached : defaultValue;
}

bool CSettings::setValue(const QString &key, const QVariant &value)
{
    if (!settingsTable->setValue(key, value)) {
        cache.remove(key);
        return false;
    }
    const QString text = value.toString();
    cache.insert(key, QVariant(text.isNull() ? QStringLiteral("") : text));
    return true;
}

void CSettings::clearCache()
{
    cache.clear();
    ++currentGeneration;
}

quint64 CSettings::generation()
{
    return currentGeneration;
}

CTableSettings *CSettings::table() const
{
    return settingsTable;
}
