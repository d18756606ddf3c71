#include "modules/backup/backupactions.h"

#include "application/garagebutton.h"
#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "database/database.h"
#include "modules/backup/restorebackupdialog.h"
#include "modules/options/retranslatehook.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

class BackupActions
{
    Q_DECLARE_TR_FUNCTIONS(BackupActions)
};

CBackupStore openStore(const QString &databasePath = QString())
{
    return CBackupStore(databasePath.isEmpty() ? CDatabase::instance()->fileName() : databasePath);
}

// After the database file was replaced: the garage comes back, and every
// page re-reads what it shows.
void reloadPages()
{
    if (CMainWindow *window = CMainWindow::instance())
        window->moduleContainer()->activate(CGarageButton::garageModuleId());
    requestRetranslateAll();
}

} // namespace

void runDailyBackup(QWidget *parent)
{
    const CBackupResult result = openStore().backUpDaily(CBackupRetention::fromConfiguration());
    if (!result.ok)
        Utility::Prompt::warning(parent, BackupActions::tr("Backup"),
                                 BackupActions::tr("Today's backup of your records could not be made. %1\n\n"
                                    "Your records are unchanged. Garvo tries again at the next start.")
                                     .arg(result.error));
}

bool backUpBeforeChange(QWidget *parent, CBackupFile::Reason reason, const QString &databasePath)
{
    const CBackupStore store = openStore(databasePath);
    if (!QFileInfo(store.databasePath()).isFile())
        return true;
    const CBackupResult result = store.backUp(reason);
    if (result.ok)
        return true;
    return Utility::Prompt::message(parent, QMessageBox::Warning, BackupActions::tr("Backup"),
                                    BackupActions::tr("Your records could not be backed up before this change."),
                                    result.error + QStringLiteral("\n\n") + BackupActions::tr("Go on without a backup?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

void backUpNow(QWidget *parent)
{
    const QString suggested =
        QDir::homePath() + QStringLiteral("/garvo-") + Utility::Clock::today().toString(Qt::ISODate)
        + QStringLiteral(".db");
    const QString fileName = Utility::Prompt::saveFileName(parent, BackupActions::tr("Back Up Now"), suggested,
                                                           BackupActions::tr("Garvo backups (*.db);;All files (*)"));
    if (fileName.isEmpty())
        return;
    const CBackupResult result = openStore().exportTo(fileName);
    if (result.ok)
        Utility::Prompt::information(parent, BackupActions::tr("Back Up Now"),
                                     BackupActions::tr("Your records were copied to %1.").arg(QDir::toNativeSeparators(fileName)));
    else
        Utility::Prompt::critical(parent, BackupActions::tr("Back Up Now"), result.error);
}

bool restoreFromBackup(QWidget *parent)
{
    CRestoreBackupDialog dialog(openStore(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    reloadPages();
    return true;
}
