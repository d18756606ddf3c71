#include "modules/vehicle/wizard/vehicledetailswizardtab.h"

#include "utility/clock.h"
#include "utility/utility.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int ImageWidth = 64;
}

CVehicleDetailsWizardTab::CVehicleDetailsWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
    , types(CVehicleType::list())
    , typeCaption(new QLabel(this))
    , typeComboBox(new QComboBox(this))
    , nameCaption(new QLabel(this))
    , nameEdit(new QLineEdit(this))
    , dateCaption(new QLabel(this))
    , dateEdit(new QDateEdit(this))
{
    typeComboBox->setIconSize(QSize(16, 16));
    letNarrow(typeComboBox);
    for (const CVehicleType &type : qAsConst(types))
        typeComboBox->addItem(QIcon(type.imagePath()), type.name(), type.id());

    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(Utility::dateFormat());
    dateEdit->setDate(Utility::Clock::today());

    addRow(typeCaption, typeComboBox);
    addRow(nameCaption, nameEdit);
    addRow(dateCaption, dateEdit);
    setFirstEditor(nameEdit);

    connect(typeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &CVehicleDetailsWizardTab::slotVehicleTypeChanged);
    slotVehicleTypeChanged(typeComboBox->currentIndex());
    retranslate();
}

void CVehicleDetailsWizardTab::retranslate()
{
    setTitle(tr("Vehicle Details"));
    setExplanation(tr("Please enter your vehicle details"));
    typeCaption->setText(tr("Vehicle Type:"));
    nameCaption->setText(tr("Name:"));
    dateCaption->setText(tr("Date:"));
}

bool CVehicleDetailsWizardTab::validatePage()
{
    return checkField(
        nameCaption, nameEdit, !nameEdit->text().trimmed().isEmpty(), tr("Please insert all requested informations"));
}

bool CVehicleDetailsWizardTab::hasVehicleType() const
{
    const int index = typeComboBox->currentIndex();
    return index >= 0 && index < types.size();
}

CVehicleType CVehicleDetailsWizardTab::vehicleType() const
{
    return hasVehicleType() ? types.at(typeComboBox->currentIndex()) : CVehicleType();
}

int CVehicleDetailsWizardTab::vehicleTypeId() const
{
    return hasVehicleType() ? types.at(typeComboBox->currentIndex()).id() : 0;
}

QString CVehicleDetailsWizardTab::name() const
{
    return nameEdit->text();
}

QDate CVehicleDetailsWizardTab::date() const
{
    return dateEdit->date();
}

void CVehicleDetailsWizardTab::slotVehicleTypeChanged(int index)
{
    QPixmap image;
    if (index >= 0 && index < types.size())
        image = QPixmap(types.at(index).imagePath());
    if (!image.isNull())
        image = image.scaledToWidth(ImageWidth, Qt::SmoothTransformation);
    setImage(image);
}
