#include "modules/vehicle/wizard/finishwizardtab.h"

#include <QLabel>

CFinishWizardTab::CFinishWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
{
    setImage(QPixmap(QStringLiteral(":resource/icons/check-64.png")));
    for (int row = 0; row < RowCount; ++row) {
        captions[row] = new QLabel(this);
        values[row] = new QLabel(this);
        values[row]->setTextFormat(Qt::RichText);
        values[row]->setWordWrap(true);
        addRow(captions[row], values[row]);
    }
    retranslate();
}

void CFinishWizardTab::retranslate()
{
    setTitle(tr("Finish"));
    setExplanation(tr("Please check the data you have entered before saving them. If something isn't entered "
                      "correctly, you can go back and change it."));
    captions[VehicleTypeRow]->setText(tr("Vehicle Type:"));
    captions[VehicleNameRow]->setText(tr("Vehicle Name:"));
    captions[LicensePlateRow]->setText(tr("License Plate:"));
    captions[OdometerRow]->setText(tr("Odometer:"));
    captions[FuelSystemRow]->setText(tr("Fuel System:"));
}

void CFinishWizardTab::setSummaryText(Row row, const QString &text)
{
    texts[row] = text;
    values[row]->setText(QStringLiteral("<b>") + text.toHtmlEscaped() + QStringLiteral("</b>"));
}

QString CFinishWizardTab::summaryText(Row row) const
{
    return texts[row];
}
