#pragma once

#include <QString>
#include <QWidget>

namespace Utility {
class DeferredCall;
}

class CHeaderWidget;
class CTable;
class CVehicle;

// Page indexes of the vehicle page's content switcher, in creation order.
namespace VehicleContentId {
enum : int {
    Leave = -1, // leaving the vehicle page
    Info = 0,
    FuelLog = 1,
    NoFuelLog = 2,
    Services = 3,
    NoServices = 4,
    ServiceSchedules = 5,
    NoServiceSchedules = 6,
    Notes = 7,
    NoNotes = 8,
    FuelReport = 9,
    CostReport = 10,
    Expenses = 11,
    NoExpenses = 12,
    Count = 13,
};
}

// Base of every page of the vehicle page: the info page, the log pages with
// their empty-state pages and the report pages.
//
// A page refers to the vehicle module's one vehicle record (vehicle()) and
// writes the module header's title and subtitle when it is entered.
//
// Pages that show table data call watchTable() for each table they show and
// put their reloading into refresh(). Table signals then never reload a page
// once per signal: all signals that arrive before control returns to the
// event loop (a vehicle's cascade deleting hundreds of rows, say) end in one
// refresh(), and a page that is not the visible one refreshes only when it is
// entered next. Handing over the vehicle (setVehicle) counts as such a
// change; entering a page that is up to date runs no refresh at all, so
// enterContent() shows what refresh() loaded and does not load again.
class CVehicleContent : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleContent(QWidget *parent = nullptr);

    QString title() const { return m_title; }
    // The page's own name, shown last in the header subtitle.
    void setTitle(const QString &text);
    CHeaderWidget *header() const { return m_header; }
    void setHeader(CHeaderWidget *header);
    // The vehicle module's record; null until the module hands it over.
    CVehicle *vehicle() const { return m_vehicle; }

    // Used by the content switcher: enter() makes this the current page,
    // runs a refresh that is due, then enterContent(); leave() runs
    // leaveContent() and ends the page's turn. Pages override the virtual
    // hooks, not these.
    bool enter();
    bool leave();
    // True between enter() and leave().
    bool isCurrent() const { return m_current; }

public slots:
    // On the current page: header title the vehicle's name, subtitle
    // "Garage > name > title". Other pages leave the header alone.
    virtual void retranslate();
    // Stores the reference and asks for a refresh: at once queued on the
    // visible page, on entering for the others.
    virtual void setVehicle(CVehicle *vehicle);
    // The vehicle record changed in place, its histories did not (a saved
    // record raised its odometer, say). Pages that show the vehicle's own
    // fields show them again here; none reloads a list. The base does nothing.
    virtual void vehicleUpdated();
    // The page becomes the visible one; the base calls retranslate().
    virtual bool enterContent();
    // Called on the visible page before another one is shown.
    virtual bool leaveContent();
    virtual bool canLeaveContent();

    // Asks for one refresh() once control is back in the event loop.
    void scheduleRefresh();

signals:
    // Asks the content switcher to show the page with that id (a log page
    // turning to its empty-state page when its last record is gone, say).
    void changeContent(int id);

protected:
    // Follows the table's inserted(int), updated(int) and deleted(int)
    // through scheduleRefresh().
    void watchTable(CTable *table);
    // Reloads what the page shows. The base does nothing.
    virtual void refresh();
    // Lets the next enter() run refresh() (texts re-set while hidden, say).
    void markStale();

private:
    void runScheduledRefresh();
    void runRefresh();

    Utility::DeferredCall *m_scheduledRefresh = nullptr;

    QString m_title;
    CVehicle *m_vehicle = nullptr;
    CHeaderWidget *m_header = nullptr;
    bool m_current = false;
    bool m_stale = false;
};
