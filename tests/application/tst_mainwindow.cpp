#include "testsupport.h"

#include "application/appmw.h"
#include "application/configuration.h"
#include "application/footerinfowidget.h"
#include "application/garagebutton.h"
#include "application/helpmenu.h"
#include "application/module.h"
#include "application/modulecontainer.h"
#include "application/sidebar.h"
#include "application/toolbar.h"
#include "application/toolbarwidget.h"
#include "application/trayicon.h"
#include "database/database.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QUrl>
#include <QWidgetAction>

namespace {

// Texts of a menu's entries, "-" for a separator.
QStringList entries(const QWidget *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

// Records moduleChanged() of the module container while the main window is
// being built: the container is hooked as soon as its first module is added.
class ModuleChangeRecorder : public QObject
{
public:
    QList<int> ids;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded && !hooked) {
            if (auto *container = qobject_cast<CModuleContainer *>(watched)) {
                hooked = true;
                connect(container, &CModuleContainer::moduleChanged, this, [this](int id) { ids.append(id); });
            }
        }
        return false;
    }

private:
    bool hooked = false;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    CAppMW *window = nullptr;

    void build()
    {
        window = new CAppMW;
        QVERIFY(CDatabase::instance()->isOpen());
    }

    CModuleContainer *container() const { return window->moduleContainer(); }

    bool vehicleTable(const QString &sql)
    {
        return CDatabase::instance()->exec(sql);
    }

private slots:
    void cleanup()
    {
        if (window) {
            window->slotAppClose();
            delete window;
            window = nullptr;
        }
        QVERIFY(!CMainWindow::instance());
        QFile::remove(Utility::dataDirectory() + QStringLiteral("garvo.ini"));
    }

    void emptyGarageStartShowsGarageThenEmptyGarage()
    {
        ModuleChangeRecorder recorder;
        qApp->installEventFilter(&recorder);
        build();
        qApp->removeEventFilter(&recorder);

        QCOMPARE(recorder.ids, (QList<int>{2, 1}));
        QCOMPARE(container()->currentModule()->id(), 1);
        QCOMPARE(CMainWindow::instance(), window);
        QVERIFY(window->isInitialized());
    }

    void frameIsBuiltInOrder()
    {
        build();
        QVERIFY(window->styleSheet().contains(QStringLiteral("QLabel#errorLabel")));

        // Modules in component order; the tool bar shows the garage button only.
        QList<int> moduleIds;
        for (int i = 0; i < container()->count(); ++i)
            moduleIds.append(container()->moduleAt(i)->id());
        QCOMPARE(moduleIds, (QList<int>{2, 1, 11, 100, 71, 140}));
        QStringList visibleButtons, hiddenButtons;
        for (QAction *action : window->toolBar()->actions()) {
            auto *widgetAction = qobject_cast<QWidgetAction *>(action);
            if (!widgetAction)
                continue;
            auto *button = qobject_cast<QToolButton *>(widgetAction->defaultWidget());
            (action->isVisible() ? visibleButtons : hiddenButtons).append(button->text());
        }
        QCOMPARE(visibleButtons, QStringList{QStringLiteral("Garage")});
        QCOMPARE(hiddenButtons,
                 (QStringList{QStringLiteral("Dashboard"), QStringLiteral("Vendors"), QStringLiteral("Reports")}));
    }

    void menusHoldTheirEntriesAfterRetranslation()
    {
        build();
        const QList<QAction *> menus = window->menuBar()->actions();
        QCOMPARE(entries(window->menuBar()), (QStringList{"&Garvo", "&Options", "&Help"}));
        QCOMPARE(entries(menus.at(0)->menu()),
                 (QStringList{"&New Vehicle", "-", "&Import...", "Expor&t...", "-", "&Back up now...",
                              "&Restore from backup...", "-", "Print Pre&view...", "&Print", "-", "Print to P&DF", "-",
                              "E&xit"}));
        QCOMPARE(entries(menus.at(1)->menu()), (QStringList{"Edit Vehicle &Types...", "-", "&Options"}));
        QCOMPARE(entries(menus.at(2)->menu()),
                 (QStringList{"&Help Online", "-", "Check for &Updates...", "-", "Garvo Home&page", "&Contact Support",
                              "-", "&About"}));
    }

