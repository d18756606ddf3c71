#include "modules/vehicle/vehicledetailswidget.h"

#include "database/vehicletype.h"
#include "modules/vehicle/odometerlog/updateodometerdialog.h"
#include "utility/clock.h"
#include "utility/utility.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    // User text is shown as typed, never interpreted as markup.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Utility::dateFormat()) : QString();
}

} // namespace

CVehicleDetailsWidget::CVehicleDetailsWidget(QWidget *parent)
    : QWidget(parent), m_imageLabel(new QLabel(this)), m_updateMileageButton(new QToolButton(this)),
      m_dateCaption(new QLabel(this)), m_nameCaption(new QLabel(this)), m_typeCaption(new QLabel(this)),
      m_licensePlateCaption(new QLabel(this)), m_expiryCaption(new QLabel(this)),
      m_fuelSystemCaption(new QLabel(this)), m_odometerCaption(new QLabel(this)),
      m_descriptionCaption(new QLabel(this)), m_dateLabel(valueLabel(this)), m_nameLabel(valueLabel(this)),
      m_typeLabel(valueLabel(this)), m_licensePlateLabel(valueLabel(this)), m_expiryLabel(valueLabel(this)),
      m_fuelSystemLabel(valueLabel(this)), m_odometerLabel(valueLabel(this)), m_descriptionLabel(valueLabel(this))
{
    m_imageLabel->setAlignment(Qt::AlignCenter);
    m_updateMileageButton->setAutoRaise(true);
    m_updateMileageButton->setIcon(QIcon(QStringLiteral(":/resource/icons/odometer-log-16.png")));
    m_updateMileageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_updateMileageButton, &QToolButton::clicked, this, &CVehicleDetailsWidget::slotUpdateOdometer);

    m_descriptionLabel->setWordWrap(true);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->setContentsMargins(0, 0, 0, 0);
    pictureColumn->addWidget(m_imageLabel);
    pictureColumn->addWidget(m_updateMileageButton);
    pictureColumn->addStretch();

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(m_dateCaption, m_dateLabel);
    form->addRow(m_nameCaption, m_nameLabel);
    form->addRow(m_typeCaption, m_typeLabel);
    form->addRow(m_licensePlateCaption, m_licensePlateLabel);
    form->addRow(m_expiryCaption, m_expiryLabel);
    form->addRow(m_fuelSystemCaption, m_fuelSystemLabel);
    form->addRow(m_odometerCaption, m_odometerLabel);
    form->addRow(m_descriptionCaption, m_descriptionLabel);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(pictureColumn);
    layout->addSpacing(18);
    layout->addLayout(form, 1);
    layout->addStretch();

    retranslate();
}

void CVehicleDetailsWidget::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    showValues();
}

void CVehicleDetailsWidget::retranslate()
{
    m_updateMileageButton->setText(tr("Update Mileage"));
    m_updateMileageButton->setToolTip(tr("Set the current odometer reading"));
    m_dateCaption->setText(tr("Manufacturing Date:"));
    m_nameCaption->setText(tr("Name:"));
    m_typeCaption->setText(tr("Vehicle Type:"));
    m_licensePlateCaption->setText(tr("License Plate:"));
    m_expiryCaption->setText(tr("Registration Expires:"));
    m_fuelSystemCaption->setText(tr("Fuel System:"));
    m_odometerCaption->setText(tr("Odometer:"));
    m_descriptionCaption->setText(tr("Description:"));
    showValues();
}

CVehicleDetailsWidget::Expiry CVehicleDetailsWidget::expiryOf(const QDate &expires, const QDate &today)
{
    const qint64 daysLeft = today.daysTo(expires);
    if (daysLeft > 30)
        return Valid;
    if (daysLeft > 0)
        return Expiring;
    return Expired;
}

void CVehicleDetailsWidget::slotUpdateOdometer()
{
    // A saved reading raises the vehicle's odometer; the vehicle table's
    // updated() then brings the new value here.
    CUpdateOdometerDialog::newEntry(m_vehicle);
}

void CVehicleDetailsWidget::showValues()
{
    const QPixmap picture = m_vehicle.image();
    m_imageLabel->setPixmap(picture.isNull() ? picture : picture.scaledToWidth(128, Qt::SmoothTransformation));
    m_dateLabel->setText(dateText(m_vehicle.date()));
    m_nameLabel->setText(m_vehicle.name());
    m_typeLabel->setText(CVehicleType(m_vehicle.typeId()).name());
    m_licensePlateLabel->setText(m_vehicle.licensePlate());
    showExpiry();
    const bool hasFuelSystem = m_vehicle.fuelSystemType() != 0;
    m_fuelSystemCaption->setVisible(hasFuelSystem);
    m_fuelSystemLabel->setVisible(hasFuelSystem);
    m_fuelSystemLabel->setText(m_vehicle.fuelSystemText());
    m_odometerLabel->setText(
        QStringLiteral("%1 %2").arg(QString::number(m_vehicle.odometerValue()), m_vehicle.odometerUnitText()));
    const QString description = m_vehicle.description();
    m_descriptionLabel->setText(description.isEmpty() ? tr("No additional description") : description);
}

void CVehicleDetailsWidget::showExpiry()
{
    const QDate expires = m_vehicle.registrationExpirationDate();
    QString text = dateText(expires);
    QString look = QStringLiteral("QLabel");
    if (expires.isValid()) {
        switch (expiryOf(expires, Utility::Clock::today())) {
        case Valid:
            break;
        case Expiring:
            look = QStringLiteral("darkOrangeLabel");
            text += QStringLiteral(" - ") + tr("Expiring");
            break;
        case Expired:
            look = QStringLiteral("redLabel");
            text += QStringLiteral(" - ") + tr("EXPIRED");
            break;
        }
    }
    m_expiryLabel->setText(text);
    m_expiryLabel->setObjectName(look);
    // The application style sheet's rules for the object name apply anew.
    m_expiryLabel->setStyleSheet(QString());
    m_expiryLabel->style()->unpolish(m_expiryLabel);
    m_expiryLabel->style()->polish(m_expiryLabel);
}
