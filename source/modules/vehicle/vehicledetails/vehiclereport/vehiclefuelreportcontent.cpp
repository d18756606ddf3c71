#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelreportcontent.h"

#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "database/tablefuellog.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehicledetails/vehiclereport/periodfiltercombobox.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelchart.h"
#include "utility/clock.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CVehicleFuelReportContent::CVehicleFuelReportContent(QWidget *parent)
    : CVehicleContent(parent)
    , m_startDate(Utility::Clock::today().addMonths(-3))
    , m_endDate(Utility::Clock::today())
    , m_titleLabel(new QLabel(this))
    , m_footerItems(this)
    , m_chart(new CVehicleFuelChart(this))
{
    m_periodFilter = new CPeriodFilterComboBox(this, Config::Key::VehicleFuelReport);
    m_startDate = m_periodFilter->startDate();
    m_endDate = m_periodFilter->endDate();
    connect(m_periodFilter, &CPeriodFilterComboBox::filterSelected, this,
            &CVehicleFuelReportContent::slotFilterChanged);

    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    auto *header = new QHBoxLayout;
    header->setSpacing(9);
    header->setContentsMargins(20, 14, 20, 13);
    header->addWidget(m_titleLabel, 0, Qt::AlignLeft | Qt::AlignVCenter);
    header->addStretch();
    header->addWidget(m_periodFilter, 0, Qt::AlignRight | Qt::AlignVCenter);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(9, 9, 9, 9);
    body->setSpacing(9);
    body->addWidget(m_chart);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(new CSeparatorWidget(this));
    layout->addLayout(body, 1);

    m_firstFooter = m_footerItems.addInfo(QStringLiteral(":resource/icons/fuel-log-32.png"));
    m_footerSeparator = m_footerItems.addSeparator();
    m_secondFooter = m_footerItems.addInfo();

    watchTable(CTableFuelLog::instance());
    watchTable(CTableVehicle::instance());
    retranslate();
}

void CVehicleFuelReportContent::slotFilterChanged(const QDate &start, const QDate &end)
{
    m_startDate = start;
    m_endDate = end;
    refresh();
}

void CVehicleFuelReportContent::refresh()
{
    if (!vehicle())
        return;
    m_chart->setVehicle(*vehicle());
    m_report.load(*vehicle(), m_startDate, m_endDate);
    m_chart->updateChart(m_report.points(), m_startDate, m_endDate);
    m_shown = {vehicle()->id(), m_startDate, m_endDate};
    retranslate();
}

void CVehicleFuelReportContent::updateFooters()
{
    const int fuelSystem = vehicle() ? vehicle()->fuelSystemType() : 0;
    if (fuelSystem == 1 || fuelSystem == 2) {
        const FuelLogSummary first = m_report.summary(1);
        m_firstFooter->setTitle(first.titleText);
        m_firstFooter->setSubtitle(first.summaryText);
    }
    if (fuelSystem == 2) {
        const FuelLogSummary second = m_report.summary(2);
        m_secondFooter->setTitle(second.titleText);
        m_secondFooter->setSubtitle(second.summaryText);
    }
}

void CVehicleFuelReportContent::retranslate()
{
    setTitle(tr("Fuel Report"));
    m_periodFilter->retranslateUi();
    const QString format = Utility::dateFormat();
    m_titleLabel->setText(QStringLiteral("%1 - %2").arg(m_startDate.toString(format), m_endDate.toString(format)));
    m_chart->retranslateUi();
    if (isCurrent())
        updateFooters();
    CVehicleContent::retranslate();
}

bool CVehicleFuelReportContent::enterContent()
{
    const bool dualFuel = vehicle() && vehicle()->fuelSystemType() == 2;
    m_firstFooter->show();
    m_footerSeparator->setVisible(dualFuel);
    m_secondFooter->setVisible(dualFuel);
    m_startDate = m_periodFilter->startDate();
    m_endDate = m_periodFilter->endDate();
    // A refresh that was due has run already when the page was entered.
    const ReportKey wanted{vehicle() ? vehicle()->id() : 0, m_startDate, m_endDate};
    if (!(wanted == m_shown))
        refresh();
    return CVehicleContent::enterContent();
}

bool CVehicleFuelReportContent::leaveContent()
{
    m_footerItems.hideAll();
    return CVehicleContent::leaveContent();
}
