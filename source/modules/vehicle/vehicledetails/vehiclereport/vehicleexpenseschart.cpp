#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpenseschart.h"

#include "currency/currency.h"
#include "modules/options/units.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportchartstyle.h"
#include "reports/vehicleexpensecalculator.h"

#include <QResizeEvent>
#include <QtMath>

namespace {

// About the width the value axis with its labels takes at the left.
constexpr int ValueAxisRoom = 80;

// The buckets with a cost. A bar of height 0 would still draw its outline as
// a coloured line; the bars stacked above it find their base all the same.
void setCosts(QCPBars *bars, const QVector<double> &positions, const QVector<double> &costs)
{
    QVector<double> keys;
    QVector<double> values;
    for (int i = 0; i < positions.size() && i < costs.size(); ++i) {
        if (costs.at(i) != 0.0) {
            keys.append(positions.at(i));
            values.append(costs.at(i));
        }
    }
    bars->setData(keys, values, true);
}

} // namespace

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
    fitTickLabels(width());
    xAxis->setRange(0, m_calculator->count() + 1);
    setCosts(m_fuelBars, positions, m_calculator->fuelCosts());
    setCosts(m_serviceBars, positions, m_calculator->serviceCosts());
    setCosts(m_otherBars, positions, m_calculator->otherCosts());
    // With nothing spent the axis still needs a range to draw.
    const double top = m_calculator->maxTotal() * 1.05;
    yAxis->setRange(0, top > 0 ? top : 1.0);
    replot(rpQueuedReplot);
}

void CVehicleExpensesChart::fitTickLabels(int plotWidth)
{
    if (!m_calculator)
        return;
    const QVector<double> positions = m_calculator->tickPositions();
    QVector<QString> labels = m_calculator->tickLabels();
    const QFontMetrics metrics(xAxis->tickLabelFont());
    int widest = 0;
    for (const QString &label : qAsConst(labels))
        widest = qMax(widest, metrics.horizontalAdvance(label));
    // The room of one bucket: the plot less the value axis, over the buckets
    // and the empty slot at each end.
    const double room = qMax(1, plotWidth - ValueAxisRoom) / double(positions.size() + 1);
    const int gap = metrics.averageCharWidth();
    double rotation = 0.0;
    int step = 1;
    if (widest + gap > room) {
        // Slanted labels need a line's height each; beyond that only every
        // step-th bucket is labelled.
        rotation = -45.0;
        step = qCeil((metrics.height() + gap) / room);
        for (int i = 0; i < labels.size(); ++i) {
            if (i % step != 0)
                labels[i].clear();
        }
    }
    xAxis->setTickLabelRotation(rotation);
    qSharedPointerCast<QCPAxisTickerText>(xAxis->ticker())->setTicks(positions, labels);
}

void CVehicleExpensesChart::resizeEvent(QResizeEvent *event)
{
    QCustomPlot::resizeEvent(event);
    if (event->oldSize().width() != event->size().width()) {
        fitTickLabels(width());
        replot(rpQueuedReplot);
    }
}

void CVehicleExpensesChart::draw(QCPPainter *painter)
{
    // Painted at another width than the widget's (printed, say), the labels
    // fit that width for the time being.
    fitTickLabels(viewport().width());
    QCustomPlot::draw(painter);
    fitTickLabels(width());
}

void CVehicleExpensesChart::retranslateUi()
{
    m_fuelBars->setName(tr("Fuel Expenses"));
    m_serviceBars->setName(tr("Service Expenses"));
    m_otherBars->setName(tr("Other Expenses"));
    yAxis->setLabel(currency()->symbol());
    replot(rpQueuedReplot);
}
