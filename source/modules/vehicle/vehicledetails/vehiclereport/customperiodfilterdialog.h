#pragma once

#include "widgets/dialog.h"

#include <QDate>

class QDateEdit;
class QDialogButtonBox;
class QLabel;

// Asks for the first and the last day of a custom report period. An end
// before the start is refused: OK stays disabled and "End:" is marked.
class CCustomPeriodFilterDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CCustomPeriodFilterDialog(QWidget *parent = nullptr);

    // Runs the dialog on `start` and `end`; on OK writes the chosen dates back
    // and returns true, otherwise leaves them and returns false.
    static bool getPeriod(QDate &start, QDate &end);

    void setPeriod(const QDate &start, const QDate &end);
    QDate startDate() const;
    QDate endDate() const;
    QDateEdit *startEdit() const { return m_startEdit; }
    QDateEdit *endEdit() const { return m_endEdit; }
    QDialogButtonBox *buttonBox() const { return m_buttonBox; }

public slots:
    // Accepts the dialog when the period is in order.
    void slotSave();

private:
    void retranslateUi();
    bool periodInOrder() const;
    void updateState();

    QLabel *m_startLabel = nullptr;
    QDateEdit *m_startEdit = nullptr;
    QLabel *m_endLabel = nullptr;
    QDateEdit *m_endEdit = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
};
