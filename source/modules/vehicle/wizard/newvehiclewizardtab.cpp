#include "modules/vehicle/wizard/newvehiclewizardtab.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

CNewVehicleWizardTab::CNewVehicleWizardTab(QWidget *parent)
    : CWizardTab(parent)
    , imageLabel(new QLabel(this))
    , explanationLabel(new QLabel(this))
    , pageLayout(new QVBoxLayout(this))
    , header(new QBoxLayout(QBoxLayout::TopToBottom))
    , form(new QFormLayout)
    , errorLabel(new QLabel(this))
{
    explanationLabel->setWordWrap(true);
    explanationLabel->setTextFormat(Qt::PlainText);

    form->setSpacing(9);
    form->setContentsMargins(0, 9, 40, 9);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // A field that does not fit beside its caption goes below it.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    errorLabel->setObjectName(QStringLiteral("errorLabel"));
    errorLabel->setStyleSheet(errorCaptionStyle());
    errorLabel->setWordWrap(true);
    errorLabel->setTextFormat(Qt::PlainText);
    QSizePolicy keepsPlace = errorLabel->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    errorLabel->setSizePolicy(keepsPlace);
    errorLabel->hide();

    imageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(imageLabel);
    header->addWidget(explanationLabel, 1);

    pageLayout->setContentsMargins(30, 30, 30, 30);
    pageLayout->addLayout(header);
    pageLayout->addLayout(form);
    pageLayout->addStretch();
    pageLayout->addWidget(errorLabel);
}

bool CNewVehicleWizardTab::activatePage(bool forward)
{
    Q_UNUSED(forward)
    hideError();
    if (firstEditor)
        firstEditor->setFocus();
    return true;
}

bool CNewVehicleWizardTab::isErrorShown() const
{
    return !errorLabel->isHidden();
}

QString CNewVehicleWizardTab::errorText() const
{
    return errorLabel->text();
}

const QString &CNewVehicleWizardTab::normalCaptionStyle()
{
    static const QString style = QStringLiteral("QLabel {color:#000;}");
    return style;
}

const QString &CNewVehicleWizardTab::errorCaptionStyle()
{
    static const QString style = QStringLiteral("QLabel {color:#f00;}");
    return style;
}

void CNewVehicleWizardTab::changeEvent(QEvent *event)
{
    CWizardTab::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && refusedField) {
        refusedField->setFocus();
        refusedField = nullptr;
    }
}

void CNewVehicleWizardTab::setImage(const QPixmap &image)
{
    imageLabel->setPixmap(image);
}

void CNewVehicleWizardTab::setExplanation(const QString &text)
{
    explanationLabel->setText(text);
}

void CNewVehicleWizardTab::setExplanationBesideImage()
{
    header->setDirection(QBoxLayout::LeftToRight);
    header->setSpacing(12);
}

void CNewVehicleWizardTab::addRow(QLabel *caption, QWidget *field)
{
    form->addRow(caption, field);
}

void CNewVehicleWizardTab::addFillingRow(QWidget *widget)
{
    form->addRow(widget);
    // The widget's own scroll bar stands where the right margin would be.
    form->setContentsMargins(0, 9, 0, 9);
    pageLayout->setStretchFactor(form, 1);
}

void CNewVehicleWizardTab::showError(const QString &text)
{
    errorLabel->setText(text);
    errorLabel->show();
}

void CNewVehicleWizardTab::hideError()
{
    errorLabel->hide();
}

void CNewVehicleWizardTab::markCaption(QLabel *caption, bool error)
{
    caption->setStyleSheet(error ? errorCaptionStyle() : normalCaptionStyle());
}

bool CNewVehicleWizardTab::checkField(QLabel *caption, QWidget *field, bool valid, const QString &error)
{
    markCaption(caption, !valid);
    refusedField = valid ? nullptr : field;
    if (valid) {
        hideError();
    } else {
        field->setFocus();
        showError(error);
    }
    return valid;
}

void CNewVehicleWizardTab::suggestChoice(QComboBox *comboBox, int code, bool &userChanged)
{
    if (userChanged)
        return;
    const int index = comboBox->findData(code);
    if (index >= 0)
        comboBox->setCurrentIndex(index);
    userChanged = false;
}

void CNewVehicleWizardTab::letNarrow(QComboBox *comboBox)
{
    comboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    comboBox->setMinimumContentsLength(8);
}

void CNewVehicleWizardTab::watchUserChoice(QComboBox *comboBox, bool &userChanged)
{
    connect(comboBox, QOverload<int>::of(&QComboBox::activated), this, [&userChanged] { userChanged = true; });
}
