#pragma once

#include "database/recordquery.h"
#include "database/vehicle.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlRecord>
#include <QTableView>

class CRecordDelegate;
class CTable;
class QAction;
class QMenu;
class QSqlQueryModel;

namespace Utility {
class DeferredCall;
}

// The list of one kind of record of a vehicle (fuel entries, readings,
// sessions, expenses, notes...). A kind is a subclass that names its table,
// its order, its visible columns, its texts and its dialog; this class does
// the rest the same way for every kind:
//
// - the model: the vehicle's rows, read with the value bound, and reloaded
//   once per burst of the table's signals (and only when visible; a hidden
//   list reloads when shown);
// - the columns: the visible ones in the kind's order, the others hidden;
//   widths the user set are kept in the kind's configuration group under
//   "column%1" (not that of the stretched last column) and the others fit
//   their texts, within the width of the list while it has room;
// - the current record: its id, selection by id, and the record that was
//   inserted or updated last selected after the reload;
// - Edit (double click, context menu) and Delete (context menu, Delete key)
//   on the current row, with the kind's texts; a deletion is confirmed first,
//   and the confirmation defaults to No.
class CRecordTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CRecordTableView(QWidget *parent = nullptr);

    // Shows the records of `vehicle`.
    void setVehicle(const CVehicle &vehicle);
    const CVehicle &vehicle() const { return m_vehicle; }
    // Reloads now, keeping the current record selected when it is still
    // listed (the record inserted or updated last, when there is one).
    void refresh();
    // The id of the current row; 0 when there is none.
    int currentId() const;
    // Selects the row of record `id`; false when it is not listed.
    bool selectId(int id);
    // Re-sets the header and action texts.
    void retranslate();

    QSqlQueryModel *recordModel() const { return m_model; }
    CRecordDelegate *recordDelegate() const { return m_delegate; }
    QAction *editAction() const { return m_editAction; }
    QAction *deleteAction() const { return m_deleteAction; }
    QString widthGroup() const { return m_widthGroup; }
    // How many times the records were loaded.
    int loadCount() const { return m_loadCount; }

signals:
    void selectedData(const QSqlRecord &record);
    void nothingSelected();
    // A record was edited or deleted from the list.
    void recordChanged();

public slots:
    // Keeps the width the user gave a visible column.
    void slotHeaderResize(int logicalIndex, int oldSize, int newSize);
    void slotEdit();
    void slotDelete();

protected:
    struct DeletePrompt
    {
        QString title;
        QString text;
        QString informativeText;
    };

    // Called once by the kind's constructor: the vehicle's rows of `table`
    // (by its column `vehicleColumn`) in `order`, widths kept under
    // `widthGroup`, painted by `delegate` (taken over).
    void setUp(CTable *table, int vehicleColumn, const QList<RecordQuery::SortKey> &order,
               const QString &widthGroup, CRecordDelegate *delegate);
    // The columns shown, left to right; every other column is hidden.
    void setVisibleColumns(const QList<int> &columns);
    // Whether the first row is selected when nothing else is.
    void setSelectsFirstRow(bool select) { m_selectsFirstRow = select; }

    // currentId(); with no current row it tells the user so first.
    int currentIdOrPrompt();

    // `text` escaped and in bold, for a delete prompt.
    static QString strong(const QString &text);

    virtual QString headerText(int column) const = 0;
    // The message for Edit or Delete with no current row.
    virtual QString notSelectedText() const = 0;
    virtual DeletePrompt deletePrompt(const QSqlRecord &record) const = 0;
    // Runs the kind's dialog on record `id`: the saved id, 0 when cancelled.
    virtual int editRecord(int id) = 0;
    // Called when a vehicle is set, before the records are loaded.
    virtual void vehicleChanged() {}
    // Re-sets the texts of what the kind added (actions of its own).
    virtual void retranslateKind() {}
    // The right-click menu; kinds may add their actions.
    QMenu *contextMenu() const { return m_menu; }

    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    // Reloads; selects `wantedId`, else the current record, else the row at
    // `fallbackRow` (or the first row when the kind wants it).
    void load(int wantedId, int fallbackRow = -1);
    void applyColumns();
    void restoreColumnWidths();
    void fitColumns();
    int lastVisibleColumn() const;
    // The width the column's texts want.
    int contentWidth(int column) const;
    void tableChanged(int id);
    void runScheduledRefresh();

    CTable *m_table = nullptr;
    int m_vehicleColumn = 0;
    QList<RecordQuery::SortKey> m_order;
    QString m_widthGroup;
    QList<int> m_visibleColumns;
    bool m_selectsFirstRow = false;

    CVehicle m_vehicle;
    QSqlQueryModel *m_model = nullptr;
    CRecordDelegate *m_delegate = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_deleteAction = nullptr;
    Utility::DeferredCall *m_scheduledRefresh = nullptr;
    QSet<int> m_storedWidths;
    int m_wantedId = 0;
    bool m_stale = false;
    bool m_fitting = false;
    // contentWidth() of each column, and the rows it measured.
    mutable QHash<int, int> m_contentWidths;
    mutable int m_measuredRows = -1;
    // The width of each cell text measured in the list's font.
    mutable QHash<QString, int> m_textWidths;
    int m_loadCount = 0;
};
