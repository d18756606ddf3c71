#pragma once

#include "database/vehicle.h"

#include <QSet>
#include <QSqlRecord>
#include <QTableView>

class CFuelLogDelegate;
class QAction;
class QSqlTableModel;

// The fuel entries of one vehicle, highest odometer first, in the order fuel
// type, date, odometer, distance, quantity, price, efficiency, total cost.
// Column widths are kept in the configuration file.
class CFuelLogTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CFuelLogTableView(QWidget *parent = nullptr);

    // Shows the vehicle's entries; the fuel type column only for two fuels.
    void setVehicle(const CVehicle &vehicle);
    // Re-reads the rows, keeping the current entry selected when it is still there.
    void refresh();
    void retranslate();

    QSqlTableModel *tableModel() const { return m_model; }
    CFuelLogDelegate *delegate() const { return m_delegate; }
    // Id of the entry in the current row, 0 when there is none.
    int currentId() const;
    // Makes the row of entry `id` current; false when it is not listed.
    bool selectId(int id);

signals:
    void selectedData(const QSqlRecord &record);
    void nothingSelected();
    // An entry was edited or deleted from the list.
    void recordChanged();

public slots:
    void slotHeaderResize(int logicalIndex, int oldSize, int newSize);
    void slotEdit();
    void slotDelete();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void slotCurrentRowChanged(const QModelIndex &current);
    void restoreColumnWidths();
    // Fits the columns the user never resized to their header and rows.
    void fitColumns();

    CVehicle m_vehicle;
    QSqlTableModel *m_model = nullptr;
    CFuelLogDelegate *m_delegate = nullptr;
    QAction *editAction = nullptr;
    QAction *deleteAction = nullptr;
    QSet<int> m_storedWidths;
    bool m_fitting = false;
};
