#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class CDatabase;
class CTableSettings;

// The process-wide access to the data preferences kept in the "settings"
// table. Nothing is cached: every read runs its statements.
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

    CTableSettings *table() const;

private:
    CTableSettings *settingsTable = nullptr;

    static CSettings *self;
};
