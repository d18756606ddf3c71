#pragma once

#include "modules/vehicle/records/recorddetailswidget.h"

class QFormLayout;

// The selected session right of the list: date, odometer, comment, total
// and its items, read with one query.
class CSessionDetailsWidget : public CRecordDetailsWidget
{
    Q_OBJECT

public:
    explicit CSessionDetailsWidget(QWidget *parent = nullptr);

    void setRecord(const QSqlRecord &record) override;
    void retranslate() override;

    // The description and cost texts of the item rows shown.
    QStringList itemTexts() const;
    QLabel *notesLabel() const { return m_notes; }
    QLabel *totalLabel() const { return m_total; }

private:
    QFormLayout *m_form = nullptr;
    QFormLayout *m_itemForm = nullptr;
    QLabel *m_dateCaption = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_odometerCaption = nullptr;
    QLabel *m_odometer = nullptr;
    QLabel *m_notesCaption = nullptr;
    QLabel *m_notes = nullptr;
    QLabel *m_itemsCaption = nullptr;
    QLabel *m_total = nullptr;
    double m_totalCost = 0.0;
};

// Right of the list while no session is selected.
class CNoSessionSelectedWidget : public CNoRecordSelectedWidget
{
    Q_OBJECT

public:
    explicit CNoSessionSelectedWidget(QWidget *parent = nullptr);
    void retranslate();
};
