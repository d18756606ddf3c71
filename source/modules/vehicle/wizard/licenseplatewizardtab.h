#pragma once

#include "modules/vehicle/wizard/newvehiclewizardtab.h"

#include <QDate>

class QDateEdit;
class QLabel;
class QLineEdit;

// Step 1: licence plate and registration expiry.
class CLicensePlateWizardTab : public CNewVehicleWizardTab
{
    Q_OBJECT

public:
    explicit CLicensePlateWizardTab(QWidget *parent = nullptr);

    void retranslate() override;
    // The plate must not be blank.
    bool validatePage() override;

    QString licensePlate() const;
    QDate registrationExpirationDate() const;

    QLineEdit *licensePlateLineEdit() const { return plateEdit; }
    QDateEdit *registrationDateEdit() const { return expiryEdit; }
    QLabel *licensePlateCaptionLabel() const { return plateCaption; }

private:
    QLabel *plateCaption = nullptr;
    QLineEdit *plateEdit = nullptr;
    QLabel *expiryCaption = nullptr;
    QDateEdit *expiryEdit = nullptr;
};
