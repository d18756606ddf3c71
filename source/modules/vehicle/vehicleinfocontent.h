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
    // While the page is shown, the details and the list follow the vehicle.
    void setVehicle(CVehicle *vehicle) override;
    // Hands the vehicle to the details and the list, then the base behaviour.
    bool enterContent() override;

private:
    void showVehicle();

    CVehicleDetailsWidget *m_details = nullptr;
    COdometerLogTableView *m_odometerLog = nullptr;
};
