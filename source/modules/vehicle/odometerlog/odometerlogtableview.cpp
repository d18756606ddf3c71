#include "modules/vehicle/odometerlog/odometerlogtableview.h"

#include "application/configuration.h"
#include "database/database.h"
#include "database/tableodometerlog.h"
#include "database/vehicle.h"
#include "modules/vehicle/odometerlog/editodometerentry.h"
#include "modules/vehicle/odometerlog/odometerlogdelegate.h"
#include "modules/vehicle/recordrows.h"
#include "utility/prompt.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QHeaderView>
#include <QMenu>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>

COdometerLogTableView::COdometerLogTableView(QWidget *parent)
    : QTableView(parent)
    , m_model(new QSqlQueryModel(this))
    , m_delegate(new COdometerLogDelegate(this))
    , m_menu(new QMenu(this))
    , m_editAction(m_menu->addAction(QString()))
    , m_deleteAction(m_menu->addAction(QString()))
{
    setObjectName(QStringLiteral("transparentTableView"));
    setModel(m_model);
    setItemDelegate(m_delegate);
    RecordRows::setUpListView(this);

    refresh();
    restoreColumnWidths();

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &COdometerLogTableView::slotHeaderResize);
    connect(this, &QAbstractItemView::doubleClicked, this, &COdometerLogTableView::slotEdit);
    connect(m_editAction, &QAction::triggered, this, &COdometerLogTableView::slotEdit);
    connect(m_deleteAction, &QAction::triggered, this, &COdometerLogTableView::slotDelete);
    if (CTableOdometerLog *table = CTableOdometerLog::instance()) {
        connect(table, &CTable::inserted, this, &COdometerLogTableView::scheduleRefresh);
        connect(table, &CTable::updated, this, &COdometerLogTableView::scheduleRefresh);
        connect(table, &CTable::deleted, this, &COdometerLogTableView::scheduleRefresh);
    }
    retranslate();
}

void COdometerLogTableView::setVehicle(const CVehicle &vehicle)
{
    m_vehicleId = vehicle.id();
    refresh();
}

void COdometerLogTableView::retranslate()
{
    m_model->setHeaderData(CTableOdometerLog::Id, Qt::Horizontal, tr("ID"));
    m_model->setHeaderData(CTableOdometerLog::Date, Qt::Horizontal, tr("Date"));
    m_model->setHeaderData(CTableOdometerLog::Odometer, Qt::Horizontal, tr("Odometer"));
    m_model->setHeaderData(CTableOdometerLog::Description, Qt::Horizontal, tr("Update Description"));
    m_model->setHeaderData(CTableOdometerLog::ParentType, Qt::Horizontal, tr("Activity"));
    m_editAction->setText(tr("Edit"));
    m_deleteAction->setText(tr("Delete"));
}

void COdometerLogTableView::refresh()
{
    m_refreshQueued = false;
    m_stale = false;
    const int current = currentId();
    ++m_loadCount;

    CTableOdometerLog *table = CTableOdometerLog::instance();
    if (!table || !table->database()) {
        m_model->clear();
        return;
    }
    QSqlQuery query(table->database()->database());
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE (%2=?) ORDER BY %3 DESC, %4 DESC")
                      .arg(table->tableName(), table->column(CTableOdometerLog::VehicleId),
                           table->column(CTableOdometerLog::Date), table->column(CTableOdometerLog::Odometer)));
    query.addBindValue(m_vehicleId);
    if (!query.exec())
        qWarning("Odometer log not loaded: %s", qPrintable(query.lastError().text()));
    m_model->setQuery(query);

    // A reset keeps the header's sections only while the column count stays.
    for (int column : {CTableOdometerLog::Id, CTableOdometerLog::VehicleId, CTableOdometerLog::ParentId})
        setColumnHidden(column, true);
    QHeaderView *header = horizontalHeader();
    if (header->visualIndex(CTableOdometerLog::ParentType) > 0)
        header->moveSection(header->visualIndex(CTableOdometerLog::ParentType), 0);
    retranslate();
    // A reset drops the current row without a currentChanged().
    if (current == 0 || !selectId(current))
        emit nothingSelected();
}

int COdometerLogTableView::currentId() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return 0;
    return m_model->index(current.row(), CTableOdometerLog::Id).data().toInt();
}

bool COdometerLogTableView::selectId(int id)
{
    const int row = RecordRows::rowOf(m_model, CTableOdometerLog::Id, id);
    if (row < 0)
        return false;
    selectRow(row);
    return true;
}

void COdometerLogTableView::slotHeaderResize(int logicalIndex, int /*oldSize*/, int newSize)
{
    if (isColumnHidden(logicalIndex))
        return;
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::OdometerLogColumns);
    config->setValue(Config::Key::column(logicalIndex), newSize);
}

void COdometerLogTableView::slotEdit()
{
    const int id = currentId();
    if (id == 0) {
        tellNothingSelected();
        return;
    }
    if (editOdometerEntry(id))
        refresh();
}

void COdometerLogTableView::slotDelete()
{
    const int id = currentId();
    if (id == 0) {
        tellNothingSelected();
        return;
    }
    const QMessageBox::StandardButton answer = Utility::Prompt::message(
        this, QMessageBox::Warning, tr("Delete Odometer Entry"),
        tr("Are you sure that you want to delete this Odometer entry?"), QString(),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    CTableOdometerLog *table = CTableOdometerLog::instance();
    if (!table || !table->remove(id))
        Utility::Prompt::critical(this, tr("Delete Odometer Entry"), tr("The odometer entry could not be deleted."));
    refresh();
}

void COdometerLogTableView::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    m_menu->popup(event->globalPos());
}

void COdometerLogTableView::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (m_stale)
        refresh();
}

void COdometerLogTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit selectedData(m_model->record(current.row()));
    else
        emit nothingSelected();
}

void COdometerLogTableView::scheduleRefresh()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(this, &COdometerLogTableView::runScheduledRefresh, Qt::QueuedConnection);
}

void COdometerLogTableView::runScheduledRefresh()
{
    // A direct refresh() meanwhile has already done the work.
    if (!m_refreshQueued)
        return;
    m_refreshQueued = false;
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void COdometerLogTableView::restoreColumnWidths()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::OdometerLogColumns);
    // Until the user sizes it, the date column fits a long date.
    const QString longDate = QDate(2000, 9, 28).toString(m_delegate->dateFormat);
    setColumnWidth(CTableOdometerLog::Date,
                   qMax(columnWidth(CTableOdometerLog::Date), fontMetrics().horizontalAdvance(longDate) + 25));
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const int width = config->value(Config::Key::column(column), -1).toInt();
        if (width > 0)
            setColumnWidth(column, width);
    }
}

void COdometerLogTableView::tellNothingSelected()
{
    Utility::Prompt::message(this, QMessageBox::NoIcon, tr("Odometer Log"), tr("Odometer entry not selected."));
}
