#include "modules/vehicle/vehicledetails/vehiclereport/reportfooter.h"

#include "application/footerinfowidget.h"
#include "application/mainwindow.h"
#include "application/toolbarwidget.h"
#include "widgets/separatorwidget.h"

CReportFooter::CReportFooter(QWidget *page)
{
    CMainWindow *window = CMainWindow::instance();
    CToolbarWidget *footerBar = window ? window->footerBar() : nullptr;
    m_inFooterBar = footerBar != nullptr;
    m_parent = footerBar ? static_cast<QWidget *>(footerBar) : page;
}

CReportFooter::~CReportFooter()
{
    for (const QPointer<QWidget> &item : qAsConst(m_items))
        delete item.data();
}

CFooterInfoWidget *CReportFooter::addInfo(const QString &iconPath)
{
    auto *item = new CFooterInfoWidget(m_parent);
    if (!iconPath.isEmpty())
        item->setIcon(iconPath);
    add(item);
    return item;
}

CSeparatorWidget *CReportFooter::addSeparator()
{
    auto *item = new CSeparatorWidget(CSeparatorWidget::Vertical, m_parent);
    add(item);
    return item;
}

void CReportFooter::hideAll()
{
    for (const QPointer<QWidget> &item : qAsConst(m_items)) {
        if (item)
            item->hide();
    }
}

void CReportFooter::add(QWidget *item)
{
    item->hide();
    m_items.append(item);
    if (m_inFooterBar)
        static_cast<CToolbarWidget *>(m_parent)->addWidget(item);
}