    // The keyboard reaches the menus: mnemonics (above), the usual shortcuts,
    // and New Vehicle runs the wizard.
    void menusHaveTheUsualShortcuts()
    {
        build();
        QMenu *garvo = window->menuBar()->actions().at(0)->menu();
        QAction *newVehicle = garvo->actions().at(0);
        QCOMPARE(newVehicle->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(garvo->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QMenu *help = window->menuBar()->actions().at(2)->menu();
        QCOMPARE(help->actions().at(0)->shortcut(), QKeySequence(QKeySequence::HelpContents));

        QVERIFY(newVehicle->isEnabled());
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                shown = QLatin1String(modal->metaObject()->className());
                static_cast<QDialog *>(modal)->reject();
            }
        });
        newVehicle->trigger();
        QCOMPARE(shown, QStringLiteral("CNewVehicleWizardDialog"));
        QCOMPARE(container()->currentModule()->id(), int(ModuleId::GarageEmpty));
    }

    // Without a browser the address is shown, not lost.
    void helpLinkWithoutBrowserShowsTheAddress()
    {
        Utility::Prompt::setScripted(true);
        Utility::Prompt::clearShown();
        CHelpMenu::openLink(QUrl(QStringLiteral("https://example.invalid/help/")), [](const QUrl &) { return false; });
        QCOMPARE(Utility::Prompt::shown().size(), size_t(1));
        QVERIFY(Utility::Prompt::shown().back().text.endsWith(QStringLiteral("https://example.invalid/help/")));
        Utility::Prompt::setScripted(false);
    }

    void trayMenuGetsOptionsAndHelpBeforeExit()
    {
        build();
        const QMenu *tray = CTrayIcon::instance()->menu();
        QCOMPARE(entries(tray), (QStringList{"Garvo", "-", "-", "&Options", "-", "&Help", "-", "E&xit"}));
    }

    void garageButtonFollowsVehicleCountAtClick()
    {
        build();
        auto *button = window->findChild<CGarageButton *>();
        QVERIFY(button);
        container()->activate(ModuleId::Vendors);

        QVERIFY(vehicleTable(QStringLiteral("INSERT INTO vehicle (vehicle_name) VALUES ('Van')")));
        button->click();
        QCOMPARE(container()->currentModule()->id(), 2);

        QVERIFY(vehicleTable(QStringLiteral("DELETE FROM vehicle")));
        button->click();
        QCOMPARE(container()->currentModule()->id(), 1);
    }

    void clampToScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("expected");
        const QSize screen(1280, 800);
        QTest::newRow("fits: unchanged") << QRect(10, 20, 800, 600) << screen << QRect(10, 20, 800, 600);
        QTest::newRow("as large as the screen: unchanged")
            << QRect(0, 0, 1280, 800) << screen << QRect(0, 0, 1280, 800);
        QTest::newRow("too wide: 70 % of the screen width")
            << QRect(5, 5, 1500, 600) << screen << QRect(5, 5, 896, 600);
        QTest::newRow("too high: 70 % of the screen height")
            << QRect(5, 5, 800, 900) << screen << QRect(5, 5, 800, 560);
        QTest::newRow("70 % rounds half up: 1365 x 0.7 = 955.5")
            << QRect(0, 0, 1400, 10) << QSize(1365, 800) << QRect(0, 0, 956, 10);
        QTest::newRow("negative left: centred across")
            << QRect(-50, 30, 800, 600) << screen << QRect(240, 30, 800, 600);
        QTest::newRow("negative top: centred down") << QRect(30, -1, 800, 601) << screen << QRect(30, 99, 800, 601);
        QTest::newRow("too large and off screen: shrunk, then centred")
            << QRect(-10, -10, 2000, 1000) << screen << QRect(192, 120, 896, 560);
    }

    void clampToScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QSize, screen);
        QTEST(CMainWindow::clampToScreen(stored, screen), "expected");
    }

    void maximisedWindowComesBackMaximisedWithItsNormalGeometry()
    {
        build();
        // A normal size above the window's minimum and below the maximised one.
        const QSize normal = window->minimumSizeHint() + QSize(20, 20);
        window->setGeometry(QRect(QPoint(10, 10), normal));
        window->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(window->isMaximized());
        window->slotAppClose();
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(Config::Group::MainWindow);
        QCOMPARE(config->value(Config::Key::WindowMaximized).toBool(), true);
        CConfiguration::destroy();
        delete window;
        window = nullptr;

        build();
        window->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(window->size() != normal);
        window->showNormal();
        QTRY_COMPARE(window->size(), normal);
    }

    void windowComesBackWhereItWas_data()
    {
        QTest::addColumn<QPoint>("position");
        QTest::newRow("top-left corner") << QPoint(0, 0);
        QTest::newRow("elsewhere") << QPoint(37, 11);
    }

    void windowComesBackWhereItWas()
    {
        QFETCH(QPoint, position);
        for (int start = 0; start < 3; ++start) {
            build();
            if (start == 0)
                window->move(position);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->pos(), position);
            window->slotAppClose();
            delete window;
            window = nullptr;
        }
    }

    void everyPageFitsTheSmallestSupportedWindow()
    {
        build();
        // Long summaries side by side, as a dual-fuel vehicle's fuel log shows them.
        for (int i = 0; i < 2; ++i) {
            auto *footer = new CFooterInfoWidget;
            footer->setTitle(QString(60, QLatin1Char('W')));
            footer->setSubtitle(QString(120, QLatin1Char('W')));
            window->footerBar()->addWidget(footer);
        }
        // The module container holds every page, shown or not.
        QVERIFY2(window->minimumSizeHint().width() <= 1024, qPrintable(QString::number(window->minimumSizeHint().width())));
    }

    void splitterStateSurvivesRestart()
    {
        const auto showWithSidebar = [this] {
            window->resize(window->minimumSizeHint().width() + 400, 600);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            container()->activate(ModuleId::Dashboard); // shows the left sidebar
            QTRY_VERIFY(window->leftSidebar()->width() > 0);
        };
        build();
        showWithSidebar();
        window->contentSplitter()->setSizes({300, window->contentSplitter()->width() - 301, 0});
        QTRY_COMPARE(window->leftSidebar()->width(), 300);
        window->slotAppClose();
        delete window;
        window = nullptr;

        build();
        showWithSidebar();
        QTRY_COMPARE(window->leftSidebar()->width(), 300);
    }

    void wakeUpMessageIgnoresCaseAndNothingElseWakes()
    {
        build();
        window->hide();
        window->reactivate(QStringLiteral("hello"));
        QVERIFY(window->isHidden());
        window->reactivate(QStringLiteral("wake up!"));
        QVERIFY(window->isVisible());
    }

    void footerInfoShowsUserTextAsTyped()
    {
        // A fuel or vehicle name holding markup must not be rendered as markup.
        CFooterInfoWidget footer;
        footer.setTitle(QStringLiteral("<b>Gas</b> & Oil"));
        footer.setSubtitle(QStringLiteral("<i>x</i>"));
        const QList<QLabel *> labels = footer.findChildren<QLabel *>();
        int plain = 0;
        for (const QLabel *label : labels) {
            if (label->text().contains(QLatin1Char('<')))
                plain += label->textFormat() == Qt::PlainText ? 1 : 0;
        }
        QCOMPARE(plain, 2);
        QCOMPARE(footer.title(), QStringLiteral("<b>Gas</b> & Oil"));
    }
};

GARVO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
