#pragma once

#include "modules/vehicle/records/recordcontent.h"

class CExpenseDetailsWidget;
class CExpenseTableView;
class CNoExpenseSelectedWidget;

// The expenses page of a vehicle that has expenses: the list, and the
// selected expense beside it.
class CExpenseContent : public CRecordListContent
{
    Q_OBJECT

public:
    explicit CExpenseContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;

private:
    CNoExpenseSelectedWidget *m_placeholder = nullptr;
};

// The expenses page of a vehicle without expenses.
class CNoExpenseContent : public CNoRecordContent
{
    Q_OBJECT

public:
    explicit CNoExpenseContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;
};
