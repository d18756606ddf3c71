#pragma once

#include "modules/updater/version.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class QTimer;

// Knows the running and the latest version and when to ask the update
// server again. The preferences live in the configuration group "Updater";
// every setter writes its key at once.
class Updater : public QObject
{
    Q_OBJECT

public:
    enum Period { Daily = 1, Weekly = 2, Monthly = 3 };

    // What a version request brought.
    struct CheckResult
    {
        bool success = false;
        // Why it failed, for the user (rich text).
        QString message;
    };

    explicit Updater(QObject *parent = nullptr);

    // Asks the server; `silent` checks only ever ask whether to update.
    // Returns whether the server answered.
    virtual bool checkForUpdates(bool silent) = 0;
    // Opens the update dialog.
    virtual void update() = 0;

    // Asks the update server for the latest version without telling the
    // user anything; on success stores the latest version, its release
    // notes and package digest, and the time of this check.
    CheckResult fetchLatestVersion();

    // A check or the update dialog is running; timer ticks are skipped.
    bool isBusy() const { return m_busy > 0; }
    bool isNewVersionAvailable() const { return m_currentVersion.isLessThan(m_latestVersion); }

    Version currentVersion() const { return m_currentVersion; }
    Version latestVersion() const { return m_latestVersion; }
    QString releaseNotes() const { return m_releaseNotes; }
    // SHA-256 (lower-case hex) of the latest version's package, as the last
    // successful check in this run reported it; empty when unknown.
    QString packageDigest() const { return m_packageDigest; }
    QDateTime lastCheck() const { return m_lastCheck; }
    bool autocheck() const { return m_autocheck; }
    bool checkOnStart() const { return m_checkOnStart; }
    int autocheckPeriod() const { return m_autocheckPeriod; }
    // Last check plus a day, a week or a calendar month.
    QDateTime nextCheckTime() const;
    bool isTimerActive() const;

    void setLatestVersion(const QString &version);
    void setReleaseNotes(const QString &notes) { m_releaseNotes = notes; }
    void setLastCheck(const QDateTime &time);
    // Codes other than Daily, Weekly and Monthly are ignored.
    void setAutocheckPeriod(int period);
    void enableAutocheck();
    void disableAutocheck();
    void enableCheckOnStart();
    void disableCheckOnStart();

    // Milliseconds a version request may take (60 seconds unless a test
    // shortens it).
    void setRequestTimeout(int milliseconds) { m_requestTimeout = milliseconds; }

public slots:
    void checkForNewVersionNow();
    void checkForNewVersionTimeout();

protected:
    // Marks a check or the update dialog as running while it lives.
    class BusyScope
    {
    public:
        explicit BusyScope(Updater *updater) : m_updater(updater) { ++m_updater->m_busy; }
        ~BusyScope() { --m_updater->m_busy; }
        BusyScope(const BusyScope &) = delete;
        BusyScope &operator=(const BusyScope &) = delete;

    private:
        Updater *m_updater;
    };

private:
    Version m_currentVersion;
    Version m_latestVersion;
    QString m_releaseNotes;
    QString m_packageDigest;
    QDateTime m_lastCheck;
    bool m_checkOnStart = true;
    bool m_autocheck = true;
    int m_autocheckPeriod = Weekly;
    QTimer *m_timer = nullptr;
    int m_busy = 0;
    int m_requestTimeout = 60000;
    // A failed timed check is not repeated before this time.
    QDateTime m_retryAfter;
};
