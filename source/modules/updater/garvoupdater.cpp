#include "modules/updater/garvoupdater.h"

#include "application/commandline.h"
#include "application/mainwindow.h"
#include "database/database.h"
#include "modules/backup/backupactions.h"
#include "modules/updater/dialog/updatedialog.h"
#include "modules/updater/updatepackage.h"
#include "modules/updater/updateserver.h"
#include "utility/message.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTimer>

namespace {

// How often a silent check looks again whether the modal window has closed.
constexpr int ModalWaitInterval = 2000;

// The folder as an absolute path without a trailing "/", links resolved
// where it exists. Only for comparing folders, never for changing them.
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

// An update is plain files and folders. A link would copy whatever it points
// to (the whole home folder, say), so it refuses the package.
bool copyTree(const QString &source, const QString &target, QString &why)
{
    const QDir sourceDir(source);
    if (!sourceDir.exists() || !QDir().mkpath(target)) {
        why = GarvoUpdater::tr("the folder %1 could not be created.").arg(QDir::toNativeSeparators(target));
        return false;
    }
    const QDir targetDir(target);
    const QFileInfoList entries =
        sourceDir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        const QString copy = targetDir.filePath(entry.fileName());
        const QString shown = QDir::toNativeSeparators(entry.absoluteFilePath());
        if (entry.isSymLink()) {
            why = GarvoUpdater::tr("the update holds the link %1; an update holds only files and folders.")
                      .arg(shown);
            return false;
        }
        if (entry.isDir()) {
            if (!copyTree(entry.absoluteFilePath(), copy, why))
                return false;
        } else if (!entry.isFile()) {
            why = GarvoUpdater::tr("%1 is not a file.").arg(shown);
            return false;
        } else if (!QFileInfo::exists(copy) && !QFile::copy(entry.absoluteFilePath(), copy)) {
            why = GarvoUpdater::tr("%1 could not be copied.").arg(shown);
            return false;
        }
    }
    return true;
}

} // namespace

bool GarvoUpdater::installUpdate()
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString installationFolder = Utility::applicationDirectory();
    // The new version may rewrite the records: keep them as they are.
    if (!backUpBeforeChange(nullptr, CBackupFile::BeforeUpdate, CDatabase::defaultPath()))
        return false;
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
    if (!QFileInfo(source + QLatin1Char('/') + UpdatePackage::completionMarker()).isFile()) {
        Utility::showMessage(tr("There was an error updating files. This are not correct files for update!"));
        return false;
    }

    // The installation folder and its staging folders are our own paths as
    // spelled; a link in their place would have us delete or rename whatever
    // it points to.
    const QString target = QDir::cleanPath(QFileInfo(installationFolder).absoluteFilePath());
    const QString staging = target + QStringLiteral(".new");
    const QString previous = target + QStringLiteral(".old");
    const auto refuse = [&](const QString &why) {
        Utility::showMessage(tr("The update could not be installed into %1: %2")
                                 .arg(QDir::toNativeSeparators(target), why),
                             QMessageBox::Critical);
        return false;
    };
    for (const QString &folder : {target, staging, previous}) {
        if (QFileInfo(folder).isSymLink())
            return refuse(tr("%1 is a symbolic link, not a folder of Garvo's own. Remove the link (what it "
                             "points to is not touched) and start the update again.")
                              .arg(QDir::toNativeSeparators(folder)));
    }

    // Replacing the folder we run from (or one that holds it) would delete
    // the very files to be installed.
    const QString resolvedTarget = normalizedFolder(target);
    if (isSameOrInside(source, resolvedTarget) || isSameOrInside(resolvedTarget, source))
        return refuse(tr("the update was started from %1, inside the installation folder, and cannot replace "
                         "the files it runs from. Check for updates again in Garvo: it downloads the update "
                         "into a folder of its own and installs it from there.")
                          .arg(QDir::toNativeSeparators(source)));

    // Copy everything aside first; the installed files are only touched once
    // the complete new set exists.
    const auto fail = [&](const QString &why) {
        Utility::removeDirectory(staging);
        return refuse(why);
    };
    for (const QString &folder : {staging, previous}) {
        if (!Utility::removeDirectory(folder))
            return refuse(tr("the folder %1 is left over from an earlier update and could not be removed. "
                             "Close every running Garvo, delete that folder and start the update again.")
                              .arg(QDir::toNativeSeparators(folder)));
    }
    QString why;
    if (!copyTree(source, staging, why))
        return fail(why);
    if (!QFileInfo(staging + QLatin1Char('/') + program.fileName()).isFile())
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
    QString why;
    return copyTree(source, target, why);
}

GarvoUpdater::GarvoUpdater(QObject *parent) : Updater(parent) {}

GarvoUpdater *GarvoUpdater::instance()
{
    // Owned by the application object; a later application object (tests
    // start the program more than once in one process) gets a new one
    // rather than the deleted one.
    static QPointer<GarvoUpdater> updater;
    if (!updater)
        updater = new GarvoUpdater(QCoreApplication::instance());
    return updater;
}

bool GarvoUpdater::checkForUpdates(bool silent)
{
    // A check nobody asked for does not put its question over another one,
    // such as the first start's setup: it waits until no modal window is open.
    if (silent && QApplication::activeModalWidget()) {
        if (!m_checkWaiting) {
            m_checkWaiting = true;
            QTimer::singleShot(ModalWaitInterval, this, [this] {
                m_checkWaiting = false;
                checkForUpdates(true);
            });
        }
        return false;
    }
    // The request spins an event loop, in which the timer, a menu or a
    // button could ask again.
    if (isBusy()) {
        if (!silent)
            Utility::showMessage(tr("An update check is already running."));
        return false;
    }
    BusyScope busy(this);

    const CheckResult result = fetchLatestVersion();
    if (!result.success) {
        if (!silent)
            Utility::showMessage(result.message);
        return false;
    }
    if (isNewVersionAvailable()) {
        const QString text = tr("Application NEW version available!") + QStringLiteral("\n\n")
                             + tr("Do you want to update now?");
        if (Utility::Prompt::question(nullptr, tr("Application Update"), text) == QMessageBox::Yes)
            update();
    } else if (!silent) {
        Utility::Prompt::information(nullptr, tr("Update Info"),
                                     tr("You are running the latest version of Garvo.") + QStringLiteral("\n\n")
                                         + tr("Thanks for staying up-to-date!"));
    }
    return true;
}

void GarvoUpdater::update()
{
    BusyScope busy(this);
    CMainWindow *window = CMainWindow::instance();
    CUpdateDialog dialog(window, this);
    dialog.exec();
    if (dialog.installerStarted()) {
        // The installed program, started by the installer, must not find
        // this one still running.
        QCoreApplication::quit();
        return;
    }
    if (window)
        window->retranslate();
}

QString GarvoUpdater::downloadFilePath(const Version &version)
{
    return Utility::downloadDirectory() + version.toString() + QStringLiteral(".zip");
}

QUrl GarvoUpdater::downloadUrl()
{
    return UpdateServer::downloadUrl(instance()->currentVersion());
}
