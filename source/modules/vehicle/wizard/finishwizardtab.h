#pragma once

#include "modules/vehicle/wizard/newvehiclewizardtab.h"

#include <array>

class QLabel;

// Step 5: the summary of what Finish will store.
class CFinishWizardTab : public CNewVehicleWizardTab
{
    Q_OBJECT

public:
    enum Row { VehicleTypeRow, VehicleNameRow, LicensePlateRow, OdometerRow, FuelSystemRow, RowCount };

    explicit CFinishWizardTab(QWidget *parent = nullptr);

    void retranslate() override;

    // Shows `text` (plain, as the user typed it) in the row.
    void setSummaryText(Row row, const QString &text);
    QString summaryText(Row row) const;
    QLabel *summaryLabel(Row row) const { return values[row]; }

private:
    std::array<QLabel *, RowCount> captions {};
    std::array<QLabel *, RowCount> values {};
    std::array<QString, RowCount> texts;
};
