#include "modules/vehicle/note/notetableview.h"

#include "application/configuration.h"
#include "database/tablenote.h"
#include "modules/vehicle/note/notedialog.h"

using Column = CTableNote::Column;

CNoteDelegate::CNoteDelegate(QObject *parent) : CRecordDelegate(parent)
{
    setDateColumns({Column::Date});
}

CNoteTableView::CNoteTableView(QWidget *parent) : CRecordTableView(parent)
{
    setSelectsFirstRow(true);
    setUp(CTableNote::instance(), Column::VehicleId, {{Column::Date, Qt::DescendingOrder}},
          Config::Group::NoteColumns, new CNoteDelegate(this));
    setVisibleColumns({Column::Date, Column::Title});
}

QString CNoteTableView::headerText(int column) const
{
    switch (column) {
    case Column::Id:
        return tr("ID");
    case Column::Date:
        return tr("Date");
    case Column::Title:
        return tr("Name");
    default:
        return QString();
    }
}

QString CNoteTableView::notSelectedText() const
{
    return tr("Note entry not selected.");
}

CRecordTableView::DeletePrompt CNoteTableView::deletePrompt(const QSqlRecord &record) const
{
    const QString title = record.value(Column::Title).toString();
    return {tr("Delete note"),
            tr("Are you sure that you want to delete ") + strong(title) + tr(" note?"),
            QString()};
}

int CNoteTableView::editRecord(int id)
{
    return CNoteDialog::editEntry(id);
}
