#pragma once

#include <QGroupBox>

class CVehicle;
class QLabel;

// The short vehicle summary at the foot of the vehicle page's sidebar.
class CVehicleInfoWidget : public QGroupBox
{
    Q_OBJECT

public:
    explicit CVehicleInfoWidget(QWidget *parent = nullptr);

    void setVehicle(const CVehicle &vehicle);
    void retranslate();

    QLabel *fuelSystemLabel() const { return m_fuelSystemLabel; }
    QLabel *odometerLabel() const { return m_odometerLabel; }

private:
    QLabel *m_typeCaption = nullptr;
    QLabel *m_nameCaption = nullptr;
    QLabel *m_licensePlateCaption = nullptr;
    QLabel *m_fuelSystemCaption = nullptr;
    QLabel *m_odometerCaption = nullptr;
    QLabel *m_typeLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_licensePlateLabel = nullptr;
    QLabel *m_fuelSystemLabel = nullptr;
    QLabel *m_odometerLabel = nullptr;
};
