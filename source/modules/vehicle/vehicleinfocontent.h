#pragma once

#include "modules/vehicle/vehiclecontent.h"

class COdometerLogTableView;
class CVehicleDetailsWidget;

// Page 0 of the vehicle page: the vehicle's details above its odometer log.
class CVehicleInfoContent : public CVehicleContent
{
    Q_OBJECT

public:
    explicit CVehicleInfoContent(QWidget *parent = nullptr);

    CVehicleDetailsWidget *detailsWidget() const { return m_details; }
    COdometerLogTableView *odometerLog() const { return m_odometerLog; }

    void retranslate() override;
    // While the page is shown, the details follow the vehicle at once and the
    // list with the page's refresh.
    void setVehicle(CVehicle *vehicle) override;
    void vehicleUpdated() override;
    // Shows the vehicle's details, then the base behaviour.
    bool enterContent() override;

protected:
    // Reloads the odometer list for the vehicle.
    void refresh() override;

private:
    void showDetails();

    CVehicleDetailsWidget *m_details = nullptr;
    COdometerLogTableView *m_odometerLog = nullptr;
};
