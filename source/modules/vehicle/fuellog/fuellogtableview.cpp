#include "modules/vehicle/fuellog/fuellogtableview.h"

#include "application/configuration.h"
#include "currency/currency.h"
#include "database/database.h"
#include "database/tablefuellog.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuellogdelegate.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/recordrows.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QSqlTableModel>

using Column = CTableFuelLog::Column;

CFuelLogTableView::CFuelLogTableView(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("transparentTableView"));
    CTableFuelLog *table = CTableFuelLog::instance();
    const QSqlDatabase database = table && table->database() ? table->database()->database() : QSqlDatabase();
    m_model = new QSqlTableModel(this, database);
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    if (table)
        m_model->setTable(table->tableName());
    m_model->setSort(Column::Odometer, Qt::DescendingOrder);
    // Nothing is listed before a vehicle is set.
    m_model->setFilter(QStringLiteral("0"));
    setModel(m_model);

    m_delegate = new CFuelLogDelegate(this);
    m_delegate->setDateFormat(Utility::dateFormat());
    setItemDelegate(m_delegate);

    for (int column : {Column::Id, Column::VehicleId, Column::Description, Column::Tires, Column::DrivingStyle,
                       Column::Routes, Column::Extras, Column::DriverId})
        setColumnHidden(column, true);
    setColumnHidden(Column::FuelType, true);
    QHeaderView *header = horizontalHeader();
    header->swapSections(8, 6);
    header->swapSections(2, 5);
    header->swapSections(3, 5);
    verticalHeader()->hide();
    RecordRows::setUpListView(this);

    editAction = new QAction(this);
    deleteAction = new QAction(this);
    connect(editAction, &QAction::triggered, this, &CFuelLogTableView::slotEdit);
    connect(deleteAction, &QAction::triggered, this, &CFuelLogTableView::slotDelete);
    connect(this, &QTableView::doubleClicked, this, &CFuelLogTableView::slotEdit);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CFuelLogTableView::slotCurrentRowChanged);

    restoreColumnWidths();
    connect(header, &QHeaderView::sectionResized, this, &CFuelLogTableView::slotHeaderResize);
    retranslate();
}

void CFuelLogTableView::restoreColumnWidths()
{
    CConfiguration *configuration = CConfiguration::instance();
    configuration->setGroup(Config::Group::FuelLogColumns);
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const int width = configuration->value(Config::Key::column(column), 0).toInt();
        if (width > 0) {
            setColumnWidth(column, width);
            m_storedWidths.insert(column);
        }
    }
}

void CFuelLogTableView::fitColumns()
{
    m_fitting = true;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (!isColumnHidden(column) && !m_storedWidths.contains(column))
            setColumnWidth(column, qMax(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column)) + 4);
    }
    m_fitting = false;
}

void CFuelLogTableView::slotHeaderResize(int logicalIndex, int, int newSize)
{
    if (m_fitting || isColumnHidden(logicalIndex) || newSize <= 0)
        return;
    m_storedWidths.insert(logicalIndex);
    CConfiguration *configuration = CConfiguration::instance();
    configuration->setGroup(Config::Group::FuelLogColumns);
    configuration->setValue(Config::Key::column(logicalIndex), newSize);
}

void CFuelLogTableView::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    m_delegate->setVehicle(vehicle);
    setColumnHidden(Column::FuelType, vehicle.fuelSystemType() != 2);
    CTableFuelLog *table = CTableFuelLog::instance();
    if (table)
        m_model->setFilter(QStringLiteral("%1='%2'").arg(table->column(Column::VehicleId)).arg(vehicle.id()));
    retranslate();
    refresh();
    fitColumns();
}

void CFuelLogTableView::refresh()
{
    const int id = currentId();
    m_model->select();
    if (!selectId(id) && m_model->rowCount() > 0)
        selectRow(0);
    if (!currentIndex().isValid())
        emit nothingSelected();
}

int CFuelLogTableView::currentId() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model->record(current.row()).value(Column::Id).toInt() : 0;
}

bool CFuelLogTableView::selectId(int id)
{
    const int row = id == 0 ? -1 : RecordRows::rowOf(m_model, Column::Id, id);
    if (row < 0)
        return false;
    selectRow(row);
    return true;
}

void CFuelLogTableView::slotCurrentRowChanged(const QModelIndex &current)
{
    if (current.isValid())
        emit selectedData(m_model->record(current.row()));
    else
        emit nothingSelected();
}

void CFuelLogTableView::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    QMenu menu(this);
    menu.addAction(editAction);
    menu.addAction(deleteAction);
    menu.exec(event->globalPos());
}

void CFuelLogTableView::slotEdit()
{
    const int id = currentId();
    if (id == 0) {
        Utility::Prompt::message(this, QMessageBox::NoIcon, QString(), tr("Fuel entry not selected."));
        return;
    }
    if (CFuelLogDialog::editEntry(id) == 0)
        return;
    refresh();
    emit recordChanged();
}

void CFuelLogTableView::slotDelete()
{
    const int id = currentId();
    if (id == 0) {
        Utility::Prompt::message(this, QMessageBox::NoIcon, QString(), tr("Fuel entry not selected."));
        return;
    }
    const QMessageBox::StandardButton answer = Utility::Prompt::message(
        this, QMessageBox::Warning, tr("Delete Fuel Entry"), tr("Are you sure that you want to delete this Fuel Entry?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    CTableFuelLog *table = CTableFuelLog::instance();
    if (!table || !table->remove(id)) {
        Utility::Prompt::critical(this, tr("Delete Fuel Entry"), tr("The fuel entry could not be deleted."));
        return;
    }
    refresh();
    emit recordChanged();
}

void CFuelLogTableView::retranslate()
{
    const QString volume = volumeUnitName().toLower();
    const QString symbol = currency()->symbol();
    const QString unit = m_vehicle.odometerUnitText();
    const struct
    {
        int column;
        QString text;
    } headers[] = {
        {Column::Id, tr("ID")},
        {Column::Date, tr("Date")},
        {Column::Odometer, tr("Odometer") + QStringLiteral(" (%1)").arg(unit)},
        {Column::FuelType, tr("Fuel Type")},
        {Column::CostPerUnit, tr("Cost (%1 / %2)").arg(symbol, volume)},
        {Column::Quantity, tr("Quantity") + QStringLiteral(" (%1s)").arg(volume)},
        {Column::Distance, tr("Distance (%1)").arg(unit)},
        {Column::Efficiency, m_vehicle.fuelEfficiencyFor(0, 0).unitText()},
        {Column::TotalCost, tr("Total cost") + QStringLiteral(" (%1)").arg(symbol)},
    };
    for (const auto &header : headers)
        m_model->setHeaderData(header.column, Qt::Horizontal, header.text);
    editAction->setText(tr("Edit"));
    deleteAction->setText(tr("Delete"));
}
