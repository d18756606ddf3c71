#include "modules/vehicle/fuellog/fuellogcontent.h"

#include "application/footerinfowidget.h"
#include "application/mainwindow.h"
#include "application/toolbarwidget.h"
#include "database/fuellog.h"
#include "database/vehicle.h"
#include "modules/vehicle/fuellog/fuellogtableview.h"
#include "modules/vehicle/records/recordkind.h"
#include "widgets/separatorwidget.h"

#include <QScopedValueRollback>
#include <QVBoxLayout>

CFuelLogContent::CFuelLogContent(QWidget *parent)
    : CRecordListContent(RecordKinds::of(CVehicleRecords::FuelEntries), parent),
      m_tableView(new CFuelLogTableView(this))
{
    setList(m_tableView);

    CMainWindow *window = CMainWindow::instance();
    CToolbarWidget *footerBar = window ? window->footerBar() : nullptr;
    QWidget *footerParent = footerBar ? static_cast<QWidget *>(footerBar) : this;
    m_firstFooter = new CFooterInfoWidget(footerParent);
    m_firstFooter->setIcon(QStringLiteral(":resource/icons/fuel-log-32.png"));
    m_footerSeparator = new CSeparatorWidget(CSeparatorWidget::Vertical, footerParent);
    m_secondFooter = new CFooterInfoWidget(footerParent);
    showFooters(false);
    if (footerBar) {
        footerBar->addWidget(m_firstFooter);
        footerBar->addWidget(m_footerSeparator);
        footerBar->addWidget(m_secondFooter);
    }

    retranslate();
}

CFuelLogContent::~CFuelLogContent()
{
    // The footer items live in the main window's footer bar.
    delete m_firstFooter;
    delete m_footerSeparator;
    delete m_secondFooter;
}

void CFuelLogContent::showFooters(bool visible)
{
    const bool dual = vehicle() && vehicle()->fuelSystemType() == 2;
    m_firstFooter->setVisible(visible);
    m_footerSeparator->setVisible(visible && dual);
    m_secondFooter->setVisible(visible && dual);
}

void CFuelLogContent::retranslate()
{
    setTitle(tr("Fuel Entries"));
    // Hidden footers are re-texted when the page is entered next; entering
    // finds them current (a due refresh has just run).
    if (!isCurrent())
        markStale();
    else if (!m_entering)
        slotUpdateSummary();
    CRecordListContent::retranslate();
}

bool CFuelLogContent::enterContent()
{
    showFooters(true);
    const QScopedValueRollback<bool> entering(m_entering, true);
    return CRecordListContent::enterContent();
}

bool CFuelLogContent::leaveContent()
{
    showFooters(false);
    return CRecordListContent::leaveContent();
}

void CFuelLogContent::refresh()
{
    slotUpdateSummary();
    CRecordListContent::refresh();
}

void CFuelLogContent::slotUpdateSummary()
{
    if (!vehicle())
        return;
    const int fuelSystem = vehicle()->fuelSystemType();
    if (fuelSystem != 1 && fuelSystem != 2)
        return;
    const QList<FuelLogSummary> summaries = CFuelLog::summarizeVehicle(*vehicle());
    m_firstFooter->setTitle(summaries.at(0).titleText);
    m_firstFooter->setSubtitle(summaries.at(0).summaryText);
    if (fuelSystem == 2) {
        m_secondFooter->setTitle(summaries.at(1).titleText);
        m_secondFooter->setSubtitle(summaries.at(1).summaryText);
    }
}

void CFuelLogContent::slotFuelLogDeleted()
{
    refresh();
}
