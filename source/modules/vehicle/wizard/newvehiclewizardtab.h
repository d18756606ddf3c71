#pragma once

#include "widgets/wizardtab.h"

#include <QPointer>

class QBoxLayout;
class QComboBox;
class QFormLayout;
class QLabel;
class QVBoxLayout;

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
    void changeEvent(QEvent *event) override;

    void setImage(const QPixmap &image);
    void setExplanation(const QString &text);
    // The explanation stands to the right of the image instead of below it.
    void setExplanationBesideImage();
    void addRow(QLabel *caption, QWidget *field);
    // Puts `widget` across the form and gives it the page's spare height.
    void addFillingRow(QWidget *widget);
    void setFirstEditor(QWidget *editor) { firstEditor = editor; }
    void showError(const QString &text);
    void hideError();
    // Colours a caption red while its field is in error, black otherwise.
    static void markCaption(QLabel *caption, bool error);
    // The validation pattern of the pages: a valid field hides the error
    // line; an invalid one takes the focus and shows `error`. The caption is
    // marked either way. Returns `valid`.
    bool checkField(QLabel *caption, QWidget *field, bool valid, const QString &error);
    // Selects the item whose data is `code` unless the user already chose by
    // hand; the selection made here does not count as the user's.
    static void suggestChoice(QComboBox *comboBox, int code, bool &userChanged);
    // A list as narrow as a few letters, however long its entries.
    static void letNarrow(QComboBox *comboBox);
    // Any choice the user makes in `comboBox`, even of the item shown, sets
    // `userChanged`.
    void watchUserChoice(QComboBox *comboBox, bool &userChanged);

private:
    QLabel *imageLabel = nullptr;
    QLabel *explanationLabel = nullptr;
    QVBoxLayout *pageLayout = nullptr;
    QBoxLayout *header = nullptr;
    QFormLayout *form = nullptr;
    QLabel *errorLabel = nullptr;
    QWidget *firstEditor = nullptr;
    // The field refused while the page was disabled for validation; it takes
    // the focus once the page is enabled again.
    QPointer<QWidget> refusedField;
};
