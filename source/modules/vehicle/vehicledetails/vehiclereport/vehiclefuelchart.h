#pragma once

#include "database/vehicle.h"
#include "reports/fuelreport.h"

#include <qcustomplot.h>

#include <QDate>
#include <QVector>

// The fuel report's chart over a date axis: the efficiency of each fuel's
// entries as a step line on the left axis, and the odometer readings as a
// line with points on the right axis.
class CVehicleFuelChart : public QCustomPlot
{
    Q_OBJECT

public:
    explicit CVehicleFuelChart(QWidget *parent = nullptr);

    // Copies the vehicle and names the graphs after its fuels.
    void setVehicle(const CVehicle &vehicle);
    // Redraws from the report's `points` for the period start to end.
    void updateChart(const QVector<CFuelReport::Point> &points, const QDate &start, const QDate &end);
    void retranslateUi();

    QCPGraph *odometerGraph() const { return m_odometerGraph; }
    QCPGraph *firstFuelGraph() const { return m_firstFuelGraph; }
    QCPGraph *secondFuelGraph() const { return m_secondFuelGraph; }

private:
    QCPGraph *addGraph(QCPAxis *valueAxis, const QPen &pen, QCPGraph::LineStyle style);

    CVehicle m_vehicle;
    QCPGraph *m_odometerGraph = nullptr;
    QCPGraph *m_firstFuelGraph = nullptr;
    QCPGraph *m_secondFuelGraph = nullptr;
};
