#pragma once

#include <QWidget>

class CModuleContainer;
class QLabel;
class QToolButton;

// The reports' part of the left sidebar: a button back to the report
// dashboard, visible while a report module (ids 140 to 149) is current.
class CReportListWidget : public QWidget
{
    Q_OBJECT

public:
    CReportListWidget(CModuleContainer *container, QWidget *parent = nullptr);

    QToolButton *dashboardButton() const { return m_button; }
    void retranslate();

public slots:
    void slotModuleChanged(int id);
    void slotShowReportDashboard();

private:
    CModuleContainer *m_container = nullptr;
    QLabel *m_label = nullptr;
    QToolButton *m_button = nullptr;
};
