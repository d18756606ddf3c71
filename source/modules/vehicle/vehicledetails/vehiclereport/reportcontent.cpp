#include "modules/vehicle/vehicledetails/vehiclereport/reportcontent.h"

#include "application/configuration.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehicledetails/vehiclereport/periodfiltercombobox.h"
#include "utility/clock.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CReportContent::CReportContent(const QString &settingsPrefix, bool alignToWeeks, Qt::Alignment titleAlignment,
                               QWidget *parent)
    : CVehicleContent(parent)
    , m_periodFilter(new CPeriodFilterComboBox(this, settingsPrefix))
    , m_titleLabel(new QLabel(this))
    , m_body(new QVBoxLayout)
    , m_footerItems(this)
{
    m_periodFilter->setAlignToWeeks(alignToWeeks);
    m_startDate = m_periodFilter->startDate();
    m_endDate = m_periodFilter->endDate();
    connect(m_periodFilter, &CPeriodFilterComboBox::filterSelected, this, &CReportContent::slotFilterChanged);

    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    auto *header = new QHBoxLayout;
    header->setSpacing(9);
    header->setContentsMargins(20, 14, 20, 13);
    header->addWidget(m_titleLabel, 0, titleAlignment | Qt::AlignVCenter);
    header->addStretch();
    header->addWidget(m_periodFilter, 0, Qt::AlignRight | Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(new CSeparatorWidget(this));
    layout->addLayout(m_body, 1);
}

CReportContent::~CReportContent()
{
    if (visiblePage() == this)
        CReportPages::instance()->setVisiblePage(nullptr);
}

CReportContent *CReportContent::visiblePage()
{
    return CReportPages::instance()->visiblePage();
}

void CReportContent::slotFilterChanged(const QDate &start, const QDate &end)
{
    m_startDate = start;
    m_endDate = end;
    refresh();
}

void CReportContent::refresh()
{
    if (!vehicle())
        return;
    load();
    m_shown = currentKey();
    retranslate();
}

CReportContent::Key CReportContent::currentKey() const
{
    return {vehicle() ? vehicle()->id() : 0, m_startDate, m_endDate};
}

void CReportContent::retranslate()
{
    setTitle(reportTitle());
    m_periodFilter->retranslateUi();
    const QString format = Utility::dateFormat();
    m_titleLabel->setText(QStringLiteral("%1 - %2").arg(m_startDate.toString(format), m_endDate.toString(format)));
    retranslateReport();
    CVehicleContent::retranslate();
}

bool CReportContent::enterContent()
{
    showFooterItems();
    m_startDate = m_periodFilter->startDate();
    m_endDate = m_periodFilter->endDate();
    // A refresh that was due has run already when the page was entered.
    if (!(currentKey() == m_shown))
        refresh();
    CReportPages::instance()->setVisiblePage(this);
    return CVehicleContent::enterContent();
}

bool CReportContent::leaveContent()
{
    m_footerItems.hideAll();
    if (visiblePage() == this)
        CReportPages::instance()->setVisiblePage(nullptr);
    return CVehicleContent::leaveContent();
}

ReportDocument CReportContent::printDocument() const
{
    ReportDocument document;
    document.applicationName = QCoreApplication::applicationName();
    if (vehicle()) {
        document.vehicle = vehicle()->name();
        const QString plate = vehicle()->licensePlate().trimmed();
        if (!plate.isEmpty())
            document.vehicle += QStringLiteral(" (%1)").arg(plate);
    }
    document.title = reportTitle();
    document.period = m_titleLabel->text();
    document.printedOn = tr("Printed on %1").arg(Utility::Clock::today().toString(Utility::dateFormat()));
    fillDocument(document);
    return document;
}

CReportPages *CReportPages::instance()
{
    static CReportPages pages;
    return &pages;
}

void CReportPages::setVisiblePage(CReportContent *page)
{
    if (m_visible == page)
        return;
    m_visible = page;
    emit visiblePageChanged();
}
