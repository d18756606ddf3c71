#pragma once

#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportfooter.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportkey.h"
#include "reports/fuelreport.h"

#include <QDate>

class CFooterInfoWidget;
class CPeriodFilterComboBox;
class CSeparatorWidget;
class CVehicleFuelChart;
class QLabel;

// The fuel report of the vehicle page: for the chosen period the efficiency
// of each fuel and the odometer over a date axis, and in the main window's
// footer the fuel summary of the period per fuel.
class CVehicleFuelReportContent : public CVehicleContent
{
    Q_OBJECT

public:
    explicit CVehicleFuelReportContent(QWidget *parent = nullptr);

    QDate startDate() const { return m_startDate; }
    QDate endDate() const { return m_endDate; }
    CPeriodFilterComboBox *periodFilter() const { return m_periodFilter; }
    QLabel *titleLabel() const { return m_titleLabel; }
    CFooterInfoWidget *firstFooter() const { return m_firstFooter; }
    CSeparatorWidget *footerSeparator() const { return m_footerSeparator; }
    CFooterInfoWidget *secondFooter() const { return m_secondFooter; }
    CVehicleFuelChart *chart() const { return m_chart; }
    const CFuelReport &report() const { return m_report; }

public slots:
    void slotFilterChanged(const QDate &start, const QDate &end);
    void retranslate() override;
    bool enterContent() override;
    bool leaveContent() override;

protected:
    void refresh() override;

private:
    void updateFooters();

    QDate m_startDate;
    QDate m_endDate;
    ReportKey m_shown;
    CFuelReport m_report;
    CPeriodFilterComboBox *m_periodFilter = nullptr;
    QLabel *m_titleLabel = nullptr;
    CReportFooter m_footerItems;
    CFooterInfoWidget *m_firstFooter = nullptr;
    CSeparatorWidget *m_footerSeparator = nullptr;
    CFooterInfoWidget *m_secondFooter = nullptr;
    CVehicleFuelChart *m_chart = nullptr;
};
