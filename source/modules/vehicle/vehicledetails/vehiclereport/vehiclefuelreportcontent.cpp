#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelreportcontent.h"

#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "database/tablefuellog.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelchart.h"
#include "widgets/separatorwidget.h"

#include <QVBoxLayout>

CVehicleFuelReportContent::CVehicleFuelReportContent(QWidget *parent)
    : CReportContent(Config::Key::VehicleFuelReport, false, Qt::AlignLeft, parent)
    , m_chart(new CVehicleFuelChart(this))
{
    QVBoxLayout *body = bodyLayout();
    body->setContentsMargins(9, 9, 9, 9);
    body->setSpacing(9);
    body->addWidget(m_chart);

    m_firstFooter = footerItems().addInfo(QStringLiteral(":resource/icons/fuel-log-32.png"));
    m_footerSeparator = footerItems().addSeparator();
    m_secondFooter = footerItems().addInfo();

    watchTable(CTableFuelLog::instance());
    watchTable(CTableVehicle::instance());
    retranslate();
}

QCustomPlot *CVehicleFuelReportContent::printChart() const
{
    return m_chart;
}

QString CVehicleFuelReportContent::reportTitle() const
{
    return tr("Fuel Report");
}

int CVehicleFuelReportContent::fuelCount() const
{
    const int fuelSystem = vehicle() ? vehicle()->fuelSystemType() : 0;
    return fuelSystem == 1 || fuelSystem == 2 ? fuelSystem : 0;
}

void CVehicleFuelReportContent::load()
{
    m_chart->setVehicle(*vehicle());
    m_report.load(*vehicle(), startDate(), endDate());
    m_chart->updateChart(m_report.points(), startDate(), endDate());
}

void CVehicleFuelReportContent::retranslateReport()
{
    m_chart->retranslateUi();
    if (!isCurrent())
        return;
    CFooterInfoWidget *footers[] = {m_firstFooter, m_secondFooter};
    for (int fuel = 1; fuel <= fuelCount(); ++fuel) {
        const FuelLogSummary summary = m_report.summary(fuel);
        footers[fuel - 1]->setTitle(summary.titleText);
        footers[fuel - 1]->setSubtitle(summary.summaryText);
    }
}

void CVehicleFuelReportContent::showFooterItems()
{
    const bool dualFuel = vehicle() && vehicle()->fuelSystemType() == 2;
    m_firstFooter->show();
    m_footerSeparator->setVisible(dualFuel);
    m_secondFooter->setVisible(dualFuel);
}

void CVehicleFuelReportContent::fillDocument(ReportDocument &document) const
{
    for (int fuel = 1; fuel <= fuelCount(); ++fuel) {
        const FuelLogSummary summary = m_report.summary(fuel);
        document.summaries.append({summary.titleText, summary.summaryText.split(QStringLiteral(" | "))});
    }
}
