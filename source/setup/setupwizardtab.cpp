#include "setup/setupwizardtab.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CSetupWizardTab::CSetupWizardTab(const QString &imagePath, QWidget *parent)
    : CWizardTab(parent)
    , imageLabel(new QLabel(this))
    , explanationLabel(new QLabel(this))
    , choices(new QVBoxLayout)
{
    imageLabel->setPixmap(QPixmap(imagePath));
    explanationLabel->setWordWrap(true);
    choices->setContentsMargins(0, 0, 0, 0);
    choices->setSpacing(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->setSpacing(12);
    layout->addWidget(imageLabel);
    layout->addWidget(explanationLabel);
    layout->addLayout(choices);
    layout->addStretch();
}

void CSetupWizardTab::setExplanation(const QString &text)
{
    explanationLabel->setText(text);
}

QRadioButton *CSetupWizardTab::addChoiceButton(const QString &objectName, const QString &imagePath)
{
    auto *button = new QRadioButton(this);
    button->setObjectName(objectName);
    button->setIcon(QIcon(imagePath));
    button->setIconSize(QSize(32, 32));
    choices->addWidget(button);
    return button;
}
