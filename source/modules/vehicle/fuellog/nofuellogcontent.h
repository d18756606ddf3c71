#pragma once

#include "modules/vehicle/vehiclecontent.h"

class CDescriptionBoxItemWidget;
class CDescriptionBoxWidget;
class QToolButton;

// The fuel log page of a vehicle without fuel entries: what the log is for
// and a button per fuel that starts the first entry.
class CNoFuelLogContent : public CVehicleContent
{
    Q_OBJECT

public:
    explicit CNoFuelLogContent(QWidget *parent = nullptr);

    QToolButton *firstFuelButton() const { return m_firstButton; }
    QToolButton *secondFuelButton() const { return m_secondButton; }

public slots:
    void retranslate() override;
    void setVehicle(CVehicle *vehicle) override;
    void slotNewFirstFuelLog();
    void slotNewSecondFuelLog();

private:
    void newEntry(int fuelType);

    QToolButton *m_firstButton = nullptr;
    QToolButton *m_secondButton = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
    CDescriptionBoxItemWidget *m_descriptionItem = nullptr;
};

namespace FuelLogPages {
// Shows content page `id` of the vehicle page holding `page`; nothing when
// the page is not on a vehicle page.
void changeContent(QWidget *page, int id);
// `text` with its "%1" replaced by a fuel name the user typed, for a button:
// an "&" in the name is shown, never read as a mnemonic.
QString buttonText(const QString &text, const QString &fuelName);
} // namespace FuelLogPages
