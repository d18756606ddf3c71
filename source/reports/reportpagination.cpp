#include "reports/reportpagination.h"

namespace {

class Paginator
{
public:
    explicit Paginator(const CReportPagination::Metrics &metrics) : m(metrics), y(metrics.headingHeight)
    {
        pages.append(CReportPagination::Page());
    }

    void addBlock(CReportPagination::Kind kind, int index, double height)
    {
        if (!fits(m.spacing + height) && !pageIsEmpty())
            newPage();
        y += m.spacing;
        add(kind, index, height);
    }

    void addRow(CReportPagination::Kind kind, int index)
    {
        const double head = m.spacing + m.headerRowHeight;
        if (!fits((tableOnPage ? 0.0 : head) + m.rowHeight) && !pageIsEmpty())
            newPage();
        if (!tableOnPage) {
            y += m.spacing;
            add(CReportPagination::HeaderRow, 0, m.headerRowHeight);
            tableOnPage = true;
        }
        add(kind, index, m.rowHeight);
    }

    QVector<CReportPagination::Page> pages;

private:
    bool fits(double height) const { return y + height <= m.pageHeight - m.footerHeight + 1e-6; }
    bool pageIsEmpty() const { return pages.last().isEmpty(); }

    void newPage()
    {
        pages.append(CReportPagination::Page());
        y = m.runningHeadHeight;
        tableOnPage = false;
    }

    void add(CReportPagination::Kind kind, int index, double height)
    {
        pages.last().append({kind, index, y, height});
        y += height;
    }

    const CReportPagination::Metrics &m;
    double y = 0.0;
    bool tableOnPage = false;
};

} // namespace

QVector<CReportPagination::Page> CReportPagination::paginate(const Metrics &metrics,
                                                             const QVector<double> &summaryHeights, int rowCount,
                                                             bool hasTotal)
{
    Paginator paginator(metrics);
    if (metrics.chartHeight > 0.0)
        paginator.addBlock(Chart, 0, metrics.chartHeight);
    for (int i = 0; i < summaryHeights.size(); ++i)
        paginator.addBlock(Summary, i, summaryHeights.at(i));
    for (int row = 0; row < rowCount; ++row)
        paginator.addRow(Row, row);
    if (hasTotal)
        paginator.addRow(TotalRow, 0);
    return paginator.pages;
}
