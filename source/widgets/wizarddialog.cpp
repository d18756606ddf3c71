#include "widgets/wizarddialog.h"

#include "widgets/animationlabel.h"
#include "widgets/wizardsidebar.h"
#include "widgets/wizardtab.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>

CWizardDialog::CWizardDialog(QWidget *parent)
    : QDialog(parent)
    , sidebar(new CWizardSidebar(this))
    , prevButton(new QPushButton(tr("Next"), this))
    , nextButton(new QPushButton(tr("Next"), this))
    , finishButton(new QPushButton(tr("Finish"), this))
    , stack(new QStackedLayout)
    , workingIndicator(new CAnimationLabel(this))
{
    sidebar->setFixedWidth(140);
    stack->setContentsMargins(0, 0, 0, 0);

    workingIndicator->setFileName(QStringLiteral(":resource/images/wizard-working-icon.gif"));
    workingIndicator->setMinimumSize(20, 20);
    workingIndicator->hide();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(workingIndicator);
    buttonRow->addStretch();
    buttonRow->addWidget(prevButton);
    buttonRow->addWidget(nextButton);
    buttonRow->addWidget(finishButton);

    auto *pageColumn = new QVBoxLayout;
    pageColumn->addLayout(stack, 1);
    pageColumn->addLayout(buttonRow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 9, 9, 9);
    layout->addWidget(sidebar);
    layout->addLayout(pageColumn, 1);

    connect(prevButton, &QPushButton::clicked, this, &CWizardDialog::slotPrev);
    connect(nextButton, &QPushButton::clicked, this, &CWizardDialog::slotNext);
    connect(finishButton, &QPushButton::clicked, this, &CWizardDialog::slotFinish);
    prevButton->hide();
    finishButton->hide();

    setFixedSize(615, 400);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void CWizardDialog::addPage(CWizardTab *tab)
{
    stack->addWidget(tab);
    sidebar->addItem(tab->title());

    connect(tab, &CWizardTab::enablePrevButton, prevButton, &QPushButton::setEnabled);
    connect(tab, &CWizardTab::enableNextButton, nextButton, &QPushButton::setEnabled);
    connect(tab, &CWizardTab::enableFinishButton, finishButton, &QPushButton::setEnabled);
    connect(tab, &CWizardTab::showWorkingIndicator, this, &CWizardDialog::slotShowWorkingIndicator);
    connect(tab, &CWizardTab::next, this, &CWizardDialog::slotNext);
    connect(tab, &CWizardTab::prev, this, &CWizardDialog::slotPrev);
    connect(tab, &CWizardTab::finish, this, &CWizardDialog::slotFinish);
}

int CWizardDialog::pageCount() const
{
    return stack->count();
}

CWizardTab *CWizardDialog::page(int index) const
{
    return qobject_cast<CWizardTab *>(stack->widget(index));
}

void CWizardDialog::setPrevText(const QString &text)
{
    prevButton->setText(text);
}

void CWizardDialog::setNextText(const QString &text)
{
    nextButton->setText(text);
}

void CWizardDialog::setFinishText(const QString &text)
{
    finishButton->setText(text);
}

void CWizardDialog::retranslate()
{
    setWindowTitle(tr("Garvo"));
    for (int i = 0; i < pageCount(); ++i) {
        page(i)->retranslate();
        sidebar->item(i)->setTitle(page(i)->title());
    }
}

void CWizardDialog::finish()
{
    close();
}

void CWizardDialog::setCurrentPage(int index, bool forward)
{
    CWizardTab *tab = page(index);
    if (!tab)
        return;
    currentIndex = index;
    sidebar->setCurrentStep(index);
    stack->setCurrentIndex(index);
    tab->activatePage(forward);
    updateButtons();
}

void CWizardDialog::goToPage(int index)
{
    setCurrentPage(index, true);
}

void CWizardDialog::slotNext()
{
    if (navigationBlocked())
        return;
    if (currentIndex >= pageCount() - 1) {
        updateButtons();
        return;
    }
    moving = true;
    CWizardTab *tab = page(currentIndex);
    tab->setEnabled(false);
    // Let the disabled look be painted before a slow validation.
    QCoreApplication::processEvents();
    if (tab->validatePage())
        goToPage(currentIndex + 1);
    tab->setEnabled(true);
    moving = false;
    updateButtons();
}

void CWizardDialog::slotPrev()
{
    if (navigationBlocked())
        return;
    if (currentIndex > 0)
        goToPage(currentIndex - 1);
    updateButtons();
}

void CWizardDialog::slotFinish()
{
    if (navigationBlocked())
        return;
    finish();
}

void CWizardDialog::slotShowWorkingIndicator(bool show)
{
    if (show) {
        nextButton->setEnabled(false);
        finishButton->setEnabled(false);
        prevButton->setEnabled(false);
        workingIndicator->start();
        workingIndicator->show();
    } else {
        workingIndicator->hide();
        workingIndicator->stop();
        prevButton->setEnabled(true);
        finishButton->setEnabled(true);
        nextButton->setEnabled(true);
    }
}

void CWizardDialog::updateButtons()
{
    const int last = pageCount() - 1;
    prevButton->setVisible(currentIndex > 0);
    nextButton->setVisible(currentIndex < last);
    finishButton->setVisible(currentIndex == last);
    nextButton->setDefault(currentIndex < last);
    finishButton->setDefault(currentIndex >= last);
}

bool CWizardDialog::navigationBlocked() const
{
    return moving || workingIndicator->isRunning();
}
