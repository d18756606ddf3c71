#include "modules/report/reportrenderer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Units of the page layout per inch.
constexpr double LayoutDpi = 96.0;
constexpr double CellPadding = 6.0;
const QColor TextColor(30, 30, 30);
const QColor MutedColor(110, 110, 110);
const QColor RuleColor(160, 160, 160);
const QColor HeaderRowColor(228, 232, 238);
const QColor ShadedRowColor(245, 246, 248);

QFont fontOfSize(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// While alive, the chart's fonts are sized in pixels rather than points, so
// that they keep their size relative to the chart when it is painted at the
// layout's resolution. Its own fonts come back afterwards.
class ChartFontsInPixels
{
public:
    explicit ChartFontsInPixels(QCustomPlot *chart) : m_chart(chart)
    {
        for (QCPAxisRect *rect : chart->axisRects()) {
            for (QCPAxis *axis : rect->axes()) {
                keep(axis->tickLabelFont(), [axis](const QFont &font) { axis->setTickLabelFont(font); });
                keep(axis->labelFont(), [axis](const QFont &font) { axis->setLabelFont(font); });
            }
        }
        QCPLegend *legend = chart->legend;
        keep(legend->font(), [legend](const QFont &font) { legend->setFont(font); });
        for (int i = 0; i < legend->itemCount(); ++i) {
            QCPAbstractLegendItem *item = legend->item(i);
            keep(item->font(), [item](const QFont &font) { item->setFont(font); });
        }
    }

    ~ChartFontsInPixels()
    {
        for (const Restore &restore : qAsConst(m_restores))
            restore.set(restore.font);
        // The chart lays itself out for the screen again.
        m_chart->replot();
    }

    ChartFontsInPixels(const ChartFontsInPixels &) = delete;
    ChartFontsInPixels &operator=(const ChartFontsInPixels &) = delete;

private:
    struct Restore
    {
        QFont font;
        std::function<void(const QFont &)> set;
    };

    void keep(const QFont &font, const std::function<void(const QFont &)> &set)
    {
        m_restores.append({font, set});
        QFont pixelFont = font;
        pixelFont.setPixelSize(QFontInfo(font).pixelSize());
        set(pixelFont);
    }

    QCustomPlot *m_chart;
    QVector<Restore> m_restores;
};

} // namespace

CReportRenderer::CReportRenderer(const ReportDocument &document, QCustomPlot *chart)
    : m_document(document)
    , m_chart(chart)
    , m_smallFont(fontOfSize(10))
    , m_bodyFont(fontOfSize(12))
    , m_boldFont(fontOfSize(12, true))
    , m_titleFont(fontOfSize(21, true))
    , m_subtitleFont(fontOfSize(14))
{
}

double CReportRenderer::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font).height();
}

void CReportRenderer::layOut(double width, double height)
{
    m_width = width;
    m_height = height;

    // The heading: application, title, vehicle, period, then a rule.
    m_metrics.pageHeight = height;
    m_metrics.headingHeight = lineHeight(m_smallFont) + lineHeight(m_titleFont) + 2.0 * lineHeight(m_subtitleFont) + 12.0;
    m_metrics.runningHeadHeight = lineHeight(m_smallFont) + 8.0;
    m_metrics.footerHeight = lineHeight(m_smallFont) + 8.0;
    m_metrics.spacing = 14.0;
    m_metrics.chartHeight = m_chart ? std::round(width * 0.5) : 0.0;
    m_metrics.headerRowHeight = std::round(lineHeight(m_boldFont) * 1.6);
    m_metrics.rowHeight = std::round(lineHeight(m_bodyFont) * 1.4);

    QVector<double> summaryHeights;
    for (const ReportDocument::Summary &summary : qAsConst(m_document.summaries))
        summaryHeights << lineHeight(m_boldFont) + summary.lines.size() * lineHeight(m_bodyFont) + 4.0;

    // Each column as wide as its widest text, widened to the page's width;
    // all shrink alike when the page is too narrow.
    m_columnWidths.fill(0.0, m_document.columns.size());
    const QFontMetricsF body(m_bodyFont);
    const QFontMetricsF bold(m_boldFont);
    auto widen = [this](const QStringList &cells, const QFontMetricsF &metrics) {
        for (int column = 0; column < std::min(cells.size(), m_columnWidths.size()); ++column)
            m_columnWidths[column] = std::max(m_columnWidths.at(column),
                                              metrics.horizontalAdvance(cells.at(column)) + 2.0 * CellPadding);
    };
    widen(m_document.columns, bold);
    widen(m_document.totalRow, bold);
    for (const QStringList &row : qAsConst(m_document.rows))
        widen(row, body);
    double total = 0.0;
    for (double columnWidth : qAsConst(m_columnWidths))
        total += columnWidth;
    if (total > width) {
        for (double &columnWidth : m_columnWidths)
            columnWidth *= width / total;
    } else if (m_columnWidths.size() == 1) {
        m_columnWidths[0] = width;
    } else if (!m_columnWidths.isEmpty()) {
        // Half of the room left to the first column, the rest shared.
        const double extra = width - total;
        m_columnWidths[0] += extra / 2.0;
        for (int column = 1; column < m_columnWidths.size(); ++column)
            m_columnWidths[column] += extra / 2.0 / (m_columnWidths.size() - 1);
    }

    m_pages = CReportPagination::paginate(m_metrics, summaryHeights,
                                          m_document.columns.isEmpty() ? 0 : m_document.rows.size(),
                                          !m_document.columns.isEmpty() && !m_document.totalRow.isEmpty());
}

