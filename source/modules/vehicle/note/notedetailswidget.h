#pragma once

#include "modules/vehicle/records/recorddetailswidget.h"

// The selected note right of the list: title, date and, between two
// separators, the description, scrolling when long.
class CNoteDetailsWidget : public CRecordDetailsWidget
{
    Q_OBJECT

public:
    explicit CNoteDetailsWidget(QWidget *parent = nullptr);

    void setRecord(const QSqlRecord &record) override;

    QLabel *titleLabel() const { return m_title; }
    QLabel *descriptionLabel() const { return m_description; }

private:
    QLabel *m_title = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_description = nullptr;
};

// Right of the list while no note is selected.
class CNoNoteSelectedWidget : public CNoRecordSelectedWidget
{
    Q_OBJECT

public:
    explicit CNoNoteSelectedWidget(QWidget *parent = nullptr);
    void retranslate();
};
