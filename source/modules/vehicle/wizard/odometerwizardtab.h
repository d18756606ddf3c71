#pragma once

#include "modules/vehicle/wizard/newvehiclewizardtab.h"

class QComboBox;
class QLabel;
class QLineEdit;

// Step 2: odometer unit and starting reading.
class COdometerWizardTab : public CNewVehicleWizardTab
{
    Q_OBJECT

public:
    explicit COdometerWizardTab(QWidget *parent = nullptr);

    void retranslate() override;
    // The reading must be a whole number from 0 up.
    bool validatePage() override;

    // Selects the unit `code` unless the user chose one by hand; a code that
    // is not offered changes nothing.
    void applySuggestion(int code);
    bool isUserChanged() const { return userChanged; }

    int odometerType() const;
    // The reading typed; 0 while it is not a valid number.
    int odometerValue() const;

    QComboBox *odometerTypeComboBox() const { return typeComboBox; }
    QLineEdit *odometerValueLineEdit() const { return valueEdit; }
    QLabel *odometerValueCaptionLabel() const { return valueCaption; }

public slots:
    void slotOdometerTypeChanged(int index);

private:
    bool userChanged = false;
    QLabel *typeCaption = nullptr;
    QComboBox *typeComboBox = nullptr;
    QLabel *valueCaption = nullptr;
    QLineEdit *valueEdit = nullptr;
};
