#pragma once

#include "database/vehicletype.h"
#include "modules/vehicle/wizard/newvehiclewizardtab.h"

#include <QDate>
#include <QList>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// Step 0: vehicle type, name and date.
class CVehicleDetailsWizardTab : public CNewVehicleWizardTab
{
    Q_OBJECT

public:
    explicit CVehicleDetailsWizardTab(QWidget *parent = nullptr);

    void retranslate() override;
    // The name must not be blank.
    bool validatePage() override;

    // False when no vehicle type exists to choose from.
    bool hasVehicleType() const;
    // The chosen type (a record with the defaults when there is none).
    CVehicleType vehicleType() const;
    int vehicleTypeId() const;
    QString name() const;
    QDate date() const;

    QComboBox *vehicleTypeComboBox() const { return typeComboBox; }
    QLineEdit *nameLineEdit() const { return nameEdit; }
    QDateEdit *dateDateEdit() const { return dateEdit; }
    QLabel *nameCaptionLabel() const { return nameCaption; }

public slots:
    void slotVehicleTypeChanged(int index);

private:
    QList<CVehicleType> types;
    QLabel *typeCaption = nullptr;
    QComboBox *typeComboBox = nullptr;
    QLabel *nameCaption = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLabel *dateCaption = nullptr;
    QDateEdit *dateEdit = nullptr;
};
