#include "modules/vehicle/wizard/finishwizardtab.h"

#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>

CFinishWizardTab::CFinishWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
{
    setImage(QPixmap(QStringLiteral(":resource/icons/check-64.png")));
    // The explanation is long; beside the image it leaves room for the rows.
    setExplanationBesideImage();
    // Long names wrap; rows that still do not fit scroll.
    auto *rows = new QWidget;
    auto *rowsLayout = new QFormLayout(rows);
    rowsLayout->setContentsMargins(0, 0, 0, 0);
    rowsLayout->setHorizontalSpacing(9);
    rowsLayout->setVerticalSpacing(6);
    rowsLayout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int row = 0; row < RowCount; ++row) {
        captions[row] = new QLabel(rows);
        values[row] = new QLabel(rows);
        values[row]->setTextFormat(Qt::RichText);
        values[row]->setWordWrap(true);
        values[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        rowsLayout->addRow(captions[row], values[row]);
    }
    auto *scrollArea = new QScrollArea(this);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setWidget(rows);
    scrollArea->viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    addFillingRow(scrollArea);
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
    values[row]->setText(text.toHtmlEscaped());
}

QString CFinishWizardTab::summaryText(Row row) const
{
    return texts[row];
}
