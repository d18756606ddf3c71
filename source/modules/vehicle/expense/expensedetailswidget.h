#pragma once

#include "modules/vehicle/records/recorddetailswidget.h"

// The selected expense right of the list: name, date, comment and amount.
class CExpenseDetailsWidget : public CRecordDetailsWidget
{
    Q_OBJECT

public:
    explicit CExpenseDetailsWidget(QWidget *parent = nullptr);

    void setRecord(const QSqlRecord &record) override;

    QLabel *nameLabel() const { return m_name; }
    QLabel *amountLabel() const { return m_amount; }

private:
    QLabel *m_name = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_comment = nullptr;
    QLabel *m_amount = nullptr;
};

// Right of the list while no expense is selected.
class CNoExpenseSelectedWidget : public CNoRecordSelectedWidget
{
    Q_OBJECT

public:
    explicit CNoExpenseSelectedWidget(QWidget *parent = nullptr);
    void retranslate();
};
