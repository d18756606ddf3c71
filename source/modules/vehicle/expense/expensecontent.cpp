#include "modules/vehicle/expense/expensecontent.h"

#include "application/configuration.h"
#include "modules/vehicle/expense/expensedetailswidget.h"
#include "modules/vehicle/expense/expensetableview.h"
#include "modules/vehicle/records/recordkind.h"

CExpenseContent::CExpenseContent(QWidget *parent)
    : CRecordListContent(RecordKinds::of(CVehicleRecords::Expenses), parent),
      m_placeholder(new CNoExpenseSelectedWidget(this))
{
    setList(new CExpenseTableView(this), new CExpenseDetailsWidget(this), m_placeholder,
            Config::Key::ExpenseSplitterSizes);
    retranslate();
}

void CExpenseContent::retranslate()
{
    setTitle(tr("Expenses"));
    m_placeholder->retranslate();
    CRecordListContent::retranslate();
}

CNoExpenseContent::CNoExpenseContent(QWidget *parent)
    : CNoRecordContent(RecordKinds::of(CVehicleRecords::Expenses), QStringLiteral(":resource/icons/expense-64.png"),
                       parent)
{
    retranslate();
}

void CNoExpenseContent::retranslate()
{
    setTexts(tr("Expenses"), tr("Garvo Expenses"), QString(),
             tr("Keep track of the additional vehicle-related expenses, such as parking fees, road tolls, tickets, "
                "registration cost, etc.<br/><br/>Use <strong>New Expense</strong> button from toolbar to make some "
                "expenses about this vehicle."),
             tr("New Expense"));
    CNoRecordContent::retranslate();
}
