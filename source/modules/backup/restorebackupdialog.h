#pragma once

#include "backup/backup.h"
#include "widgets/dialog.h"

#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

// Lists the backups of a database with their date, size and record counts
// and restores the one the user picks, after a confirmation. Damaged copies
// are shown but cannot be picked. Accepted once a backup was restored.
class CRestoreBackupDialog : public CDialog
{
    Q_OBJECT

public:
    enum Column { Taken, Reason, Size, Vehicles, FuelEntries, Services, Expenses, Notes, ColumnCount };

    explicit CRestoreBackupDialog(const CBackupStore &store, QWidget *parent = nullptr);

    void retranslate();
    QTreeWidget *list() const { return m_list; }
    QPushButton *restoreButton() const { return m_restoreButton; }

public slots:
    void slotRestore();

private:
    void populate();
    void updateButtons();
    static QString reasonText(CBackupFile::Reason reason);

    CBackupStore m_store;
    QList<CBackupFile> m_files;
    QLabel *m_intro = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
