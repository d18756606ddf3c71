#include "modules/backup/restorebackupdialog.h"

#include "database/database.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Row data: the index of the row's file in m_files.
constexpr int FileIndexRole = Qt::UserRole;
} // namespace

CRestoreBackupDialog::CRestoreBackupDialog(const CBackupStore &store, QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_store(store)
    , m_intro(new QLabel(this))
    , m_list(new QTreeWidget(this))
    , m_restoreButton(new QPushButton(this))
    , m_closeButton(new QPushButton(this))
{
    m_intro->setTextFormat(Qt::PlainText);
    m_intro->setWordWrap(true);

    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setColumnCount(ColumnCount);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(Reason, QHeaderView::Stretch);

    m_restoreButton->setDefault(true);
    connect(m_restoreButton, &QPushButton::clicked, this, &CRestoreBackupDialog::slotRestore);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CRestoreBackupDialog::updateButtons);
    connect(m_list, &QTreeWidget::itemActivated, this, &CRestoreBackupDialog::slotRestore);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_restoreButton);
    buttons->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 15, 15, 30);
    layout->addWidget(m_intro);
    layout->addWidget(m_list, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    retranslate();
    resize(900, 440);
}

void CRestoreBackupDialog::retranslate()
{
    setWindowTitle(tr("Restore from Backup"));
    m_list->setHeaderLabels({tr("Taken"), tr("Why"), tr("Size"), tr("Vehicles"), tr("Fuel entries"),
                             tr("Services"), tr("Expenses"), tr("Notes")});
    m_restoreButton->setText(tr("&Restore"));
    m_closeButton->setText(tr("Close"));
    populate();
}

QString CRestoreBackupDialog::reasonText(CBackupFile::Reason reason)
{
    switch (reason) {
    case CBackupFile::Daily:
        return tr("Daily copy");
    case CBackupFile::BeforeVehicleDeletion:
        return tr("Before a vehicle was deleted");
    case CBackupFile::BeforeUpdate:
        return tr("Before an update");
    case CBackupFile::BeforeRestore:
        return tr("Before a restore");
    case CBackupFile::BeforeImport:
        return tr("Before an import");
    case CBackupFile::OtherReason:
        break;
    }
    return tr("Copy");
}

void CRestoreBackupDialog::populate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_list->clear();
    m_files = m_store.list();
    const QLocale locale;
    for (int i = 0; i < m_files.size(); ++i) {
        const CBackupFile &file = m_files.at(i);
        // Restoring runs the full check on the chosen copy.
        const CBackupContents contents = CBackupContents::inspect(file.path(), CBackupContents::Quick);
        auto *item = new QTreeWidgetItem(m_list);
        item->setData(Taken, FileIndexRole, i);
        item->setText(Taken, file.takenAt().toString(Utility::dateTimeFormat()));
        item->setText(Size, locale.formattedDataSize(contents.size, 1));
        if (contents.intact) {
            item->setText(Reason, reasonText(file.reason()));
            const int counts[] = {contents.vehicles, contents.fuelEntries, contents.services, contents.expenses,
                                  contents.notes};
            for (int column = Vehicles; column <= Notes; ++column) {
                item->setText(column, locale.toString(counts[column - Vehicles]));
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            }
        } else {
            // Shown, so the user knows of it, but it cannot be picked.
            item->setText(Reason, tr("Damaged, cannot be restored"));
            item->setFlags(Qt::NoItemFlags);
            for (int column = 0; column < ColumnCount; ++column)
                item->setToolTip(column, contents.problem);
        }
        item->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
    }
    QApplication::restoreOverrideCursor();

    // The newest copy that can be restored is picked to begin with.
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        if (item->flags() & Qt::ItemIsSelectable) {
            m_list->setCurrentItem(item);
            break;
        }
    }

    const QString folder = QDir::toNativeSeparators(m_store.folder());
    m_intro->setText(m_files.isEmpty()
                         ? tr("There are no backups yet. Garvo copies your records at the first start of each "
                              "day and before changes that rewrite many of them, into %1.")
                               .arg(folder)
                         : tr("Choose the copy to go back to. Your current records are backed up first, so a "
                              "restore can be undone. The copies are kept in %1.")
                               .arg(folder));
    updateButtons();
}

void CRestoreBackupDialog::updateButtons()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    m_restoreButton->setEnabled(!selected.isEmpty() && (selected.first()->flags() & Qt::ItemIsSelectable));
}

void CRestoreBackupDialog::slotRestore()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty() || !(selected.first()->flags() & Qt::ItemIsEnabled))
        return;
    const CBackupFile file = m_files.value(selected.first()->data(Taken, FileIndexRole).toInt());
    const QString taken = file.takenAt().toString(Utility::dateTimeFormat());
    if (Utility::Prompt::message(this, QMessageBox::Question, tr("Restore from Backup"),
                                 tr("Replace all your current records with the backup of %1?").arg(taken),
                                 tr("Your current records are backed up first, so this can be undone."),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CBackupResult result = m_store.restore(file.path(), CDatabase::instance());
    QApplication::restoreOverrideCursor();
    if (!result.ok) {
        Utility::Prompt::critical(this, tr("Restore from Backup"), result.error);
        populate();
        return;
    }
    Utility::Prompt::information(this, tr("Restore from Backup"),
                                 tr("Your records are back as they were on %1. The records they replaced are "
                                    "kept as a backup too.")
                                     .arg(taken));
    accept();
}
