#include "modules/vehicle/vehicleinfowidget.h"

#include "database/vehicle.h"
#include "database/vehicletype.h"

#include <QFormLayout>
#include <QLabel>

namespace {

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

CVehicleInfoWidget::CVehicleInfoWidget(QWidget *parent)
    : QGroupBox(parent), m_typeCaption(new QLabel(this)), m_nameCaption(new QLabel(this)),
      m_licensePlateCaption(new QLabel(this)), m_fuelSystemCaption(new QLabel(this)),
      m_odometerCaption(new QLabel(this)), m_typeLabel(valueLabel(this)), m_nameLabel(valueLabel(this)),
      m_licensePlateLabel(valueLabel(this)), m_fuelSystemLabel(valueLabel(this)), m_odometerLabel(valueLabel(this))
{
    auto *form = new QFormLayout(this);
    form->addRow(m_typeCaption, m_typeLabel);
    form->addRow(m_nameCaption, m_nameLabel);
    form->addRow(m_licensePlateCaption, m_licensePlateLabel);
    form->addRow(m_fuelSystemCaption, m_fuelSystemLabel);
    form->addRow(m_odometerCaption, m_odometerLabel);
    retranslate();
}

void CVehicleInfoWidget::setVehicle(const CVehicle &vehicle)
{
    m_typeLabel->setText(CVehicleType(vehicle.typeId()).name());
    m_nameLabel->setText(vehicle.name());
    m_licensePlateLabel->setText(vehicle.licensePlate());
    const bool hasFuelSystem = vehicle.fuelSystemType() != 0;
    m_fuelSystemCaption->setVisible(hasFuelSystem);
    m_fuelSystemLabel->setVisible(hasFuelSystem);
    m_fuelSystemLabel->setText(vehicle.fuelSystemText());
    m_odometerLabel->setText(
        QStringLiteral("%1 %2").arg(QString::number(vehicle.odometerValue()), vehicle.odometerUnitText()));
}

void CVehicleInfoWidget::retranslate()
{
    setTitle(tr("Vehicle Info"));
    m_typeCaption->setText(tr("Type"));
    m_nameCaption->setText(tr("Name"));
    m_licensePlateCaption->setText(tr("License Plate"));
    m_fuelSystemCaption->setText(tr("Fuel System"));
    m_odometerCaption->setText(tr("Odometer"));
}
