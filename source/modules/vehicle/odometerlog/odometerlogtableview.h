#pragma once

#include <QSqlRecord>
#include <QTableView>

class CVehicle;
class COdometerLogDelegate;
class QAction;
class QMenu;
class QSqlQueryModel;

// A vehicle's readings, newest date first and, within one date, highest
// reading first. Follows the reading table's signals with one reload per
// burst (a vehicle's cascade deletes many rows at once), and none while
// hidden until it is shown again.
class COdometerLogTableView : public QTableView
{
    Q_OBJECT

public:
    explicit COdometerLogTableView(QWidget *parent = nullptr);

    // Shows the readings of `vehicle`.
    void setVehicle(const CVehicle &vehicle);
    int vehicleId() const { return m_vehicleId; }
    void retranslate();
    // Reloads now, keeping the current reading selected when it is still
    // listed.
    void refresh();
    // The reading id of the current row; 0 when there is none.
    int currentId() const;
    // Selects the row of reading `id`; false when it is not listed.
    bool selectId(int id);

    QSqlQueryModel *readingModel() const { return m_model; }
    COdometerLogDelegate *delegate() const { return m_delegate; }
    QAction *editAction() const { return m_editAction; }
    QAction *deleteAction() const { return m_deleteAction; }
    // How many times the readings were loaded.
    int loadCount() const { return m_loadCount; }

signals:
    void selectedData(QSqlRecord record);
    void nothingSelected();

public slots:
    void slotHeaderResize(int logicalIndex, int oldSize, int newSize);
    void slotEdit();
    void slotDelete();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void scheduleRefresh();
    void runScheduledRefresh();
    void restoreColumnWidths();
    void tellNothingSelected();

    int m_vehicleId = 0;
    QSqlQueryModel *m_model = nullptr;
    COdometerLogDelegate *m_delegate = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_deleteAction = nullptr;
    bool m_refreshQueued = false;
    bool m_stale = false;
    int m_loadCount = 0;
};
