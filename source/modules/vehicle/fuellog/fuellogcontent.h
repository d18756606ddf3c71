#pragma once

#include "application/footerinfowidget.h"
#include "modules/vehicle/records/recordcontent.h"
#include "widgets/separatorwidget.h"

#include <QPointer>

class CFuelLogTableView;

// The fuel log page of a vehicle that has fuel entries: the list and, in the
// main window's footer bar, one summary per fuel.
//
// Changes of the fuel table reach the page through watchTable(): all signals
// of one burst (a vehicle's cascade, say) end in one refresh; the footers
// come from one aggregate query. When the last entry is gone the page turns to the empty-state
// page.
class CFuelLogContent : public CRecordListContent
{
    Q_OBJECT

public:
    explicit CFuelLogContent(QWidget *parent = nullptr);
    ~CFuelLogContent() override;

    CFuelLogTableView *fuelTableView() const { return m_tableView; }
    CFooterInfoWidget *firstFooter() const { return m_firstFooter; }
    CFooterInfoWidget *secondFooter() const { return m_secondFooter; }

public slots:
    void retranslate() override;
    bool enterContent() override;
    bool leaveContent() override;
    // Rebuilds the footers from the vehicle's entries.
    void slotUpdateSummary();
    // Rebuilds the footers; with no entry left, shows the empty-state page.
    void slotFuelLogDeleted();

protected:
    void refresh() override;

private:
    void showFooters(bool visible);

    CFuelLogTableView *m_tableView = nullptr;
    QPointer<CFooterInfoWidget> m_firstFooter;
    QPointer<CSeparatorWidget> m_footerSeparator;
    QPointer<CFooterInfoWidget> m_secondFooter;
    bool m_entering = false;
};
