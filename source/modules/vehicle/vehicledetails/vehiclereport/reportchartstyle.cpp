#include "modules/vehicle/vehicledetails/vehiclereport/reportchartstyle.h"

#include <qcustomplot.h>

namespace ReportChartStyle {

void setUpLegend(QCustomPlot *plot)
{
    plot->legend->setVisible(true);
    plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
    plot->legend->setBrush(QColor(255, 255, 255, 200));
    plot->legend->setBorderPen(QPen(QColor(130, 130, 130, 200)));
    QFont font = plot->font();
    font.setPointSize(10);
    plot->legend->setFont(font);
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
}

} // namespace ReportChartStyle
