#pragma once

#include "application/footerinfowidget.h"
#include "application/module.h"

#include <QPointer>

class CHeaderWidget;
class CTable;
class CVehicleWidgetList;
class QToolButton;

// The garage page (module 2): the vehicle cards under a header with a
// button for a new vehicle, and a count in the main window's footer bar.
class CGarageModule : public CModule
{
    Q_OBJECT

public:
    explicit CGarageModule(QWidget *parent = nullptr);
    ~CGarageModule() override;

    // "You have <n> vehicle(s) in garage".
    static QString footerText(int vehicleCount);

    CHeaderWidget *header() const { return m_header; }
    QToolButton *addButton() const { return m_addButton; }
    CVehicleWidgetList *vehicleList() const { return m_vehicleList; }
    CFooterInfoWidget *footerInfo() const { return m_footerInfo; }

    // Re-reads the cards and shows the count in the footer band.
    void refresh();
    void retranslate() override;
    bool enterModule() override;
    bool leaveModule() override;

public slots:
    // Runs the new-vehicle wizard; a new vehicle appears in the list.
    void slotAddVehicle();

private:
    // The count in the footer, after vehicles were added or deleted
    // elsewhere; one update however many signals came in a row.
    void scheduleFooterUpdate();
    void updateFooter();
    // Follows inserts and deletes of the vehicle table, once it exists.
    void followVehicleTable();

    CHeaderWidget *m_header = nullptr;
    QToolButton *m_addButton = nullptr;
    CVehicleWidgetList *m_vehicleList = nullptr;
    // Lives in the main window's footer bar, which may go first.
    QPointer<CFooterInfoWidget> m_footerInfo;
    bool m_footerUpdatePending = false;
    QPointer<CTable> m_followedTable;
};
