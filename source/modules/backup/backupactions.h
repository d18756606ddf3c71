#pragma once

#include "backup/backup.h"

class QWidget;

// What the user sees of the automatic backups. Each operation works on the
// backups of the open database (CDatabase::instance()) unless it is given
// another database file, and tells the user of a failure once.

// The copy of the day, taken at start; a failure is reported, never fatal.
void runDailyBackup(QWidget *parent);

// A copy before a change that rewrites many records. When it fails the user
// decides whether to go on without one (the default is not to). True when
// the change may go ahead. Without a database file there is nothing to keep.
bool backUpBeforeChange(QWidget *parent, CBackupFile::Reason reason, const QString &databasePath = QString());

// "Back up now...": a copy to a file the user chooses.
void backUpNow(QWidget *parent);

// "Restore from backup...": runs the restore dialog; after a restore every
// page shows the restored records. True when a backup was restored.
bool restoreFromBackup(QWidget *parent);
