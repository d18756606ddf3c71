#pragma once

#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportfooter.h"
#include "reports/reportdocument.h"

#include <QDate>
#include <QObject>
#include <QPointer>

class CPeriodFilterComboBox;
class QCustomPlot;
class QLabel;
class QVBoxLayout;

// Base of the report pages of the vehicle page: a header with the period as
// its title and the period list, the body below a separator line, the items
// the page puts into the main window's footer, and the printed form of the
// report.
//
// A page reads its report in load(); entering the page loads again only when
// the vehicle or the period differs from what was loaded (a change of the
// stored records refreshes the page through its table signals).
class CReportContent : public CVehicleContent
{
    Q_OBJECT

public:
    QDate startDate() const { return m_startDate; }
    QDate endDate() const { return m_endDate; }
    CPeriodFilterComboBox *periodFilter() const { return m_periodFilter; }
    QLabel *titleLabel() const { return m_titleLabel; }

    // The texts of the printed report: heading, summaries and table.
    ReportDocument printDocument() const;
    // The chart painted into the printed report.
    virtual QCustomPlot *printChart() const = 0;

    // The report page that is visible now; null when none is.
    static CReportContent *visiblePage();

public slots:
    void slotFilterChanged(const QDate &start, const QDate &end);
    void retranslate() override;
    bool enterContent() override;
    bool leaveContent() override;

protected:
    // The period list remembers its choice under `settingsPrefix`.
    CReportContent(const QString &settingsPrefix, bool alignToWeeks, Qt::Alignment titleAlignment,
                   QWidget *parent);
    ~CReportContent() override;

    QVBoxLayout *bodyLayout() const { return m_body; }
    CReportFooter &footerItems() { return m_footerItems; }

    // The page's own name ("Costs Report").
    virtual QString reportTitle() const = 0;
    // Reads the report of vehicle() for the period; called with a vehicle.
    virtual void load() = 0;
    // Re-sets the texts of the body and the footer items.
    virtual void retranslateReport() = 0;
    // Shows the footer items that belong to the vehicle.
    virtual void showFooterItems() = 0;
    // Adds the summaries and the table to the printed report.
    virtual void fillDocument(ReportDocument &document) const = 0;

private:
    void refresh() final;
    // The vehicle and period a page shows.
    struct Key
    {
        int vehicleId = 0;
        QDate start;
        QDate end;

        bool operator==(const Key &other) const
        {
            return vehicleId == other.vehicleId && start == other.start && end == other.end;
        }
    };
    Key currentKey() const;

    QDate m_startDate;
    QDate m_endDate;
    // What load() read last.
    Key m_shown;
    CPeriodFilterComboBox *m_periodFilter = nullptr;
    QLabel *m_titleLabel = nullptr;
    QVBoxLayout *m_body = nullptr;
    CReportFooter m_footerItems;
};

// Tells when a report page becomes visible or stops being so.
class CReportPages : public QObject
{
    Q_OBJECT

public:
    static CReportPages *instance();
    CReportContent *visiblePage() const { return m_visible; }

signals:
    void visiblePageChanged();

private:
    friend class CReportContent;
    void setVisiblePage(CReportContent *page);

    QPointer<CReportContent> m_visible;
};
