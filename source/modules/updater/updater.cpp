#include "modules/updater/updater.h"

#include "application/configuration.h"
#include "modules/updater/updateserver.h"
#include "utility/clock.h"
#include "utility/siteconnection.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
constexpr int TimerInterval = 10000;
constexpr int StartDelay = 3000;
// A timed check that failed waits this long before the timer tries again.
constexpr int RetryDelaySeconds = 60 * 60;

CConfiguration *updaterConfig()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Updater);
    return config;
}

bool isKnownPeriod(int period)
{
    return period >= Updater::Daily && period <= Updater::Monthly;
}

} // namespace

Updater::Updater(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &Updater::checkForNewVersionTimeout);
    m_timer->setInterval(TimerInterval);

    m_currentVersion = Version::fromString(QCoreApplication::applicationVersion());

    CConfiguration *config = updaterConfig();
    m_latestVersion = Version::fromString(
        config->value(Config::Key::LatestVersion, Config::Default::latestVersion()).toString());
    m_lastCheck = QDateTime::fromString(config->value(Config::Key::LastCheck, Config::Default::LastCheck).toString(),
                                        DateTimeFormat);
    if (!m_lastCheck.isValid())
        m_lastCheck = QDateTime::fromString(Config::Default::LastCheck, DateTimeFormat);
    // Any other code would make the next check due at once, every time.
    const int period = config->value(Config::Key::AutocheckPeriod, Config::Default::AutocheckPeriod).toInt();
    m_autocheckPeriod = isKnownPeriod(period) ? period : Weekly;

    if (config->value(Config::Key::AutocheckEnabled, Config::Default::AutocheckEnabled).toInt() != 0)
        enableAutocheck();
    else
        disableAutocheck();

    m_releaseNotes = tr("Add somewhere release notes");

    m_checkOnStart =
        updaterConfig()->value(Config::Key::VersionCheckOnAppStart, Config::Default::VersionCheckOnAppStart).toInt()
        != 0;
    if (m_checkOnStart)
        QTimer::singleShot(StartDelay, this, &Updater::checkForNewVersionNow);
}

Updater::CheckResult Updater::fetchLatestVersion()
{
    CheckResult result;
    Utility::SiteConnection connection;
    if (connection.get(UpdateServer::versionUrl(), m_requestTimeout) != 0) {
        result.message = tr("Error connecting to server. Please try later.");
        if (!connection.errorText().isEmpty())
            result.message += QStringLiteral("<br/><br/>") + connection.errorText().toHtmlEscaped();
        if (!connection.response().isEmpty())
            result.message += tr("<br/><br/>Site response: <br/>") + connection.response().toHtmlEscaped();
        return result;
    }

    const UpdateServer::VersionReply reply = UpdateServer::VersionReply::parse(connection.response().toUtf8());
    if (!reply.success) {
        result.message = reply.message;
        return result;
    }
    setLatestVersion(reply.version);
    setReleaseNotes(reply.releaseNotes);
    m_packageDigest = reply.sha256;
    setLastCheck(Utility::Clock::now());
    result.success = true;
    return result;
}

QDateTime Updater::nextCheckTime() const
{
    switch (m_autocheckPeriod) {
    case Daily:
        return m_lastCheck.addDays(1);
    case Weekly:
        return m_lastCheck.addDays(7);
    case Monthly:
        return m_lastCheck.addMonths(1);
    default:
        return m_lastCheck;
    }
}

bool Updater::isTimerActive() const
{
    return m_timer->isActive();
}

void Updater::setLatestVersion(const QString &version)
{
    m_latestVersion = Version::fromString(version);
    updaterConfig()->setValue(Config::Key::LatestVersion, m_latestVersion.toString());
}

void Updater::setLastCheck(const QDateTime &time)
{
    m_lastCheck = time;
    updaterConfig()->setValue(Config::Key::LastCheck, time.toString(DateTimeFormat));
}

void Updater::setAutocheckPeriod(int period)
{
    if (!isKnownPeriod(period))
        return;
    m_autocheckPeriod = period;
    updaterConfig()->setValue(Config::Key::AutocheckPeriod, period);
}

void Updater::enableAutocheck()
{
    m_autocheck = true;
    updaterConfig()->setValue(Config::Key::AutocheckEnabled, 1);
    m_timer->start();
}

void Updater::disableAutocheck()
{
    m_timer->stop();
    m_autocheck = false;
    updaterConfig()->setValue(Config::Key::AutocheckEnabled, 0);
}

void Updater::enableCheckOnStart()
{
    m_checkOnStart = true;
    updaterConfig()->setValue(Config::Key::VersionCheckOnAppStart, 1);
}

void Updater::disableCheckOnStart()
{
    m_checkOnStart = false;
    updaterConfig()->setValue(Config::Key::VersionCheckOnAppStart, 0);
}

void Updater::checkForNewVersionNow()
{
    if (!isBusy())
        checkForUpdates(true);
}

void Updater::checkForNewVersionTimeout()
{
    const QDateTime now = Utility::Clock::now();
    if (isBusy() || nextCheckTime() > now || (m_retryAfter.isValid() && now < m_retryAfter))
        return;
    if (!checkForUpdates(true))
        m_retryAfter = Utility::Clock::now().addSecs(RetryDelaySeconds);
}
