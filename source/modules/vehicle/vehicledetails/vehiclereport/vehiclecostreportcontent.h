#pragma once

#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportfooter.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportkey.h"

#include <QDate>

class CFooterInfoWidget;
class CPeriodFilterComboBox;
class CSeparatorWidget;
class CVehicleExpenseCalculator;
class CVehicleExpensesChart;
class CVehicleExpensesTable;
class QLabel;

// The cost report of the vehicle page: for the chosen period, stacked bars
// and a table of fuel, service and other costs per bucket; in the main
// window's footer the total with its three parts, and the cost per distance
// with the total cost of ownership.
class CVehicleCostReportContent : public CVehicleContent
{
    Q_OBJECT

public:
    explicit CVehicleCostReportContent(QWidget *parent = nullptr);

    QDate startDate() const { return m_startDate; }
    QDate endDate() const { return m_endDate; }
    CVehicleExpenseCalculator *calculator() const { return m_calculator; }
    CPeriodFilterComboBox *periodFilter() const { return m_periodFilter; }
    QLabel *titleLabel() const { return m_titleLabel; }
    CFooterInfoWidget *footer() const { return m_footer; }
    CFooterInfoWidget *distanceFooter() const { return m_distanceFooter; }
    CVehicleExpensesChart *chart() const { return m_chart; }
    CVehicleExpensesTable *table() const { return m_table; }

public slots:
    void slotFilterChanged(const QDate &start, const QDate &end);
    void retranslate() override;
    bool enterContent() override;
    bool leaveContent() override;

protected:
    void refresh() override;

private:
    void showFooters(bool visible);

    QDate m_startDate;
    QDate m_endDate;
    // What the calculator holds now.
    ReportKey m_shown;
    CVehicleExpenseCalculator *m_calculator = nullptr;
    CPeriodFilterComboBox *m_periodFilter = nullptr;
    QLabel *m_titleLabel = nullptr;
    CReportFooter m_footerItems;
    CFooterInfoWidget *m_footer = nullptr;
    CSeparatorWidget *m_footerSeparator = nullptr;
    CFooterInfoWidget *m_distanceFooter = nullptr;
    CVehicleExpensesChart *m_chart = nullptr;
    CVehicleExpensesTable *m_table = nullptr;
};
