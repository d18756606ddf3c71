#pragma once

#include "modules/vehicle/vehicledetails/vehiclereport/reportcontent.h"

class CFooterInfoWidget;
class CSeparatorWidget;
class CVehicleExpenseCalculator;
class CVehicleExpensesChart;
class CVehicleExpensesTable;

// The cost report of the vehicle page: for the chosen period, stacked bars
// and a table of fuel, service and other costs per bucket; in the main
// window's footer the total with its three parts, and the cost per distance
// with the total cost of ownership.
class CVehicleCostReportContent : public CReportContent
{
    Q_OBJECT

public:
    explicit CVehicleCostReportContent(QWidget *parent = nullptr);

    CVehicleExpenseCalculator *calculator() const { return m_calculator; }
    CFooterInfoWidget *footer() const { return m_footer; }
    CFooterInfoWidget *distanceFooter() const { return m_distanceFooter; }
    CVehicleExpensesChart *chart() const { return m_chart; }
    CVehicleExpensesTable *table() const { return m_table; }
    QCustomPlot *printChart() const override;

protected:
    QString reportTitle() const override;
    void load() override;
    void retranslateReport() override;
    void showFooterItems() override;
    void fillDocument(ReportDocument &document) const override;

private:
    CVehicleExpenseCalculator *m_calculator = nullptr;
    CFooterInfoWidget *m_footer = nullptr;
    CSeparatorWidget *m_footerSeparator = nullptr;
    CFooterInfoWidget *m_distanceFooter = nullptr;
    CVehicleExpensesChart *m_chart = nullptr;
    CVehicleExpensesTable *m_table = nullptr;
};
