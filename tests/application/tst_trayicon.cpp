#include "application/configuration.h"
#include "application/framework.h"
#include "application/trayicon.h"
#include "database/database.h"
#include "database/settings.h"
#include "testsupport.h"
#include "utility/utility.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QWidget>

using Reasons = QList<int>;

class FakeMainWindow : public QWidget
{
    Q_OBJECT

signals:
    void systemInitialized();
};

// The offscreen platform has no system tray, so the icon's reactions are
// driven through its slots.
class TestTrayIcon : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QGuiApplication::setQuitOnLastWindowClosed(true);
        CConfiguration::destroy();
    }

    void clicks_data()
    {
        QTest::addColumn<Reasons>("reasons");
        QTest::addColumn<bool>("menuShown");
        QTest::addColumn<bool>("windowShown");

        QTest::newRow("single click opens the menu after the delay") << Reasons{QSystemTrayIcon::Trigger} << true
                                                                     << false;
        QTest::newRow("double click within the delay shows the window instead")
            << Reasons{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick} << false << true;
        QTest::newRow("context request is left to the platform") << Reasons{QSystemTrayIcon::Context} << false
                                                                 << false;
    }

    void clicks()
    {
        QFETCH(Reasons, reasons);

        QWidget window;
        CTrayIcon tray;
        tray.setMainWindow(&window);
        for (int reason : reasons)
            tray.iconActivated(QSystemTrayIcon::ActivationReason(reason));
        QTest::qWait(CTrayIcon::ClickDelay * 2);
        QTEST(tray.menu()->isVisible(), "menuShown");
        QTEST(window.isVisible(), "windowShown");
        QVERIFY(!tray.isPopupPending());
    }

    void menuIsCompletedAfterTheComponentsAddedTheirs()
    {
        CTrayIcon tray;
        QMenu options(QStringLiteral("Options"));
        QMenu help(QStringLiteral("Help"));
        tray.addSeparator();
        tray.addMenu(&options);
        tray.addSeparator();
        tray.addMenu(&help);
        tray.slotAfterInit();
        tray.slotAfterInit();

        QStringList layout;
        for (QAction *action : tray.menu()->actions())
            layout << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(layout, (QStringList{"Garvo", "-", "-", "Options", "-", "Help", "-", "E&xit"}));
        QVERIFY(tray.titleAction()->font().bold());
        QVERIFY(!tray.menu()->separatorsCollapsible());

        QWidget window;
        window.setWindowState(Qt::WindowMinimized);
        tray.setMainWindow(&window);
        QSignalSpy activated(&tray, &CTrayIcon::mainActionActivated);
        tray.titleAction()->trigger();
        QCOMPARE(activated.count(), 1);
        QVERIFY(window.isVisible() && !window.isMinimized());

        tray.setTitle(QStringLiteral("Garvo 2"));
        QCOMPARE(tray.titleAction()->text(), QStringLiteral("Garvo 2"));
        tray.setTitle(QString());
        QCOMPARE(tray.titleAction()->text(), QStringLiteral("Garvo"));
    }

    void showTrayIcon_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("keepsRunning");
        QTest::newRow("off") << false << true << false;
        QTest::newRow("on") << true << true << true;
        QTest::newRow("on without a system tray still quits with the window") << true << false << false;
    }

    void showTrayIcon()
    {
        QFETCH(bool, show);
        QFETCH(bool, trayAvailable);
        QFETCH(bool, keepsRunning);
        CTrayIcon tray;
        tray.applyShowTrayIcon(show, trayAvailable);
        QCOMPARE(QGuiApplication::quitOnLastWindowClosed(), !keepsRunning);
        QCOMPARE(tray.isVisible(), keepsRunning);

        tray.slotQuit();
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        QVERIFY(!tray.isVisible());
    }

    void frameworkCreatesAndRemovesItsObjects()
    {
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(Config::Group::DefaultBehavior);
        config->setValue(Config::Key::ShowTrayIcon, true);

        FakeMainWindow window;
        initFramework(&window, &FakeMainWindow::systemInitialized);
        QVERIFY(CTrayIcon::instance());
        QCOMPARE(CTrayIcon::instance()->mainWindow(), &window);
        QVERIFY(!CTrayIcon::instance()->icon().isNull());
        QVERIFY(CSettings::instance());
        QCOMPARE(CDatabase::instance()->fileName(), Utility::dataDirectory() + QStringLiteral("garvo.db"));
        QVERIFY(CDatabase::instance()->isOpen());
        // No system tray here: closing the window must still end the program.
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());

        emit window.systemInitialized();
        QCOMPARE(CTrayIcon::instance()->menu()->actions().last(), CTrayIcon::instance()->exitAction());
        // Retranslation sets the tray's texts again.
        CTrayIcon::instance()->exitAction()->setText(QString());
        CTrayIcon::instance()->titleAction()->setText(QString());
        retranslateFramework();
        QCOMPARE(CTrayIcon::instance()->exitAction()->text(), QStringLiteral("E&xit"));
        QCOMPARE(CTrayIcon::instance()->titleAction()->text(), QStringLiteral("Garvo"));

        finishFramework();
        QVERIFY(!CTrayIcon::instance());
        QVERIFY(!CSettings::instance());
    }
};

GARVO_TEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
