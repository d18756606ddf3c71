#pragma once

#include "database/vehicle.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QToolButton;

// The vehicle's particulars on the info page: type picture, dates, name,
// type, plate, registration expiry (coloured by the days left), fuel
// system, odometer and description.
class CVehicleDetailsWidget : public QWidget
{
    Q_OBJECT

public:
    // How close the registration expiry is.
    enum Expiry { Valid, Expiring, Expired };

    explicit CVehicleDetailsWidget(QWidget *parent = nullptr);

    // Copies the record and redraws.
    void setVehicle(const CVehicle &vehicle);
    const CVehicle &vehicle() const { return m_vehicle; }
    void retranslate();

    QLabel *expiryLabel() const { return m_expiryLabel; }
    QLabel *fuelSystemLabel() const { return m_fuelSystemLabel; }
    QLabel *descriptionLabel() const { return m_descriptionLabel; }

    // More than 30 days left: valid; 1 to 30: expiring; none: expired.
    static Expiry expiryOf(const QDate &expires, const QDate &today);

public slots:
    // Runs the odometer update dialog for the vehicle.
    void slotUpdateOdometer();

private:
    void showValues();
    void showExpiry();

    CVehicle m_vehicle;
    QLabel *m_imageLabel = nullptr;
    QToolButton *m_updateMileageButton = nullptr;
    QLabel *m_dateCaption = nullptr;
    QLabel *m_nameCaption = nullptr;
    QLabel *m_typeCaption = nullptr;
    QLabel *m_licensePlateCaption = nullptr;
    QLabel *m_expiryCaption = nullptr;
    QLabel *m_fuelSystemCaption = nullptr;
    QLabel *m_odometerCaption = nullptr;
    QLabel *m_descriptionCaption = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_typeLabel = nullptr;
    QLabel *m_licensePlateLabel = nullptr;
    QLabel *m_expiryLabel = nullptr;
    QLabel *m_fuelSystemLabel = nullptr;
    QLabel *m_odometerLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
};
