#include "modules/vehicle/service/sessiontableview.h"

#include "application/configuration.h"
#include "currency/currency.h"
#include "database/tablesession.h"
#include "modules/options/units.h"
#include "modules/vehicle/service/sessiondialog.h"
#include "utility/utility.h"

#include <QDate>

using Column = CTableSession::Column;

CSessionDelegate::CSessionDelegate(QObject *parent) : CRecordDelegate(parent)
{
    setDateColumns({Column::Date});
    setAmountColumns({Column::TotalCost});
}

CSessionTableView::CSessionTableView(QWidget *parent) : CRecordTableView(parent)
{
    setSelectsFirstRow(true);
    setUp(CTableSession::instance(), Column::VehicleId, {{Column::Odometer, Qt::DescendingOrder}},
          Config::Group::SessionColumns, new CSessionDelegate(this));
    setVisibleColumns({Column::Date, Column::Odometer, Column::TotalCost});
}

QString CSessionTableView::headerText(int column) const
{
    switch (column) {
    case Column::Id:
        return tr("ID");
    case Column::Date:
        return tr("Date");
    case Column::Odometer:
        return tr("Odometer") + QStringLiteral(" (%1)").arg(vehicle().odometerUnitText());
    case Column::TotalCost:
        return tr("Total cost") + QStringLiteral(" (%1)").arg(currency()->symbol());
    default:
        return QString();
    }
}

QString CSessionTableView::notSelectedText() const
{
    return tr("Session entry not selected.");
}

CRecordTableView::DeletePrompt CSessionTableView::deletePrompt(const QSqlRecord &record) const
{
    const QString date =
        QDate::fromString(record.value(Column::Date).toString(), Qt::ISODate).toString(Utility::dateFormat());
    return {tr("Delete session"),
            tr("Are you sure that you want to delete ") + strong(date) + tr(" session?"),
            QString()};
}

int CSessionTableView::editRecord(int id)
{
    return CSessionDialog::editEntry(id);
}
