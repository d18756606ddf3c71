#include "modules/vehicle/vehicledetails/vehiclereport/vehiclecostreportcontent.h"

#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpenseschart.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpensestable.h"
#include "reports/vehicleexpensecalculator.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QVBoxLayout>

CVehicleCostReportContent::CVehicleCostReportContent(QWidget *parent)
    : CReportContent(Config::Key::VehicleCostReport, true, Qt::AlignRight, parent)
    , m_calculator(new CVehicleExpenseCalculator(this))
    , m_chart(new CVehicleExpensesChart(this))
    , m_table(new CVehicleExpensesTable(this))
{
    QVBoxLayout *body = bodyLayout();
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_chart, 1);
    body->addSpacing(9);
    body->addWidget(new CSeparatorWidget(this));
    body->addWidget(m_table);

    m_footer = footerItems().addInfo(QStringLiteral(":resource/icons/money-32.png"));
    m_footerSeparator = footerItems().addSeparator();
    m_distanceFooter = footerItems().addInfo();

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

QCustomPlot *CVehicleCostReportContent::printChart() const
{
    return m_chart;
}

QString CVehicleCostReportContent::reportTitle() const
{
    return tr("Costs Report");
}

void CVehicleCostReportContent::load()
{
    m_calculator->setReport(*vehicle(), startDate(), endDate());
}

void CVehicleCostReportContent::retranslateReport()
{
    m_chart->retranslateUi();
    m_table->retranslateUi();
    m_footer->setTitle(m_calculator->totalText());
    m_footer->setSubtitle(m_calculator->detailsText());
    m_distanceFooter->setTitle(m_calculator->distanceCostText());
    m_distanceFooter->setSubtitle(m_calculator->ownershipText());
}

void CVehicleCostReportContent::showFooterItems()
{
    m_footer->show();
    m_footerSeparator->show();
    m_distanceFooter->show();
}

void CVehicleCostReportContent::fillDocument(ReportDocument &document) const
{
    QStringList lines = m_calculator->detailsText().split(QStringLiteral(" | "));
    lines << m_calculator->distanceCostText() << m_calculator->ownershipText();
    document.summaries.append({m_calculator->totalText(), lines});

    // The table as the page shows it, with the period's sums below.
    for (int column = 0; column < m_table->columnCount(); ++column)
        document.columns << m_table->horizontalHeaderItem(column)->text();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_table->columnCount(); ++column) {
            const QTableWidgetItem *item = m_table->item(row, column);
            cells << (item ? item->text() : QString());
        }
        document.rows.append(cells);
    }
    document.totalRow << tr("Total");
    for (double sum : {m_calculator->fuelTotal(), m_calculator->serviceTotal(), m_calculator->otherTotal(),
                       m_calculator->grandTotal()})
        document.totalRow << Utility::numberToString(sum, 2);
}
