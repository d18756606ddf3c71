#include "testsupport.h"
#include "widgets/wizarddialog.h"
#include "widgets/wizardsidebar.h"
#include "widgets/wizardtab.h"

#include <QPushButton>
#include <functional>

namespace {

class TestTab : public CWizardTab
{
public:
    bool activatePage(bool forward) override
    {
        activations << forward;
        return true;
    }
    bool validatePage() override
    {
        ++validations;
        enabledWhileValidating = isEnabled();
        if (onValidate)
            onValidate();
        return valid;
    }

    bool valid = true;
    int validations = 0;
    bool enabledWhileValidating = true;
    QList<bool> activations;
    std::function<void()> onValidate;
};

class TestWizard : public CWizardDialog
{
public:
    explicit TestWizard(int pages)
    {
        for (int i = 0; i < pages; ++i) {
            tabs << new TestTab;
            tabs.last()->setTitle(QStringLiteral("Step %1").arg(i));
            addPage(tabs.last());
        }
        setCurrentPage(0, true);
    }
    void finish() override
    {
        ++finishes;
        CWizardDialog::finish();
    }

    // The buttons a user can see, and the default one in brackets.
    QString buttons() const
    {
        QStringList shown;
        for (QPushButton *button : {prevButton, nextButton, finishButton})
            if (!button->isHidden())
                shown << (button->isDefault() ? QLatin1Char('[') + button->text() + QLatin1Char(']') : button->text());
        return shown.join(QLatin1Char(' '));
    }
    QList<int> steps() const
    {
        QList<int> states;
        for (int i = 0; i < sidebar->count(); ++i)
            states << sidebar->item(i)->state();
        return states;
    }
    bool nextEnabled() const { return nextButton->isEnabled(); }
    bool anyButtonEnabled() const
    {
        return prevButton->isEnabled() || nextButton->isEnabled() || finishButton->isEnabled();
    }

    QList<TestTab *> tabs;
    int finishes = 0;
};

} // namespace

class TestWizardDialog : public QObject
{
    Q_OBJECT

private slots:
    void buttonsShownPerPage_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("buttons");
        QTest::newRow("single page: finish only") << 1 << 0 << "[Finish]";
        QTest::newRow("first of three") << 3 << 0 << "[Next]";
        QTest::newRow("middle of three") << 3 << 1 << "Back [Next]";
        QTest::newRow("last of three") << 3 << 2 << "Back [Finish]";
    }

    void buttonsShownPerPage()
    {
        QFETCH(int, pages);
        QFETCH(int, index);
        QFETCH(QString, buttons);
        TestWizard wizard(pages);
        wizard.setPrevText(QStringLiteral("Back"));
        for (int i = 0; i < index; ++i)
            wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), index);
        QCOMPARE(wizard.buttons(), buttons);
    }

    void nextValidatesWithThePageDisabledAndRefusalKeepsThePage()
    {
        TestWizard wizard(3);
        wizard.tabs[0]->valid = false;
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 0);
        QVERIFY(!wizard.tabs[0]->enabledWhileValidating);
        QVERIFY(wizard.tabs[0]->isEnabled());
        QVERIFY(wizard.tabs[1]->activations.isEmpty());

        wizard.tabs[0]->valid = true;
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->activations, QList<bool>{true});
    }

    void goingBackMarksLaterStepsAhead()
    {
        TestWizard wizard(4);
        QCOMPARE(wizard.steps(), (QList<int>{1, 2, 2, 2}));
        for (int i = 0; i < 3; ++i)
            wizard.slotNext();
        wizard.slotNext(); // on the last page: nothing to validate
        QCOMPARE(wizard.tabs[3]->validations, 0);
        QCOMPARE(wizard.steps(), (QList<int>{0, 0, 0, 1}));
        wizard.slotPrev();
        wizard.slotPrev();
        QCOMPARE(wizard.steps(), (QList<int>{0, 1, 2, 2}));
        // The base passes "forward" whatever the direction.
        QCOMPARE(wizard.tabs[1]->activations, (QList<bool>{true, true}));
        wizard.setCurrentPage(7, true);
        QCOMPARE(wizard.currentPageIndex(), 1);
    }

    void enterMovesOnOrFinishes()
    {
        TestWizard wizard(3);
        wizard.show();
        wizard.tabs[0]->valid = false;
        QTest::keyClick(wizard.tabs[0], Qt::Key_Return);
        QCOMPARE(wizard.currentPageIndex(), 0);
        QCOMPARE(wizard.tabs[0]->validations, 1);
        wizard.tabs[0]->valid = true;
        QTest::keyClick(wizard.tabs[0], Qt::Key_Enter);
        QTest::keyClick(wizard.tabs[1], Qt::Key_Return);
        QCOMPARE(wizard.currentPageIndex(), 2);

        QTest::keyClick(wizard.tabs[2], Qt::Key_Return);
        QCOMPARE(wizard.finishes, 0);
        wizard.tabs[2]->setLastPage(true);
        QTest::keyClick(wizard.tabs[2], Qt::Key_Return);
        QCOMPARE(wizard.finishes, 1);
        QVERIFY(!wizard.isVisible());
    }

    void pageSignalsDriveTheDialog()
    {
        TestWizard wizard(3);
        emit wizard.tabs[0]->enableNextButton(false);
        QVERIFY(!wizard.nextEnabled());
        emit wizard.tabs[0]->next();
        QCOMPARE(wizard.currentPageIndex(), 1);
        emit wizard.tabs[1]->prev();
        QCOMPARE(wizard.currentPageIndex(), 0);
        emit wizard.tabs[0]->finish();
        QCOMPARE(wizard.finishes, 1);
    }

    void workingIndicatorBlocksNavigation()
    {
        TestWizard wizard(3);
        wizard.slotNext();
        emit wizard.tabs[1]->showWorkingIndicator(true);
        QVERIFY(!wizard.anyButtonEnabled());
        wizard.slotNext();
        wizard.slotPrev();
        QTest::keyClick(wizard.tabs[1], Qt::Key_Return);
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->validations, 0);

        emit wizard.tabs[1]->showWorkingIndicator(false);
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 2);
    }

    void nextClickDuringValidationDoesNotSkipAPage()
    {
        TestWizard wizard(4);
        wizard.tabs[0]->onValidate = [&wizard] { wizard.slotNext(); };
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->validations, 0);
    }
};

GARVO_TEST_MAIN(TestWizardDialog)
#include "tst_wizard.moc"
