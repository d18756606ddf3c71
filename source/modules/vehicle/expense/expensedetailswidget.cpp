#include "modules/vehicle/expense/expensedetailswidget.h"

#include "database/expense.h"
#include "modules/options/units.h"
#include "currency/currency.h"
#include "utility/utility.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CExpenseDetailsWidget::CExpenseDetailsWidget(QWidget *parent) : CRecordDetailsWidget(parent)
{
    auto *heading = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":resource/icons/expense-32.png")));
    heading->addWidget(icon, 0, Qt::AlignTop);
    m_name = addTitleLabel();
    heading->addWidget(m_name, 1);
    contentLayout()->addLayout(heading);
    m_date = addTextLabel();
    m_comment = addTextLabel();
    m_amount = addTitleLabel();
    contentLayout()->addStretch();
}

void CExpenseDetailsWidget::setRecord(const QSqlRecord &record)
{
    CExpense expense;
    expense.load(record);
    m_name->setText(expense.name());
    m_date->setText(expense.date().toString(Utility::dateFormat()));
    m_comment->setText(expense.comment());
    m_amount->setText(currency()->format(expense.amount()));
}

CNoExpenseSelectedWidget::CNoExpenseSelectedWidget(QWidget *parent)
    : CNoRecordSelectedWidget(QStringLiteral(":resource/icons/expenses-64.png"), parent)
{
    retranslate();
}

void CNoExpenseSelectedWidget::retranslate()
{
    setText(tr("Select expense to see it details"));
}
