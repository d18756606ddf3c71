#pragma once

#include "widgets/wizardtab.h"

class QFormLayout;
class QLabel;

// The frame shared by the new-vehicle pages: an image, a word-wrapped
// explanation, a form, and a red error line shown when validation fails.
class CNewVehicleWizardTab : public CWizardTab
{
    Q_OBJECT

public:
    explicit CNewVehicleWizardTab(QWidget *parent = nullptr);

    // Hides the error line and gives the focus to the page's first editor.
    bool activatePage(bool forward) override;

    bool isErrorShown() const;
    QString errorText() const;

    static const QString &normalCaptionStyle();
    static const QString &errorCaptionStyle();

protected:
    void setImage(const QPixmap &image);
    void setExplanation(const QString &text);
    void addRow(QLabel *caption, QWidget *field);
    void addRow(QLabel *caption, QLayout *field);
    void setFirstEditor(QWidget *editor) { firstEditor = editor; }
    void showError(const QString &text);
    void hideError();
    // Colours a caption red while its field is in error, black otherwise.
    static void markCaption(QLabel *caption, bool error);
    // The validation pattern of the pages: a valid field hides the error
    // line; an invalid one takes the focus and shows `error`. The caption is
    // marked either way. Returns `valid`.
    bool checkField(QLabel *caption, QWidget *field, bool valid, const QString &error);

private:
    QLabel *imageLabel = nullptr;
    QLabel *explanationLabel = nullptr;
    QFormLayout *form = nullptr;
    QLabel *errorLabel = nullptr;
    QWidget *firstEditor = nullptr;
};
