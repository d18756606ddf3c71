#include "modules/vehicle/records/recordtableview.h"

#include "application/configuration.h"
#include "database/odometerlog.h"
#include "database/table.h"
#include "modules/vehicle/recordrows.h"
#include "modules/vehicle/records/recorddelegate.h"
#include "utility/deferredcall.h"
#include "utility/prompt.h"

#include <QContextMenuEvent>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSqlQueryModel>

CRecordTableView::CRecordTableView(QWidget *parent)
    : QTableView(parent)
    , m_model(new QSqlQueryModel(this))
    , m_menu(new QMenu(this))
    , m_editAction(m_menu->addAction(QString()))
    , m_deleteAction(m_menu->addAction(QString()))
    , m_scheduledRefresh(new Utility::DeferredCall([this] { runScheduledRefresh(); }, this))
{
    setObjectName(QStringLiteral("transparentTableView"));
    setModel(m_model);
    RecordRows::setUpListView(this);
    verticalHeader()->hide();

    connect(this, &QAbstractItemView::doubleClicked, this, &CRecordTableView::slotEdit);
    connect(m_editAction, &QAction::triggered, this, &CRecordTableView::slotEdit);
    connect(m_deleteAction, &QAction::triggered, this, &CRecordTableView::slotDelete);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CRecordTableView::slotHeaderResize);
}

void CRecordTableView::setUp(CTable *table, int vehicleColumn, const QList<RecordQuery::SortKey> &order,
                             const QString &widthGroup, CRecordDelegate *delegate)
{
    m_table = table;
    m_vehicleColumn = vehicleColumn;
    m_order = order;
    m_widthGroup = widthGroup;
    m_delegate = delegate;
    m_delegate->setParent(this);
    setItemDelegate(m_delegate);
    if (table) {
        connect(table, &CTable::inserted, this, &CRecordTableView::tableChanged);
        connect(table, &CTable::updated, this, &CRecordTableView::tableChanged);
        connect(table, &CTable::deleted, this, [this] { tableChanged(0); });
    }
    // Nothing is listed before a vehicle is set; the empty result names the
    // columns.
    load(0);
}

void CRecordTableView::setVisibleColumns(const QList<int> &columns)
{
    if (columns == m_visibleColumns)
        return;
    m_visibleColumns = columns;
    applyColumns();
}

void CRecordTableView::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    vehicleChanged();
    load(m_wantedId);
}

void CRecordTableView::refresh()
{
    load(m_wantedId);
}

void CRecordTableView::load(int wantedId, int fallbackRow)
{
    m_scheduledRefresh->cancel();
    m_stale = false;
    m_wantedId = 0;
    ++m_loadCount;
    const int current = currentId();

    m_model->setQuery(RecordQuery::rowsWhere(m_table, m_vehicleColumn, m_vehicle.id(), m_order));
    m_contentWidths.clear();
    applyColumns();
    retranslate();
    fitColumns();

    if ((wantedId != 0 && selectId(wantedId)) || (current != 0 && selectId(current)))
        return;
    const int rows = m_model->rowCount();
    if (rows > 0 && fallbackRow >= 0) {
        selectRow(qMin(fallbackRow, rows - 1));
        return;
    }
    if (rows > 0 && m_selectsFirstRow) {
        selectRow(0);
        return;
    }
    // A reset drops the current row without a currentChanged().
    emit nothingSelected();
}

void CRecordTableView::applyColumns()
{
    // A reload of the model resets the header's sections.
    const int count = m_model->columnCount();
    QHeaderView *header = horizontalHeader();
    // Showing and moving columns resizes some (the stretched last column
    // changes); those are no widths the user chose.
    m_fitting = true;
    for (int column = 0; column < count; ++column)
        setColumnHidden(column, !m_visibleColumns.contains(column));
    for (int position = 0; position < m_visibleColumns.size(); ++position) {
        const int column = m_visibleColumns.at(position);
        if (column < count && header->visualIndex(column) != position)
            header->moveSection(header->visualIndex(column), position);
    }
    m_fitting = false;
    restoreColumnWidths();
}

