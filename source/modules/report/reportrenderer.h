#pragma once

#include "reports/reportdocument.h"
#include "reports/reportpagination.h"

#include <QCoreApplication>
#include <QFont>

class QCPPainter;
class QCustomPlot;
class QPrinter;
class QRectF;

// Paints a report into a printer, the same for printing, the print preview
// and PDF files: on each page of the printer's size the heading (in full on
// the first page, as one line on later ones), then the chart at the page's
// printable width as vectors, the summaries and the table, which continues
// over as many pages as it needs, and at the bottom the printing date and
// "Page N of M".
//
// Lengths are laid out in units of 1/96 inch and scaled to the printer's
// resolution; fonts are sized in those units too, so a printer of any
// resolution gives the same page.
class CReportRenderer
{
    Q_DECLARE_TR_FUNCTIONS(CReportRenderer)

public:
    // `chart` may be null: the report is printed without one.
    CReportRenderer(const ReportDocument &document, QCustomPlot *chart);

    // Paints every page. False when the printer cannot be painted on, or
    // reports an error (a PDF file that cannot be written, say).
    bool print(QPrinter *printer);

    // The pages of the last print.
    int pageCount() const { return m_pages.size(); }
    const QVector<CReportPagination::Page> &pages() const { return m_pages; }

private:
    void layOut(double width, double height);
    void paintPage(QCPPainter &painter, int pageIndex);
    void paintHeading(QCPPainter &painter, bool firstPage);
    void paintFooter(QCPPainter &painter, int pageIndex);
    void paintItem(QCPPainter &painter, const CReportPagination::Item &item);
    void paintChart(QCPPainter &painter, const QRectF &rect);
    void paintSummary(QCPPainter &painter, const ReportDocument::Summary &summary, double top);
    void paintRow(QCPPainter &painter, const QStringList &cells, const QRectF &rect, bool bold, bool shaded);
    double lineHeight(const QFont &font) const;

    ReportDocument m_document;
    QCustomPlot *m_chart = nullptr;
    QFont m_smallFont;
    QFont m_bodyFont;
    QFont m_boldFont;
    QFont m_titleFont;
    QFont m_subtitleFont;
    double m_width = 0.0;
    double m_height = 0.0;
    QVector<double> m_columnWidths;
    CReportPagination::Metrics m_metrics;
    QVector<CReportPagination::Page> m_pages;
};
