#include "application/configuration.h"

#include "utility/utility.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace Config {

QString Key::column(int index)
{
    return QStringLiteral("column%1").arg(index);
}

QString Key::report(QLatin1String page, QLatin1String field)
{
    return page + field;
}

QString Default::latestVersion()
{
    return QCoreApplication::applicationVersion();
}

} // namespace Config

namespace {
CConfiguration *theInstance = nullptr;
}

CConfiguration::CConfiguration(const QString &fileName, QObject *parent)
    : QObject(parent)
{
    open(fileName, true);
}

CConfiguration::~CConfiguration()
{
    if (theInstance == this)
        theInstance = nullptr;
}

CConfiguration *CConfiguration::instance()
{
    if (!theInstance)
        theInstance = new CConfiguration(Utility::dataDirectory() + QStringLiteral("garvo.ini"));
    return theInstance;
}

void CConfiguration::destroy()
{
    delete theInstance;
    theInstance = nullptr;
}

bool CConfiguration::open(const QString &fileName, bool create)
{
    settings.reset();
    valid = false;
    m_fileName = fileName;

    bool usable = QFileInfo(fileName).isFile();
    if (!usable && create) {
        QFile file(fileName);
        usable = file.open(QIODevice::ReadWrite);
        file.close();
    }
    if (usable) {
        settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
        valid = true;
    }
    return valid;
}

void CConfiguration::setGroup(const QString &name)
{
    m_group = name;
}

QVariant CConfiguration::value(const QString &key, const QVariant &defaultValue) const
{
    if (!valid)
        return defaultValue;
    settings->beginGroup(m_group);
    const QVariant result = settings->value(key, defaultValue);
    settings->endGroup();
    return result;
}

void CConfiguration::setValue(const QString &key, const QVariant &value)
{
    if (!valid)
        return;
    settings->beginGroup(m_group);
    settings->setValue(key, value);
    settings->endGroup();
}

QStringList CConfiguration::childKeys(const QString &group) const
{
    if (!valid)
        return QStringList();
    settings->beginGroup(group.isEmpty() ? m_group : group);
    const QStringList keys = settings->childKeys();
    settings->endGroup();
    return keys;
}

void CConfiguration::sync()
{
    if (valid)
        settings->sync();
}