int CRecordTableView::contentWidth(int column) const
{
    // The rows of a screenful, read or not, whether or not they are on screen
    // yet: a hidden list has no height of its own. Measured once per load.
    const int screenful = qMax(viewport()->height(), 700) / qMax(1, verticalHeader()->defaultSectionSize()) + 1;
    const int rows = qMin(m_model->rowCount(), screenful);
    if (rows != m_measuredRows) {
        m_contentWidths.clear();
        m_measuredRows = rows;
    }
    auto measured = m_contentWidths.constFind(column);
    if (measured != m_contentWidths.constEnd())
        return *measured;
    const QFontMetrics metrics = viewOptions().fontMetrics;
    // A reload mostly lists the texts measured before; shaping them again
    // would be most of its work.
    if (m_textWidths.size() > 4096)
        m_textWidths.clear();
    int width = 0;
    for (int row = 0; row < rows; ++row) {
        const QString text = m_delegate->rowText(m_model->index(row, column));
        auto known = m_textWidths.constFind(text);
        if (known == m_textWidths.constEnd())
            known = m_textWidths.insert(text, CRecordDelegate::textWidth(metrics, text));
        width = qMax(width, *known);
    }
    m_contentWidths.insert(column, width + 4);
    return width + 4;
}

int CRecordTableView::lastVisibleColumn() const
{
    for (int position = m_visibleColumns.size() - 1; position >= 0; --position) {
        if (m_visibleColumns.at(position) < m_model->columnCount())
            return m_visibleColumns.at(position);
    }
    return -1;
}

void CRecordTableView::restoreColumnWidths()
{
    if (m_widthGroup.isEmpty())
        return;
    m_storedWidths.clear();
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(m_widthGroup);
    const int last = lastVisibleColumn();
    m_fitting = true;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (column == last || isColumnHidden(column))
            continue;
        const int width = config->value(Config::Key::column(column), 0).toInt();
        if (width > 0) {
            setColumnWidth(column, width);
            m_storedWidths.insert(column);
        }
    }
    m_fitting = false;
}

void CRecordTableView::fitColumns()
{
    // Columns the user never sized fit their header and texts; while the
    // list is shown they share out the room the list has, so that it needs
    // no horizontal scroll bar as long as every column keeps its header.
    QHeaderView *header = horizontalHeader();
    QList<QPair<int, int>> natural;
    int wanted = 0;
    int room = viewport()->width();
    for (int column : qAsConst(m_visibleColumns)) {
        if (column >= m_model->columnCount())
            continue;
        if (m_storedWidths.contains(column)) {
            room -= columnWidth(column);
            continue;
        }
        const int width = qMax(contentWidth(column), header->sectionSizeHint(column));
        wanted += width;
        // The last column too: the room it is given is the least it keeps
        // when it stretches.
        natural.append({column, width});
    }
    const bool squeeze = isVisible() && wanted > room && room > 0;
    QHash<int, int> widths;
    if (squeeze) {
        // Share the room in proportion to the wanted widths; a column that
        // would go below the least width keeps that, and the others share
        // what is left.
        const int least = header->minimumSectionSize();
        bool settled = false;
        while (!settled) {
            settled = true;
            for (const auto &column : qAsConst(natural)) {
                if (widths.contains(column.first))
                    continue;
                if (wanted <= 0 || column.second * room / wanted < least) {
                    widths.insert(column.first, least);
                    room -= least;
                    wanted -= column.second;
                    settled = false;
                }
            }
        }
        for (const auto &column : qAsConst(natural)) {
            if (!widths.contains(column.first))
                widths.insert(column.first, column.second * room / qMax(1, wanted));
        }
    }
    m_fitting = true;
    for (const auto &column : qAsConst(natural))
        setColumnWidth(column.first, squeeze ? widths.value(column.first) : column.second);
    m_fitting = false;
}