bool CReportRenderer::print(QPrinter *printer)
{
    const double scale = printer->resolution() / LayoutDpi;
    const QRectF paper = printer->pageLayout().paintRectPixels(printer->resolution());
    layOut(paper.width() / scale, paper.height() / scale);

    QCPPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int page = 0; page < m_pages.size(); ++page) {
        if (page > 0 && !printer->newPage()) {
            painter.end();
            return false;
        }
        painter.resetTransform();
        painter.scale(scale, scale);
        paintPage(painter, page);
    }
    return painter.end() && printer->printerState() != QPrinter::Error;
}

void CReportRenderer::paintPage(QCPPainter &painter, int pageIndex)
{
    paintHeading(painter, pageIndex == 0);
    for (const CReportPagination::Item &item : m_pages.at(pageIndex))
        paintItem(painter, item);
    paintFooter(painter, pageIndex);
}

void CReportRenderer::paintHeading(QCPPainter &painter, bool firstPage)
{
    painter.setPen(MutedColor);
    painter.setFont(m_smallFont);
    double y = 0.0;
    if (firstPage) {
        auto line = [&](const QFont &font, const QColor &color, const QString &text) {
            painter.setFont(font);
            painter.setPen(color);
            const double height = lineHeight(font);
            painter.drawText(QRectF(0.0, y, m_width, height), Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(font).elidedText(text, Qt::ElideRight, m_width));
            y += height;
        };
        line(m_smallFont, MutedColor, m_document.applicationName);
        line(m_titleFont, TextColor, m_document.title);
        line(m_subtitleFont, TextColor, m_document.vehicle);
        line(m_subtitleFont, MutedColor, m_document.period);
        y += 6.0;
    } else {
        const QString separator = QStringLiteral("  \u00b7  ");
        const QString text = m_document.applicationName + separator + m_document.vehicle + separator +
                             m_document.title + separator + m_document.period;
        const double height = lineHeight(m_smallFont);
        painter.drawText(QRectF(0.0, 0.0, m_width, height), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(m_smallFont).elidedText(text, Qt::ElideRight, m_width));
        y = height + 2.0;
    }
    painter.setPen(QPen(RuleColor, 0.75));
    painter.drawLine(QPointF(0.0, y), QPointF(m_width, y));
}

void CReportRenderer::paintFooter(QCPPainter &painter, int pageIndex)
{
    const double top = m_height - m_metrics.footerHeight + 4.0;
    painter.setPen(QPen(RuleColor, 0.75));
    painter.drawLine(QPointF(0.0, top), QPointF(m_width, top));
    painter.setFont(m_smallFont);
    painter.setPen(MutedColor);
    const QRectF line(0.0, top + 2.0, m_width, lineHeight(m_smallFont));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_document.printedOn);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     tr("Page %1 of %2").arg(pageIndex + 1).arg(m_pages.size()));
}

void CReportRenderer::paintItem(QCPPainter &painter, const CReportPagination::Item &item)
{
    const QRectF rect(0.0, item.top, m_width, item.height);
    switch (item.kind) {
    case CReportPagination::Chart:
        paintChart(painter, rect);
        break;
    case CReportPagination::Summary:
        paintSummary(painter, m_document.summaries.at(item.index), item.top);
        break;
    case CReportPagination::HeaderRow:
        painter.fillRect(rect, HeaderRowColor);
        paintRow(painter, m_document.columns, rect, true, false);
        break;
    case CReportPagination::Row:
        paintRow(painter, m_document.rows.at(item.index), rect, false, item.index % 2 == 1);
        break;
    case CReportPagination::TotalRow:
        painter.setPen(QPen(TextColor, 1.0));
        painter.drawLine(rect.topLeft(), rect.topRight());
        paintRow(painter, m_document.totalRow, rect, true, false);
        break;
    }
}

void CReportRenderer::paintChart(QCPPainter &painter, const QRectF &rect)
{
    ChartFontsInPixels fonts(m_chart);
    painter.save();
    painter.translate(rect.topLeft());
    m_chart->toPainter(&painter, int(rect.width()), int(rect.height()));
    painter.restore();
}

void CReportRenderer::paintSummary(QCPPainter &painter, const ReportDocument::Summary &summary, double top)
{
    painter.setPen(TextColor);
    painter.setFont(m_boldFont);
    double y = top;
    painter.drawText(QRectF(0.0, y, m_width, lineHeight(m_boldFont)), Qt::AlignLeft | Qt::AlignVCenter,
                     summary.heading);
    y += lineHeight(m_boldFont) + 2.0;
    painter.setFont(m_bodyFont);
    for (const QString &text : summary.lines) {
        painter.drawText(QRectF(12.0, y, m_width - 12.0, lineHeight(m_bodyFont)), Qt::AlignLeft | Qt::AlignVCenter,
                         text.trimmed());
        y += lineHeight(m_bodyFont);
    }
}

void CReportRenderer::paintRow(QCPPainter &painter, const QStringList &cells, const QRectF &rect, bool bold,
                               bool shaded)
{
    if (shaded)
        painter.fillRect(rect, ShadedRowColor);
    const QFont &font = bold ? m_boldFont : m_bodyFont;
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(TextColor);
    double x = 0.0;
    for (int column = 0; column < m_columnWidths.size(); ++column) {
        const double width = m_columnWidths.at(column);
        const QRectF cell(x + CellPadding, rect.top(), width - 2.0 * CellPadding, rect.height());
        // The period names read from the left, the amounts line up on the right.
        const Qt::Alignment alignment = (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        painter.drawText(cell, alignment, metrics.elidedText(cells.value(column), Qt::ElideRight, cell.width()));
        x += width;
    }
}
