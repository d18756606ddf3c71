#pragma once

#include <quazip/quazipfile.h>

#include <QFile>
#include <QString>

class QuaZip;

// The current entry of an open zip archive, with what unpacking needs.
class CZipFile : public QuaZipFile
{
public:
    explicit CZipFile(QuaZip *zip);

    // The entry is a folder: its name ends with "/".
    bool isDir() const;
    // The entry is a file: a name that does not end with "/".
    bool isFile() const;
    // Last part of the name, without a trailing "/".
    QString entryName() const;
    // Everything up to and including the last "/" (trailing "/" removed
    // first); empty at the top level.
    QString entryFolder() const;

    // The entry is stored as a symbolic link.
    bool isSymbolicLink() const;
    // The entry's Unix permission bits, when the archive stored them.
    bool hasPermissions() const;
    QFile::Permissions permissions() const;

    // Writes the entry to `path` and restores its stored permissions.
    // False when the entry cannot be read, fails its checksum, or the file
    // cannot be written completely.
    bool extractTo(const QString &path);

    // Whether `name` stays inside the folder it is unpacked into: relative,
    // no "..", no drive letter, no backslash.
    static bool isSafeName(const QString &name);

private:
    quint32 unixMode() const;
    QString trimmedName() const;
};
