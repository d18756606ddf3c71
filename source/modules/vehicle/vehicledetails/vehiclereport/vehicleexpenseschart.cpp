#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpenseschart.h"

#include "currency/currency.h"
#include "modules/options/units.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportchartstyle.h"
#include "reports/vehicleexpensecalculator.h"

CVehicleExpensesChart::CVehicleExpensesChart(QWidget *parent) : QCustomPlot(parent)
{
    m_fuelBars = addBars(QColor(255, 131, 0), 50);
    m_serviceBars = addBars(QColor(1, 92, 191), 50);
    m_otherBars = addBars(QColor(150, 222, 0), 70);
    m_serviceBars->moveAbove(m_fuelBars);
    m_otherBars->moveAbove(m_serviceBars);

    // Fixed ticks: one per bucket, labelled by the calculator.
    QSharedPointer<QCPAxisTickerText> ticker(new QCPAxisTickerText);
    ticker->setSubTickCount(0);
    xAxis->setTicker(ticker);
    xAxis->setSubTicks(false);
    xAxis->setTickLength(0, 4);
    xAxis->grid()->setVisible(true);
    yAxis->grid()->setSubGridVisible(true);
    yAxis->grid()->setPen(QPen(QColor(0, 0, 0, 25), 0, Qt::SolidLine));
    yAxis->grid()->setSubGridPen(QPen(QColor(0, 0, 0, 25), 0, Qt::DotLine));

    ReportChartStyle::setUpLegend(this);
    retranslateUi();
}

QCPBars *CVehicleExpensesChart::addBars(const QColor &pen, int fillAlpha)
{
    auto *bars = new QCPBars(xAxis, yAxis);
    bars->setPen(QPen(pen, 1.2));
    QColor fill = pen;
    fill.setAlpha(fillAlpha);
    bars->setBrush(fill);
    return bars;
}

void CVehicleExpensesChart::setCalculator(CVehicleExpenseCalculator *calculator)
{
    if (m_calculator)
        disconnect(m_calculator, nullptr, this, nullptr);
    m_calculator = calculator;
    if (m_calculator)
        connect(m_calculator, &CVehicleExpenseCalculator::updated, this, &CVehicleExpensesChart::updateBarGraph);
}

void CVehicleExpensesChart::updateBarGraph()
{
    if (!m_calculator)
        return;
    const QVector<double> positions = m_calculator->tickPositions();
    qSharedPointerCast<QCPAxisTickerText>(xAxis->ticker())->setTicks(positions, m_calculator->tickLabels());
    xAxis->setRange(0, m_calculator->count() + 1);
    m_fuelBars->setData(positions, m_calculator->fuelCosts(), true);
    m_serviceBars->setData(positions, m_calculator->serviceCosts(), true);
    m_otherBars->setData(positions, m_calculator->otherCosts(), true);
    // With nothing spent the axis still needs a range to draw.
    const double top = m_calculator->maxTotal() * 1.05;
    yAxis->setRange(0, top > 0 ? top : 1.0);
    replot(rpQueuedReplot);
}

void CVehicleExpensesChart::retranslateUi()
{
    m_fuelBars->setName(tr("Fuel Expenses"));
    m_serviceBars->setName(tr("Service Expenses"));
    m_otherBars->setName(tr("Other Expenses"));
    yAxis->setLabel(currency()->symbol());
    replot(rpQueuedReplot);
}
