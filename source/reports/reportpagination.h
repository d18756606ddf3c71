#pragma once

#include <QVector>

// Places a printed report on pages of one height: the first page under the
// full heading, later pages under a running head, each page above its footer.
// The chart comes first, then the summary blocks, then the table's rows and
// its total row. A table that continues on a new page repeats its header row
// there, and neither a block nor a row is cut at a page edge (only a block
// taller than a whole page is, on a page of its own).
//
// All lengths are in one unit of the caller's choosing.
class CReportPagination
{
public:
    struct Metrics
    {
        double pageHeight = 0.0;
        double headingHeight = 0.0;
        double runningHeadHeight = 0.0;
        double footerHeight = 0.0;
        // Before the chart, each summary block and the table on a page.
        double spacing = 0.0;
        // 0 for a report without a chart.
        double chartHeight = 0.0;
        double headerRowHeight = 0.0;
        double rowHeight = 0.0;
    };

    enum Kind { Chart, Summary, HeaderRow, Row, TotalRow };

    // One thing to paint: its kind, its index among its kind (the row's, the
    // summary's), and its place from the page's top edge.
    struct Item
    {
        Kind kind;
        int index;
        double top;
        double height;
    };

    using Page = QVector<Item>;

    // At least one page, also for an empty report.
    static QVector<Page> paginate(const Metrics &metrics, const QVector<double> &summaryHeights, int rowCount,
                                  bool hasTotal);
};
