#pragma once

#include "modules/vehicle/wizard/newvehiclewizardtab.h"

class QLabel;
class QPlainTextEdit;

// Step 4: free description of the vehicle.
class CDescriptionWizardTab : public CNewVehicleWizardTab
{
    Q_OBJECT

public:
    explicit CDescriptionWizardTab(QWidget *parent = nullptr);

    void retranslate() override;

    QString description() const;

    QPlainTextEdit *descriptionTextEdit() const { return descriptionEdit; }

private:
    QLabel *descriptionCaption = nullptr;
    QPlainTextEdit *descriptionEdit = nullptr;
};
