#include "modules/vehicle/wizard/newvehiclewizardtab.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

CNewVehicleWizardTab::CNewVehicleWizardTab(QWidget *parent)
    : CWizardTab(parent)
    , imageLabel(new QLabel(this))
    , explanationLabel(new QLabel(this))
    , form(new QFormLayout)
    , errorLabel(new QLabel(this))
{
    explanationLabel->setWordWrap(true);
    explanationLabel->setTextFormat(Qt::PlainText);

    form->setSpacing(9);
    form->setContentsMargins(0, 9, 40, 9);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    errorLabel->setObjectName(QStringLiteral("errorLabel"));
    errorLabel->setStyleSheet(errorCaptionStyle());
    errorLabel->setWordWrap(true);
    errorLabel->setTextFormat(Qt::PlainText);
    errorLabel->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->addWidget(imageLabel);
    layout->addWidget(explanationLabel);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(errorLabel);
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

void CNewVehicleWizardTab::setImage(const QPixmap &image)
{
    imageLabel->setPixmap(image);
}

void CNewVehicleWizardTab::setExplanation(const QString &text)
{
    explanationLabel->setText(text);
}

void CNewVehicleWizardTab::addRow(QLabel *caption, QWidget *field)
{
    form->addRow(caption, field);
}

void CNewVehicleWizardTab::addRow(QLabel *caption, QLayout *field)
{
    form->addRow(caption, field);
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
    if (valid) {
        hideError();
    } else {
        field->setFocus();
        showError(error);
    }
    return valid;
}
