#include "testsupport.h"
#include "widgets/wizarddialog.h"
#include "widgets/wizardsidebar.h"
#include "widgets/wizardtab.h"

#include <QPushButton>

namespace {

class TestTab : public CWizardTab
{
public:
    explicit TestTab(const QString &name) { setTitle(name); }

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

    void retranslate() override { setTitle(title() + QStringLiteral("*")); }

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
            tabs << new TestTab(QStringLiteral("Step %1").arg(i));
            addPage(tabs.last());
        }
        setCurrentPage(0, true);
    }

    void finish() override
    {
        ++finishes;
        CWizardDialog::finish();
    }

    QPushButton *button(const char *name) const
    {
        const QString text = QLatin1String(name);
        return text == QLatin1String("prev") ? prevButton : text == QLatin1String("next") ? nextButton : finishButton;
    }
    CWizardSidebar *steps() const { return sidebar; }

    // The buttons a user can see, in the form "prev next finish".
    QString shownButtons() const
    {
        QStringList shown;
        if (!prevButton->isHidden())
            shown << QStringLiteral("prev");
        if (!nextButton->isHidden())
            shown << QStringLiteral("next");
        if (!finishButton->isHidden())
            shown << QStringLiteral("finish");
        return shown.join(QLatin1Char(' '));
    }

    QList<int> stepStates() const
    {
        QList<int> states;
        for (int i = 0; i < sidebar->count(); ++i)
            states << sidebar->item(i)->state();
        return states;
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
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("defaultButton");
        QTest::newRow("single page: finish only") << 1 << 0 << "finish" << "finish";
        QTest::newRow("first of three") << 3 << 0 << "next" << "next";
        QTest::newRow("middle of three") << 3 << 1 << "prev next" << "next";
        QTest::newRow("last of three") << 3 << 2 << "prev finish" << "finish";
    }

    void buttonsShownPerPage()
    {
        QFETCH(int, pages);
        QFETCH(int, index);
        QFETCH(QString, shown);
        QFETCH(QString, defaultButton);
        TestWizard wizard(pages);
        for (int i = 0; i < index; ++i)
            wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), index);
        QCOMPARE(wizard.shownButtons(), shown);
        QVERIFY(wizard.button(defaultButton.toLatin1().constData())->isDefault());
        QCOMPARE(wizard.size(), QSize(615, 400));
    }

    void nextValidatesWithThePageDisabled()
    {
        TestWizard wizard(3);
        wizard.slotNext();
        QCOMPARE(wizard.tabs[0]->validations, 1);
        QVERIFY(!wizard.tabs[0]->enabledWhileValidating);
        QVERIFY(wizard.tabs[0]->isEnabled());
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->activations, QList<bool>{true});
    }

    void refusedValidationKeepsTheUserOnThePage()
    {
        TestWizard wizard(3);
        wizard.tabs[0]->valid = false;
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 0);
        QVERIFY(wizard.tabs[1]->activations.isEmpty());
        QVERIFY(wizard.tabs[0]->isEnabled());
        QCOMPARE(wizard.stepStates(), (QList<int>{1, 2, 2}));
        QCOMPARE(wizard.shownButtons(), QStringLiteral("next"));
    }

    void nextOnTheLastPageOnlyUpdatesTheButtons()
    {
        TestWizard wizard(2);
        wizard.slotNext();
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->validations, 0);
        QCOMPARE(wizard.finishes, 0);
    }

    void sidebarFollowsTheSteps()
    {
        TestWizard wizard(4);
        QCOMPARE(wizard.stepStates(), (QList<int>{1, 2, 2, 2}));
        wizard.slotNext();
        wizard.slotNext();
        wizard.slotNext();
        QCOMPARE(wizard.stepStates(), (QList<int>{0, 0, 0, 1}));
        wizard.slotPrev();
        wizard.slotPrev();
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.stepStates(), (QList<int>{0, 1, 2, 2}));
        QCOMPARE(wizard.shownButtons(), QStringLiteral("prev next"));
        // The base passes "forward" whatever the direction.
        QCOMPARE(wizard.tabs[1]->activations, (QList<bool>{true, true}));
    }

    void prevOnTheFirstPageStays()
    {
        TestWizard wizard(2);
        wizard.slotPrev();
        QCOMPARE(wizard.currentPageIndex(), 0);
        QCOMPARE(wizard.tabs[0]->activations, QList<bool>{true});
    }

    void indexOutsideThePagesIsIgnored()
    {
        TestWizard wizard(2);
        wizard.setCurrentPage(5, true);
        wizard.setCurrentPage(-1, true);
        QCOMPARE(wizard.currentPageIndex(), 0);
        QCOMPARE(wizard.stepStates(), (QList<int>{1, 2}));
        QCOMPARE(wizard.shownButtons(), QStringLiteral("next"));
    }

    void enterMovesOnOrFinishes()
    {
        TestWizard wizard(3);
        wizard.show();
        QTest::keyClick(wizard.tabs[0], Qt::Key_Return);
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[0]->validations, 1);

        wizard.tabs[1]->valid = false;
        QTest::keyClick(wizard.tabs[1], Qt::Key_Enter);
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->validations, 1);

        wizard.tabs[1]->valid = true;
        QTest::keyClick(wizard.tabs[1], Qt::Key_Enter);
        QCOMPARE(wizard.currentPageIndex(), 2);

        // On the final page without the last-page mark Enter finishes nothing.
        QTest::keyClick(wizard.tabs[2], Qt::Key_Return);
        QCOMPARE(wizard.finishes, 0);
        QVERIFY(wizard.isVisible());

        wizard.tabs[2]->setLastPage(true);
        QTest::keyClick(wizard.tabs[2], Qt::Key_Return);
        QCOMPARE(wizard.finishes, 1);
        QVERIFY(!wizard.isVisible());
    }

    void otherKeysDoNotNavigate()
    {
        TestWizard wizard(2);
        QTest::keyClick(wizard.tabs[0], Qt::Key_Space);
        QTest::keyClick(wizard.tabs[0], Qt::Key_A);
        QCOMPARE(wizard.currentPageIndex(), 0);
    }

    void pageSignalsDriveTheButtons()
    {
        TestWizard wizard(3);
        emit wizard.tabs[0]->enableNextButton(false);
        QVERIFY(!wizard.button("next")->isEnabled());
        emit wizard.tabs[0]->enableNextButton(true);
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
        QVERIFY(!wizard.button("prev")->isEnabled());
        QVERIFY(!wizard.button("next")->isEnabled());
        QVERIFY(!wizard.button("finish")->isEnabled());
        wizard.slotNext();
        wizard.slotPrev();
        QTest::keyClick(wizard.tabs[1], Qt::Key_Return);
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[1]->validations, 0);

        emit wizard.tabs[1]->showWorkingIndicator(false);
        QVERIFY(wizard.button("prev")->isEnabled());
        QVERIFY(wizard.button("next")->isEnabled());
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 2);
    }

    void nextClickDuringValidationDoesNotSkipAPage()
    {
        TestWizard wizard(4);
        wizard.tabs[0]->onValidate = [&wizard] { wizard.slotNext(); };
        wizard.slotNext();
        QCOMPARE(wizard.currentPageIndex(), 1);
        QCOMPARE(wizard.tabs[0]->validations, 1);
        QCOMPARE(wizard.tabs[1]->validations, 0);
    }

    void retranslateRenamesTheSteps()
    {
        TestWizard wizard(2);
        wizard.retranslate();
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Garvo"));
        QCOMPARE(wizard.steps()->item(1)->title(), QStringLiteral("Step 1*"));
    }
};

GARVO_TEST_MAIN(TestWizardDialog)
#include "tst_wizard.moc"
