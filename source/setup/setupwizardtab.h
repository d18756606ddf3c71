#pragma once

#include "widgets/wizardtab.h"

class QLabel;
class QRadioButton;
class QVBoxLayout;

// The common frame of the setup pages: an image, a word-wrapped explanation
// and the page's choices below them.
class CSetupWizardTab : public CWizardTab
{
    Q_OBJECT

public:
    explicit CSetupWizardTab(const QString &imagePath, QWidget *parent = nullptr);

protected:
    void setExplanation(const QString &text);
    // The layout that holds the page's choices.
    QVBoxLayout *choicesLayout() const { return choices; }
    // One half of a pair of checkable buttons drawn as one split box; the
    // object name selects its half of the box in the application style.
    QRadioButton *addChoiceButton(const QString &objectName, const QString &imagePath);

private:
    QLabel *imageLabel = nullptr;
    QLabel *explanationLabel = nullptr;
    QVBoxLayout *choices = nullptr;
};
