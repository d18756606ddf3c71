#pragma once

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

// The sample files of the import tests.
namespace ImportTestData {

inline QString sample(const QString &name)
{
    return QStringLiteral(GARVO_IMPORT_DATA "/") + name;
}

// Writes `files` (name -> bytes) into a zip at `path`.
inline bool writeZip(const QString &path, const QMap<QString, QByteArray> &files)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(it.key())) || file.write(it.value()) != it.value().size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

// The sample aCar backup zipped into `folder`.
inline QString acarBackup(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir source(sample(QStringLiteral("acar-backup")));
    for (const QString &name : source.entryList(QDir::Files)) {
        QFile file(source.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    const QString path = folder + QStringLiteral("/backup.abp");
    return writeZip(path, files) ? path : QString();
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace ImportTestData
