#include "zip/zipfile.h"

#include <quazip/quazip.h>
#include <quazip/quazipfileinfo.h>

#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr quint32 FileTypeMask = 0170000;
constexpr quint32 SymbolicLinkType = 0120000;
constexpr qint64 ChunkSize = 64 * 1024;

} // namespace

CZipFile::CZipFile(QuaZip *zip) : QuaZipFile(zip) {}

bool CZipFile::isDir() const
{
    return getActualFileName().endsWith(QLatin1Char('/'));
}

bool CZipFile::isFile() const
{
    const QString name = getActualFileName();
    return !name.isEmpty() && !name.endsWith(QLatin1Char('/'));
}

QString CZipFile::trimmedName() const
{
    QString name = getActualFileName();
    if (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name;
}

QString CZipFile::entryName() const
{
    const QString name = trimmedName();
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

QString CZipFile::entryFolder() const
{
    const QString name = trimmedName();
    return name.left(name.lastIndexOf(QLatin1Char('/')) + 1);
}

quint32 CZipFile::unixMode() const
{
    QuaZipFileInfo64 info;
    if (!const_cast<CZipFile *>(this)->getFileInfo(&info))
        return 0;
    // Archives made on Unix keep the mode in the upper half of the external
    // attributes; others leave it 0.
    return info.externalAttr >> 16;
}

bool CZipFile::isSymbolicLink() const
{
    return (unixMode() & FileTypeMask) == SymbolicLinkType;
}

bool CZipFile::hasPermissions() const
{
    return (unixMode() & 0777) != 0;
}

QFile::Permissions CZipFile::permissions() const
{
    const quint32 mode = unixMode();
    QFile::Permissions permissions;
    const std::pair<quint32, QFile::Permission> bits[] = {
        {0400, QFile::ReadOwner}, {0200, QFile::WriteOwner}, {0100, QFile::ExeOwner},
        {0040, QFile::ReadGroup}, {0020, QFile::WriteGroup}, {0010, QFile::ExeGroup},
        {0004, QFile::ReadOther}, {0002, QFile::WriteOther}, {0001, QFile::ExeOther},
    };
    for (const auto &bit : bits) {
        if (mode & bit.first)
            permissions |= bit.second;
    }
    // Qt asks for the user's bits alongside the owner's.
    if (mode & 0400)
        permissions |= QFile::ReadUser;
    if (mode & 0200)
        permissions |= QFile::WriteUser;
    if (mode & 0100)
        permissions |= QFile::ExeUser;
    return permissions;
}

bool CZipFile::extractTo(const QString &path)
{
    if (isOpen())
        close();
    if (!open(QIODevice::ReadOnly))
        return false;

    QFile target(path);
    bool ok = target.open(QIODevice::WriteOnly | QIODevice::Truncate);
    qint64 copied = 0;
    while (ok && !atEnd()) {
        const QByteArray chunk = read(ChunkSize);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            ok = false;
        copied += chunk.size();
    }
    ok = ok && copied == usize() && target.flush();
    target.close();
    ok = ok && target.error() == QFileDevice::NoError;

    close(); // verifies the entry's checksum
    ok = ok && getZipError() == 0;
    if (ok && hasPermissions())
        ok = target.setPermissions(permissions() | QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                   | QFile::WriteUser);
    return ok;
}

bool CZipFile::isSafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}
