#include "modules/vehicle/odometerlog/odometerlogtableview.h"

#include "application/configuration.h"
#include "database/tableodometerlog.h"
#include "modules/vehicle/odometerlog/editodometerentry.h"
#include "modules/vehicle/odometerlog/odometerlogdelegate.h"

using Column = CTableOdometerLog::Column;

COdometerLogTableView::COdometerLogTableView(QWidget *parent)
    : CRecordTableView(parent), m_delegate(new COdometerLogDelegate(this))
{
    setUp(CTableOdometerLog::instance(), Column::VehicleId,
          {{Column::Date, Qt::DescendingOrder}, {Column::Odometer, Qt::DescendingOrder}},
          Config::Group::OdometerLogColumns, m_delegate);
    setVisibleColumns({Column::ParentType, Column::Date, Column::Odometer, Column::Description});
}

QString COdometerLogTableView::headerText(int column) const
{
    switch (column) {
    case Column::Id:
        return tr("ID");
    case Column::Date:
        return tr("Date");
    case Column::Odometer:
        return tr("Odometer");
    case Column::Description:
        return tr("Update Description");
    case Column::ParentType:
        return tr("Activity");
    default:
        return QString();
    }
}

QString COdometerLogTableView::notSelectedText() const
{
    return tr("Odometer entry not selected.");
}

CRecordTableView::DeletePrompt COdometerLogTableView::deletePrompt(const QSqlRecord &) const
{
    return {tr("Delete Odometer Entry"), tr("Are you sure that you want to delete this Odometer entry?"), QString()};
}

int COdometerLogTableView::editRecord(int id)
{
    return editOdometerEntry(id) ? id : 0;
}
