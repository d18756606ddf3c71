#pragma once

class QCustomPlot;

// Looks the two report charts share.
namespace ReportChartStyle {

// A legend in the top-left corner of the axis rectangle, on a translucent
// white ground with a grey border, at 10 points; the mouse drags and zooms.
void setUpLegend(QCustomPlot *plot);

} // namespace ReportChartStyle
