#include "database/settings.h"

#include "database/tablesettings.h"

CSettings *CSettings::self = nullptr;

CSettings::CSettings(CDatabase *db, QObject *parent)
    : QObject(parent)
    , settingsTable(new CTableSettings(db))
{
    self = this;
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
    return settingsTable->value(key, defaultValue);
}

bool CSettings::setValue(const QString &key, const QVariant &value)
{
    return settingsTable->setValue(key, value);
}

CTableSettings *CSettings::table() const
{
    return settingsTable;
}
