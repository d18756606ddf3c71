#pragma once

#include "modules/vehicle/records/recordcontent.h"

// The fuel log page of a vehicle without fuel entries: what the log is for
// and a button per fuel that starts the first entry.
class CNoFuelLogContent : public CNoRecordContent
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
};

namespace FuelLogPages {
// `text` with its "%1" replaced by a fuel name the user typed, for a button:
// an "&" in the name is shown, never read as a mnemonic.
QString buttonText(const QString &text, const QString &fuelName);
} // namespace FuelLogPages
