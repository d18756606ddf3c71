#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelchart.h"

#include "modules/vehicle/vehicledetails/vehiclereport/reportchartstyle.h"

CVehicleFuelChart::CVehicleFuelChart(QWidget *parent) : QCustomPlot(parent)
{
    ReportChartStyle::setUpLegend(this);

    QSharedPointer<QCPAxisTickerDateTime> dates(new QCPAxisTickerDateTime);
    dates->setDateTimeFormat(QStringLiteral("dd.MMM"));
    // The keys are UTC midnights (CFuelReport::dateKey()).
    dates->setDateTimeSpec(Qt::UTC);
    xAxis->setTicker(dates);
    xAxis->setSubTicks(false);
    xAxis->setTickLength(0, 4);
    xAxis->grid()->setVisible(true);
    yAxis2->setVisible(true);

    m_odometerGraph = addGraph(yAxis2, QPen(Qt::black), QCPGraph::lsLine);
    m_odometerGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 2));
    m_firstFuelGraph = addGraph(yAxis, QPen(Qt::blue), QCPGraph::lsStepRight);
    m_secondFuelGraph = addGraph(yAxis, QPen(Qt::green), QCPGraph::lsStepRight);
    retranslateUi();
}

QCPGraph *CVehicleFuelChart::addGraph(QCPAxis *valueAxis, const QPen &pen, QCPGraph::LineStyle style)
{
    QCPGraph *graph = QCustomPlot::addGraph(xAxis, valueAxis);
    graph->setPen(pen);
    graph->setLineStyle(style);
    return graph;
}

void CVehicleFuelChart::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    retranslateUi();
}

void CVehicleFuelChart::updateChart(const QVector<CFuelReport::Point> &points, const QDate &start, const QDate &end)
{
    const bool dualFuel = m_vehicle.fuelSystemType() == 2;
    QVector<double> odometerKeys, odometers;
    QVector<double> firstKeys, firstValues, secondKeys, secondValues;
    odometerKeys.reserve(points.size());
    odometers.reserve(points.size());
    for (const CFuelReport::Point &point : points) {
        if (!point.date.isValid())
            continue;
        const double key = CFuelReport::dateKey(point.date);
        odometerKeys.append(key);
        odometers.append(point.odometer);
        if (point.fuelType == 1) {
            firstKeys.append(key);
            firstValues.append(point.efficiency);
        } else if (dualFuel && point.fuelType == 2) {
            secondKeys.append(key);
            secondValues.append(point.efficiency);
        }
    }
    m_odometerGraph->setData(odometerKeys, odometers);
    m_firstFuelGraph->setData(firstKeys, firstValues);
    m_secondFuelGraph->setData(secondKeys, secondValues);

    const bool showSecond = !secondKeys.isEmpty();
    m_secondFuelGraph->setVisible(showSecond);
    if (showSecond)
        m_secondFuelGraph->addToLegend();
    else
        m_secondFuelGraph->removeFromLegend();

    const CFuelReport::Range dates = CFuelReport::dateRange(start, end);
    xAxis->setRange(dates.lower, dates.upper);
    const CFuelReport::Range odometer = CFuelReport::odometerRange(points, dates);
    yAxis2->setRange(odometer.lower, odometer.upper);
    const CFuelReport::Range efficiency = CFuelReport::efficiencyRange(points, dualFuel);
    yAxis->setRange(efficiency.lower, efficiency.upper);
    replot(rpQueuedReplot);
}

void CVehicleFuelChart::retranslateUi()
{
    m_odometerGraph->setName(tr("Odometer"));
    m_firstFuelGraph->setName(m_vehicle.fuelNameFirst());
    m_secondFuelGraph->setName(m_vehicle.fuelNameSecond());
    replot(rpQueuedReplot);
}
