#include "modules/updater/updatepackage.h"

#include "utility/utility.h"
#include "zip/zipfile.h"

#include <quazip/quazip.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtDebug>

namespace {

bool failWith(UpdatePackage::Failure *failure, const QString &header, const QString &message)
{
    if (failure)
        *failure = {header, message};
    return false;
}

} // namespace

UpdatePackage::UpdatePackage(const QString &packagePath) : m_path(packagePath) {}

QString UpdatePackage::completionMarker()
{
    return QStringLiteral("successfull.txt");
}

QString UpdatePackage::missingDigestText()
{
    return tr("The update server did not give the package's checksum, so the package cannot be verified.");
}

bool UpdatePackage::verify(const QString &sha256, Failure *failure) const
{
    const QString header = tr("Download error");
    if (sha256.isEmpty())
        return failWith(failure, header, missingDigestText());
    QFile file(m_path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return failWith(failure, header, tr("Can't read the downloaded file: %1").arg(m_path));
    if (QString::fromLatin1(hash.result().toHex()) != sha256)
        return failWith(failure, header,
                        tr("The downloaded package does not match the checksum the update server gave."));
    return true;
}

bool UpdatePackage::unpack(const QString &folder, Failure *failure) const
{
    QuaZip zip(m_path);
    if (!zip.open(QuaZip::mdUnzip))
        return failWith(failure, tr("Download error"), tr("Error unziping downloaded files."));
    CZipFile entry(&zip);

    // Refuse the whole package before writing anything.
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = entry.getActualFileName();
        if (!CZipFile::isSafeName(name))
            return failWith(failure, QString(), tr("The package holds a file outside its folder: %1").arg(name));
        if (entry.isSymbolicLink())
            return failWith(failure, QString(), tr("The package holds a symbolic link: %1").arg(name));
    }
    if (zip.getZipError() != 0)
        return failWith(failure, tr("Download error"), tr("Error unziping downloaded files."));

    const QString root = Utility::withTrailingSlash(folder);
    qDebug() << "Unpacking into" << root;
    if (!Utility::removeDirectory(root) || !QDir().mkpath(root))
        return failWith(failure, QString(), tr("Error: creating folder: %1").arg(root));

    // Folders first, so that entries listed before their folder find it.
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        if (!entry.isDir())
            continue;
        const QString path = root + entry.entryFolder() + entry.entryName();
        if (!QDir().mkpath(path))
            return failWith(failure, QString(), tr("Error: creating folder: %1").arg(path));
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        if (!entry.isFile())
            continue;
        const QString path = root + entry.entryFolder() + entry.entryName();
        if (!QDir().mkpath(root + entry.entryFolder()) || !entry.extractTo(path))
            return failWith(failure, QString(), tr("Error: Extracting file from ZIP: %1").arg(path));
    }
    zip.close();
    if (zip.getZipError() != 0)
        return failWith(failure, tr("Download error"), tr("Error unziping downloaded files."));

    QFile marker(root + completionMarker());
    if (!marker.open(QIODevice::WriteOnly | QIODevice::Text))
        return failWith(failure, QString(), tr("Error signing unpacked files"));
    marker.close();
    if (marker.error() != QFileDevice::NoError)
        return failWith(failure, QString(), tr("Error signing unpacked files"));
    return true;
}
