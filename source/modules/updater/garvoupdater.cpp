#include "modules/updater/garvoupdater.h"

#include "application/commandline.h"
#include "utility/message.h"
#include "utility/utility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// Written into an unpacked update once every file is in place.
QString completionMarker()
{
    return QStringLiteral("successfull.txt");
}

// The folder as an absolute path without a trailing "/", links resolved
// where it exists.
QString normalizedFolder(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isSameOrInside(const QString &folder, const QString &other)
{
    return folder == other || folder.startsWith(other + QLatin1Char('/'));
}

bool copyTree(const QString &source, const QString &target, QStringList &ancestors)
{
    const QDir sourceDir(source);
    if (!sourceDir.exists() || !QDir().mkpath(target))
        return false;
    // A folder link that leads back up the tree would copy forever.
    const QString canonical = sourceDir.canonicalPath();
    if (ancestors.contains(canonical))
        return false;
    ancestors.append(canonical);

    const QDir targetDir(target);
    const QFileInfoList files = sourceDir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo &file : files) {
        const QString copy = targetDir.filePath(file.fileName());
        if (QFileInfo::exists(copy))
            continue;
        if (!QFile::copy(file.absoluteFilePath(), copy))
            return false;
    }
    const QFileInfoList folders =
        sourceDir.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &folder : folders) {
        if (!copyTree(folder.absoluteFilePath(), targetDir.filePath(folder.fileName()), ancestors))
            return false;
    }
    ancestors.removeLast();
    return true;
}

} // namespace

bool GarvoUpdater::installUpdate()
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString installationFolder = Utility::applicationDirectory();
    if (!installFiles(program, installationFolder))
        return false;

    QCoreApplication::quit();
    const QString installed = installationFolder + QFileInfo(program).fileName();
    if (!QProcess::startDetached(installed, {CommandLine::cleanDownloadsSwitch()})) {
        Utility::showMessage(tr("The update was installed, but %1 could not be started.").arg(installed),
                             QMessageBox::Warning);
        return false;
    }
    return true;
}

bool GarvoUpdater::installFiles(const QString &programPath, const QString &installationFolder)
{
    const QFileInfo program(programPath);
    const QString source = normalizedFolder(program.absolutePath());
    if (!QFileInfo(source + QLatin1Char('/') + completionMarker()).isFile()) {
        Utility::showMessage(tr("There was an error updating files. This are not correct files for update!"));
        return false;
    }

    // Replacing the folder we run from (or one that holds it) would delete
    // the very files to be installed.
    const QString target = normalizedFolder(installationFolder);
    if (isSameOrInside(source, target) || isSameOrInside(target, source))
        return false;

    // Copy everything aside first; the installed files are only touched once
    // the complete new set exists.
    const QString staging = target + QStringLiteral(".new");
    const QString previous = target + QStringLiteral(".old");
    const auto fail = [&](const QString &why) {
        Utility::removeDirectory(staging);
        Utility::showMessage(tr("The update could not be installed into %1: %2").arg(target, why),
                             QMessageBox::Critical);
        return false;
    };
    if (!Utility::removeDirectory(staging) || !Utility::removeDirectory(previous))
        return fail(tr("an earlier update could not be cleaned up."));
    if (!copyDirectory(source, staging) || !QFileInfo(staging + QLatin1Char('/') + program.fileName()).isFile())
        return fail(tr("the new files could not be copied."));

    QDir root;
    if (QFileInfo::exists(target) && !root.rename(target, previous))
        return fail(tr("the installed files are in use."));
    if (!root.rename(staging, target)) {
        root.rename(previous, target);
        return fail(tr("the new files could not be put in place."));
    }
    Utility::removeDirectory(previous);
    return true;
}

bool GarvoUpdater::cleanDownloads()
{
    return Utility::removeDirectory(Utility::downloadDirectory());
}

bool GarvoUpdater::copyDirectory(const QString &source, const QString &target)
{
    QStringList ancestors;
    return copyTree(source, target, ancestors);
}
