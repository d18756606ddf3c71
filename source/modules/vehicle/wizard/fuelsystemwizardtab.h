#pragma once

#include "modules/vehicle/wizard/fuelsystem.h"
#include "modules/vehicle/wizard/newvehiclewizardtab.h"

class QComboBox;
class QLabel;

// Step 3: fuel system and the names of its fuels.
class CFuelSystemWizardTab : public CNewVehicleWizardTab
{
    Q_OBJECT

public:
    explicit CFuelSystemWizardTab(QWidget *parent = nullptr);

    void retranslate() override;

    // Selects the fuel system `code` unless the user chose one by hand; a
    // code that is not offered changes nothing.
    void applySuggestion(int code);
    bool isUserChanged() const { return userChanged; }

    // The chosen type with the two names as shown, enabled or not.
    CFuelSystem fuelSystem() const;

    QComboBox *fuelSystemComboBox() const { return typeComboBox; }
    QComboBox *firstFuelComboBox() const { return firstComboBox; }
    QComboBox *secondFuelComboBox() const { return secondComboBox; }
    QLabel *firstFuelCaptionLabel() const { return firstCaption; }
    QLabel *secondFuelCaptionLabel() const { return secondCaption; }

public slots:
    void slotFuelSystemTypeChanged(int index);

private:
    QComboBox *fuelNameComboBox(int startIndex);

    bool userChanged = false;
    QLabel *typeCaption = nullptr;
    QComboBox *typeComboBox = nullptr;
    QLabel *firstCaption = nullptr;
    QComboBox *firstComboBox = nullptr;
    QLabel *secondCaption = nullptr;
    QComboBox *secondComboBox = nullptr;
};
