#pragma once

#include "modules/vehicle/vehicledetails/vehiclereport/reportcontent.h"
#include "reports/fuelreport.h"

class CFooterInfoWidget;
class CSeparatorWidget;
class CVehicleFuelChart;

// The fuel report of the vehicle page: for the chosen period the efficiency
// of each fuel and the odometer over a date axis, and in the main window's
// footer the fuel summary of the period per fuel.
class CVehicleFuelReportContent : public CReportContent
{
    Q_OBJECT

public:
    explicit CVehicleFuelReportContent(QWidget *parent = nullptr);

    CFooterInfoWidget *firstFooter() const { return m_firstFooter; }
    CSeparatorWidget *footerSeparator() const { return m_footerSeparator; }
    CFooterInfoWidget *secondFooter() const { return m_secondFooter; }
    CVehicleFuelChart *chart() const { return m_chart; }
    const CFuelReport &report() const { return m_report; }
    QCustomPlot *printChart() const override;

protected:
    QString reportTitle() const override;
    void load() override;
    void retranslateReport() override;
    void showFooterItems() override;
    void fillDocument(ReportDocument &document) const override;

private:
    // The fuels the vehicle's fuel system has: none, 1, or 1 and 2.
    int fuelCount() const;

    CFuelReport m_report;
    CFooterInfoWidget *m_firstFooter = nullptr;
    CSeparatorWidget *m_footerSeparator = nullptr;
    CFooterInfoWidget *m_secondFooter = nullptr;
    CVehicleFuelChart *m_chart = nullptr;
};
