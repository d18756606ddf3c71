#pragma once

#include <QGroupBox>

// One page of a wizard. The page validates itself before the user moves on
// and may ask its dialog to enable buttons, show the busy indicator or move.
class CWizardTab : public QGroupBox
{
    Q_OBJECT

public:
    explicit CWizardTab(QWidget *parent = nullptr);

    // The page's name in the step list (not drawn on the page itself).
    QString title() const { return m_title; }
    void setTitle(const QString &text) { m_title = text; }

    // On the last page Return/Enter finishes the wizard instead of moving on.
    bool isLastPage() const { return lastPage; }
    void setLastPage(bool last) { lastPage = last; }

    virtual void retranslate() {}
    // Called when the page becomes visible; forward is false when going back.
    virtual bool activatePage(bool forward);
    // Called before moving forward from this page; false keeps the user here.
    virtual bool validatePage();

signals:
    void enablePrevButton(bool enable);
    void enableNextButton(bool enable);
    void enableFinishButton(bool enable);
    void showWorkingIndicator(bool show);
    void next();
    void prev();
    void finish();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    bool lastPage = false;
};
