#include "modules/vehicle/vehicledetails/vehiclereport/vehiclecostreportcontent.h"

#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehicledetails/vehiclereport/periodfiltercombobox.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpenseschart.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpensestable.h"
#include "reports/vehicleexpensecalculator.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CVehicleCostReportContent::CVehicleCostReportContent(QWidget *parent)
    : CVehicleContent(parent)
    , m_calculator(new CVehicleExpenseCalculator(this))
    , m_titleLabel(new QLabel(this))
    , m_footerItems(this)
    , m_chart(new CVehicleExpensesChart(this))
    , m_table(new CVehicleExpensesTable(this))
{
    m_periodFilter = new CPeriodFilterComboBox(this, Config::Key::VehicleCostReport);
    m_periodFilter->setAlignToWeeks(true);
    m_startDate = m_periodFilter->startDate();
    m_endDate = m_periodFilter->endDate();
    connect(m_periodFilter, &CPeriodFilterComboBox::filterSelected, this,
            &CVehicleCostReportContent::slotFilterChanged);

    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    auto *header = new QHBoxLayout;
    header->setSpacing(9);
    header->setContentsMargins(20, 14, 20, 13);
    header->addWidget(m_titleLabel, 0, Qt::AlignRight | Qt::AlignVCenter);
    header->addStretch();
    header->addWidget(m_periodFilter, 0, Qt::AlignRight | Qt::AlignVCenter);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_chart, 1);
    body->addSpacing(9);
    body->addWidget(new CSeparatorWidget(this));
    body->addWidget(m_table);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(new CSeparatorWidget(this));
    layout->addLayout(body, 1);

    m_footer = m_footerItems.addInfo(QStringLiteral(":resource/icons/money-32.png"));
    m_footerSeparator = m_footerItems.addSeparator();
    m_distanceFooter = m_footerItems.addInfo();

    m_chart->setCalculator(m_calculator);
    m_table->setCalculator(m_calculator);

    // Any change of a cost or a reading changes what the page shows.
    watchTable(CTableFuelLog::instance());
    watchTable(CTableSession::instance());
    watchTable(CTableExpense::instance());
    watchTable(CTableOdometerLog::instance());
    watchTable(CTableVehicle::instance());
    retranslate();
}

void CVehicleCostReportContent::slotFilterChanged(const QDate &start, const QDate &end)
{
    m_startDate = start;
    m_endDate = end;
    refresh();
}

void CVehicleCostReportContent::refresh()
{
    if (!vehicle())
        return;
    m_calculator->setReport(*vehicle(), m_startDate, m_endDate);
    m_shown = {vehicle()->id(), m_startDate, m_endDate};
    retranslate();
}

void CVehicleCostReportContent::retranslate()
{
    setTitle(tr("Costs Report"));
    m_periodFilter->retranslateUi();
    const QString format = Utility::dateFormat();
    m_titleLabel->setText(QStringLiteral("%1 - %2").arg(m_startDate.toString(format), m_endDate.toString(format)));
    m_chart->retranslateUi();
    m_table->retranslateUi();
    m_footer->setTitle(m_calculator->totalText());
    m_footer->setSubtitle(m_calculator->detailsText());
    m_distanceFooter->setTitle(m_calculator->distanceCostText());
    m_distanceFooter->setSubtitle(m_calculator->ownershipText());
    CVehicleContent::retranslate();
}

bool CVehicleCostReportContent::enterContent()
{
    showFooters(true);
    m_startDate = m_periodFilter->startDate();
    m_endDate = m_periodFilter->endDate();
    // A refresh that was due has run already when the page was entered.
    const ReportKey wanted{vehicle() ? vehicle()->id() : 0, m_startDate, m_endDate};
    if (!(wanted == m_shown))
        refresh();
    return CVehicleContent::enterContent();
}

bool CVehicleCostReportContent::leaveContent()
{
    showFooters(false);
    return CVehicleContent::leaveContent();
}

void CVehicleCostReportContent::showFooters(bool visible)
{
    m_footer->setVisible(visible);
    m_footerSeparator->setVisible(visible);
    m_distanceFooter->setVisible(visible);
}
