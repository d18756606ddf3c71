#pragma once

#include <QDialog>

class CAnimationLabel;
class CWizardSidebar;
class CWizardTab;
class QPushButton;
class QStackedLayout;

// A fixed-size wizard: the step list on the left, one page at a time on the
// right and the Back / Next / Finish buttons below it.
class CWizardDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CWizardDialog(QWidget *parent = nullptr);

    // Appends a page and its step; the dialog takes ownership.
    void addPage(CWizardTab *tab);
    int pageCount() const;
    CWizardTab *page(int index) const;
    int currentPageIndex() const { return currentIndex; }

    void setPrevText(const QString &text);
    void setNextText(const QString &text);
    void setFinishText(const QString &text);

    virtual void retranslate();
    // Stores the wizard's results; the base only closes the dialog.
    virtual void finish();
    // Shows page index and activates it. An index outside the pages is ignored.
    virtual void setCurrentPage(int index, bool forward);
    // The move used by Back and Next; a wizard may refresh its data first.
    virtual void goToPage(int index);

public slots:
    void slotNext();
    void slotPrev();
    void slotFinish();
    void slotShowWorkingIndicator(bool show);

protected:
    CWizardSidebar *sidebar = nullptr;
    QPushButton *prevButton = nullptr;
    QPushButton *nextButton = nullptr;
    QPushButton *finishButton = nullptr;

private:
    void updateButtons();
    // Navigation is refused while a move is under way or the page is busy.
    bool navigationBlocked() const;

    int currentIndex = 0;
    QStackedLayout *stack = nullptr;
    CAnimationLabel *workingIndicator = nullptr;
    bool moving = false;
};
