#pragma once

#include "application/module.h"
#include "database/vehicle.h"

class CHeaderWidget;
class CSeparatorWidget;
class CVehicleContentWidget;
class CVehicleSidebarWidget;
class QSplitter;
class QToolButton;
struct RecordKind;

// The vehicle page (module 100): a header with buttons for new records, the
// navigation sidebar and the content pages of one vehicle.
class CVehicleModule : public CModule
{
    Q_OBJECT

public:
    explicit CVehicleModule(QWidget *parent = nullptr);
    ~CVehicleModule() override;

    // Copies the record and shows it on every part of the page.
    void setVehicle(const CVehicle &vehicle);
    const CVehicle &vehicle() const { return m_vehicle; }

    CHeaderWidget *header() const { return m_header; }
    CVehicleSidebarWidget *sidebar() const { return m_sidebar; }
    CVehicleContentWidget *contentWidget() const { return m_contentWidget; }
    QToolButton *newServiceButton() const { return m_newServiceButton; }
    QToolButton *newScheduleButton() const { return m_newScheduleButton; }
    QToolButton *newExpenseButton() const { return m_newExpenseButton; }
    QToolButton *newNoteButton() const { return m_newNoteButton; }
    CSeparatorWidget *fuelSeparator() const { return m_fuelSeparator; }
    QToolButton *newFuelOneButton() const { return m_newFuelOneButton; }
    QToolButton *newFuelTwoButton() const { return m_newFuelTwoButton; }
    QToolButton *editButton() const { return m_editButton; }

    void retranslate() override;
    // Hides the main window's left sidebar and starts on the info page.
    bool enterModule() override;
    bool leaveModule() override;

public slots:
    // Reloads the shown vehicle when it is the one updated. A raised
    // odometer is only shown again; any other change goes to every page as
    // setVehicle() does. The module is not entered again.
    void slotVehicleUpdated(int id);
    void slotAddService();
    void slotAddServiceSchedule();
    void slotAddExpense();
    void slotAddNote();
    void slotAddFuelOneEntry();
    void slotAddFuelTwoEntry();
    void slotEditVehicleData();

private:
    QToolButton *addButton(const QString &iconPath, void (CVehicleModule::*slot)());
    // Runs the kind's dialog for a new record; a saved one shows its list.
    void addRecord(const RecordKind &kind);
    void showFuelButtons();
    static bool onlyOdometerDiffers(const CVehicle &a, const CVehicle &b);

    CVehicle m_vehicle;
    CHeaderWidget *m_header = nullptr;
    QSplitter *m_splitter = nullptr;
    CVehicleSidebarWidget *m_sidebar = nullptr;
    CVehicleContentWidget *m_contentWidget = nullptr;
    QToolButton *m_newServiceButton = nullptr;
    QToolButton *m_newScheduleButton = nullptr;
    QToolButton *m_newExpenseButton = nullptr;
    QToolButton *m_newNoteButton = nullptr;
    CSeparatorWidget *m_fuelSeparator = nullptr;
    QToolButton *m_newFuelOneButton = nullptr;
    QToolButton *m_newFuelTwoButton = nullptr;
    QToolButton *m_editButton = nullptr;
};

// Loads the vehicle, hands it to the vehicle module and shows that module.
// False when no vehicle has that id or there is no vehicle module.
bool openVehicle(int vehicleId);
// openVehicle(), then its service schedules page.
bool openVehicleSchedules(int vehicleId);