void CRecordTableView::slotHeaderResize(int logicalIndex, int /*oldSize*/, int newSize)
{
    // The stretched last column follows the list's width, not the user.
    if (m_fitting || m_widthGroup.isEmpty() || newSize <= 0 || isColumnHidden(logicalIndex)
        || logicalIndex == lastVisibleColumn())
        return;
    m_storedWidths.insert(logicalIndex);
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(m_widthGroup);
    config->setValue(Config::Key::column(logicalIndex), newSize);
}

int CRecordTableView::currentId() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model->index(current.row(), 0).data().toInt() : 0;
}

QString CRecordTableView::strong(const QString &text)
{
    return QStringLiteral("<strong>") + text.toHtmlEscaped() + QStringLiteral("</strong>");
}

int CRecordTableView::currentIdOrPrompt()
{
    const int id = currentId();
    if (id == 0)
        Utility::Prompt::message(this, QMessageBox::NoIcon, QString(), notSelectedText());
    return id;
}

bool CRecordTableView::selectId(int id)
{
    if (id == 0)
        return false;
    // The query says where the record is, or that it is not listed (the
    // record of another vehicle, say) without reading the list to its end.
    const int likely = RecordQuery::rowOf(m_table, m_vehicleColumn, m_vehicle.id(), m_order, id);
    const int row = likely == -1 ? -1 : RecordRows::rowOf(m_model, 0, id, likely);
    if (row < 0)
        return false;
    selectRow(row);
    return true;
}

void CRecordTableView::retranslate()
{
    // Units and currency may have changed the texts.
    m_contentWidths.clear();
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_model->setHeaderData(column, Qt::Horizontal, headerText(column));
    m_editAction->setText(tr("&Edit"));
    m_deleteAction->setText(tr("&Delete"));
    retranslateKind();
}

void CRecordTableView::slotEdit()
{
    const int id = currentIdOrPrompt();
    if (id == 0)
        return;
    const int saved = editRecord(id);
    if (saved == 0)
        return;
    load(saved);
    emit recordChanged();
}

void CRecordTableView::slotDelete()
{
    const int id = currentIdOrPrompt();
    if (id == 0)
        return;
    const int row = currentIndex().row();
    const DeletePrompt prompt = deletePrompt(m_model->record(row));
    const QMessageBox::StandardButton answer =
        Utility::Prompt::message(this, QMessageBox::Warning, prompt.title, prompt.text, prompt.informativeText,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // A record's odometer reading stays, detached from the deleted record.
    const bool removed = COdometerLog::removeRecord(m_table, id);
    if (!removed)
        Utility::Prompt::critical(this, prompt.title, tr("The entry could not be deleted."));
    // The next record takes the place of the deleted one.
    load(0, row);
    if (removed)
        emit recordChanged();
}

void CRecordTableView::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (!index.isValid())
        return;
    selectRow(index.row());
    m_menu->popup(event->globalPos());
}

void CRecordTableView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        slotDelete();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        slotEdit();
        event->accept();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

void CRecordTableView::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (m_stale)
        load(m_wantedId);
    else
        fitColumns();
}

void CRecordTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_textWidths.clear();
        m_contentWidths.clear();
    }
    QTableView::changeEvent(event);
}

void CRecordTableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitColumns();
}

void CRecordTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit selectedData(m_model->record(current.row()));
    else
        emit nothingSelected();
}

void CRecordTableView::tableChanged(int id)
{
    // The record inserted or updated last is the one to show.
    if (id != 0)
        m_wantedId = id;
    if (isVisible())
        m_scheduledRefresh->schedule();
    else
        m_stale = true;
}

void CRecordTableView::runScheduledRefresh()
{
    if (isVisible())
        load(m_wantedId);
    else
        m_stale = true;
}
