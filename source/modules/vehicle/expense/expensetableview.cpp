#include "modules/vehicle/expense/expensetableview.h"

#include "application/configuration.h"
#include "database/tableexpense.h"
#include "modules/vehicle/expense/expensedialog.h"

#include <QTextDocument>

using Column = CTableExpense::Column;

CExpenseDelegate::CExpenseDelegate(QObject *parent) : CRecordDelegate(parent)
{
    setDateColumns({Column::Date});
    setAmountColumns({Column::Amount});
}

CExpenseTableView::CExpenseTableView(QWidget *parent) : CRecordTableView(parent)
{
    setSelectsFirstRow(true);
    setUp(CTableExpense::instance(), Column::VehicleId, {{Column::Date, Qt::DescendingOrder}},
          Config::Group::ExpenseColumns, new CExpenseDelegate(this));
    setVisibleColumns({Column::Date, Column::Amount, Column::Name});
}

QString CExpenseTableView::headerText(int column) const
{
    switch (column) {
    case Column::Id:
        return tr("ID");
    case Column::Date:
        return tr("Date");
    case Column::Amount:
        return tr("Amount");
    case Column::Name:
        return tr("Name");
    default:
        return QString();
    }
}

QString CExpenseTableView::notSelectedText() const
{
    return tr("Expense entry not selected.");
}

CRecordTableView::DeletePrompt CExpenseTableView::deletePrompt(const QSqlRecord &record) const
{
    const QString name = record.value(Column::Name).toString();
    const QString comment = record.value(Column::Comment).toString();
    return {tr("Delete expense"),
            tr("Are you sure that you want to delete ") + strong(name) + tr(" expense?"),
            comment.isEmpty() ? QString() : Qt::convertFromPlainText(comment)};
}

int CExpenseTableView::editRecord(int id)
{
    return CExpenseDialog::editEntry(id);
}
