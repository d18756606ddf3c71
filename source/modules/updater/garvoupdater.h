#pragma once

#include "modules/updater/updater.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// The application's updater: checks the update server and asks the user,
// opens the update dialog, and installs a downloaded update and cleans up
// after it.
class GarvoUpdater : public Updater
{
    Q_OBJECT

public:
    explicit GarvoUpdater(QObject *parent = nullptr);

    // The process-wide updater, created on first use.
    static GarvoUpdater *instance();

    bool checkForUpdates(bool silent) override;
    // Runs the update dialog modally over the main window.
    void update() override;

    // Where the package of `version` is downloaded to:
    // downloadDirectory() + "2.1.2.10.zip".
    static QString downloadFilePath(const Version &version);
    // The package address for the running version.
    static QUrl downloadUrl();

    // Run for "-update" by the unpacked program: copies its own folder over
    // the installation folder and starts the installed program with
    // "-cleandf". False (and nothing installed) when the folder is not a
    // complete update or cannot be copied.
    static bool installUpdate();

    // Steps of installUpdate() before the restart: checks that `programPath`'s
    // folder is a complete update (it holds "successfull.txt") outside
    // `installationFolder`, copies it to a staging folder and only then puts
    // the staged copy in place of the installation folder. Returns whether the
    // new files are installed; the old ones stay when anything fails. A
    // symbolic link in place of the installation folder or of its staging
    // folders ("<folder>.new", "<folder>.old") is refused, never followed.
    static bool installFiles(const QString &programPath, const QString &installationFolder);

    // Run for "-cleandf": deletes the download folder. True when it is gone.
    static bool cleanDownloads();

    // Copies `source` into `target` recursively, creating folders as needed.
    // Files that already exist in the target are kept, not overwritten.
    // False when the source folder is missing, holds a symbolic link or
    // anything else that is neither file nor folder, or cannot be copied.
    static bool copyDirectory(const QString &source, const QString &target);

private:
    bool m_checkWaiting = false;
};
