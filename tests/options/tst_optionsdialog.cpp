#include "application/configuration.h"
#include "modules/options/autoupdategroupbox.h"
#include "modules/options/optionsdialog.h"
#include "modules/updater/garvoupdater.h"
#include "testsupport.h"
#include "../updater/updatertesthelpers.h"
#include "utility/clock.h"
#include "utility/prompt.h"
#include "../updater/testserver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using Utility::Prompt;

namespace {

class CountingUpdater : public GarvoUpdater
{
public:
    int dialogs = 0;
    void update() override { ++dialogs; }
};

const QByteArray upToDateReply = "{\"status\":\"success\",\"data\":{\"version\":\"2.1.1.9\"}}";

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private:
    void storePreferences(int period, int autocheck, const QString &latest)
    {
        CConfiguration::destroy();
        QFile::remove(CConfiguration::instance()->fileName());
        CConfiguration::destroy();
        updaterConfig()->setValue(Config::Key::VersionCheckOnAppStart, 0);
        updaterConfig()->setValue(Config::Key::AutocheckPeriod, period);
        updaterConfig()->setValue(Config::Key::AutocheckEnabled, autocheck);
        updaterConfig()->setValue(Config::Key::LatestVersion, latest);
        updaterConfig()->setValue(Config::Key::LastCheck, QStringLiteral("2027-01-31 08:15:00"));
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(Config::Group::Main);
        config->setValue(Config::Key::DateFormat, QStringLiteral("yyyy-MM-dd"));
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("2.1.1.9")); }
    void init() { Prompt::setScripted(true); }
    void cleanup()
    {
        Prompt::setScripted(false);
        Utility::Clock::reset();
    }

    void periodListAndTexts()
    {
        storePreferences(3, 1, QStringLiteral("2.1.1.9"));
        CountingUpdater updater;
        CAutoupdateGroupBox box(nullptr, &updater);
        QComboBox *periods = box.periodList();
        QCOMPARE(periods->currentIndex(), 1);
        QVERIFY(!box.updateNowButton()->isEnabled());
        QCOMPARE(box.lastCheckLabel()->text(), QStringLiteral("Last check: 2027-01-31, 08:15"));
        QCOMPARE(box.nextCheckLabel()->text(), QStringLiteral("Next check: <strong>2027-02-28, 08:15</strong>"));

        periods->setCurrentIndex(0);
        QCOMPARE(updaterConfig()->value(Config::Key::AutocheckPeriod).toInt(), 2);
        QCOMPARE(box.nextCheckLabel()->text(), QStringLiteral("Next check: <strong>2027-02-07, 08:15</strong>"));

        box.autocheckBox()->setChecked(false);
        QVERIFY(!periods->isEnabled());
        QVERIFY(!updater.isTimerActive());
        QCOMPARE(updaterConfig()->value(Config::Key::AutocheckEnabled).toInt(), 0);
        QCOMPARE(box.nextCheckLabel()->text(), QStringLiteral("Next check: <strong>Autocheck disabled</strong>"));

        box.checkOnStartBox()->setChecked(true);
        QCOMPARE(updaterConfig()->value(Config::Key::VersionCheckOnAppStart).toInt(), 1);
    }

    // The list offers no "Daily"; a stored daily period must survive.
    void dailyPeriodIsKept()
    {
        storePreferences(1, 1, QStringLiteral("2.1.1.9"));
        CountingUpdater updater;
        CAutoupdateGroupBox box(nullptr, &updater);
        QCOMPARE(box.periodList()->currentIndex(), -1);
        box.autocheckBox()->setChecked(false);
        box.autocheckBox()->setChecked(true);
        QCOMPARE(updaterConfig()->value(Config::Key::AutocheckPeriod).toInt(), 1);
        QCOMPARE(updater.autocheckPeriod(), 1);
        QCOMPARE(box.nextCheckLabel()->text(), QStringLiteral("Next check: <strong>2027-02-01, 08:15</strong>"));
    }

    void updateNowOnlyForANewerVersion()
    {
        storePreferences(2, 0, QStringLiteral("2.1.1.10"));
        CountingUpdater updater;
        COptionsDialog dialog(nullptr, &updater);
        CAutoupdateGroupBox *box = dialog.autoupdateTab()->groupBox();
        QVERIFY(!box->periodList()->isEnabled());
        QCOMPARE(box->latestVersionLabel()->text(), QStringLiteral("Latest available version is 2.1.1.10"));
        QVERIFY(box->updateNowButton()->isEnabled());
        dialog.show();
        box->updateNowButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(updater.dialogs, 1);
    }

    void checkNowRefreshesTheLastCheck()
    {
        storePreferences(2, 1, QStringLiteral("2.1.1.9"));
        TestServer server;
        server.setReply(QStringLiteral("/garvo2win/version"), 200, upToDateReply);
        qputenv("GARVO_UPDATE_URL", server.baseUrl().toUtf8());
        Utility::Clock::setNow(QDateTime(QDate(2027, 6, 1), QTime(9, 0)));
        CountingUpdater updater;
        CAutoupdateGroupBox box(nullptr, &updater);
        box.checkNowButton()->click();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().front().title, QStringLiteral("Update Info"));
        QCOMPARE(box.lastCheckLabel()->text(), QStringLiteral("Last check: 2027-06-01, 09:00"));
    }
};

GARVO_TEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
