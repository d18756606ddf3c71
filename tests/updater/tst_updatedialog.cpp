#include "application/configuration.h"
#include "modules/updater/dialog/updatedialog.h"
#include "modules/updater/garvoupdater.h"
#include "modules/updater/updatepackage.h"
#include "testserver.h"
#include "testsupport.h"
#include "updatertesthelpers.h"
#include "utility/filedownloader.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QCryptographicHash>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>

Q_DECLARE_METATYPE(TestServer::Reply)

namespace {

struct Entry
{
    QString name;
    QByteArray data;
    // Unix mode with the file type, as zip tools store it.
    quint32 mode = 0100644;
};

QByteArray zipped(const QList<Entry> &entries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("package.zip"));
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    for (const Entry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.externalAttr = entry.mode << 16;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info))
            return {};
        file.write(entry.data);
        file.close();
    }
    zip.close();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sha256(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

QByteArray versionReply(const QByteArray &digest)
{
    QByteArray reply = "{\"status\":\"success\",\"data\":{\"version\":\"2.1.2.10\",\"release_notes\":\"Notes\"";
    if (!digest.isEmpty())
        reply += ",\"sha256\":\"" + digest + "\"";
    return reply + "}}";
}

// Stands in for the unpacked program: records how it was started.
const QByteArray installer = "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/started.txt\"\n";

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QList<Entry> package()
{
    return {
        {programName(), installer, 0100755},
        {QStringLiteral("docs/readme.txt"), "read me"},
        // A folder listed after its file.
        {QStringLiteral("docs/"), {}, 040755},
        // A file whose folders have no entries at all.
        {QStringLiteral("plugins/sql/driver.so"), QByteArray(5000, 'd')},
    };
}

const QString versionPath = QStringLiteral("/garvo2win/version");
const QString downloadPath = QStringLiteral("/garvo2win/download/update");

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestUpdateDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> server;
    std::unique_ptr<GarvoUpdater> updater;

    QString unpackFolder() const { return Utility::downloadDirectory() + QStringLiteral("2.1.2.10/"); }

    // The server offers `zip` with `digest`; the updater knows of it.
    void offer(const QByteArray &zip, const QByteArray &digest, TestServer::Reply::Mode mode = TestServer::Reply::Complete)
    {
        server->setReply(versionPath, 200, versionReply(digest));
        server->setReply(downloadPath, TestServer::Reply{200, zip, mode});
        QVERIFY(updater->fetchLatestVersion().success);
    }

    void finishDownload(CUpdateDialog &dialog)
    {
        dialog.updateButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.currentPage() == CUpdateDialog::MessagePage, 10000);
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("2.1.1.9")); }

    void init()
    {
        Utility::Prompt::setScripted(true);
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(Config::Group::Updater);
        config->setValue(Config::Key::VersionCheckOnAppStart, 0);
        config->setValue(Config::Key::AutocheckEnabled, 0);
        config->setValue(Config::Key::LatestVersion, QStringLiteral("2.1.1.9"));
        QVERIFY(Utility::removeDirectory(Utility::downloadDirectory()));
        server = std::make_unique<TestServer>();
        qputenv("GARVO_UPDATE_URL", server->baseUrl().toUtf8());
        updater = std::make_unique<GarvoUpdater>();
    }

    void cleanup()
    {
        updater.reset();
        server.reset();
        Utility::Prompt::setScripted(false);
    }

    void upToDateShowsTheFirstPage()
    {
        CUpdateDialog dialog(nullptr, updater.get());
        QCOMPARE(dialog.currentPage(), int(CUpdateDialog::UpToDatePage));
        QCOMPARE(dialog.headerText(), QStringLiteral("Your application is up-to-date!"));
        QVERIFY(dialog.updateButton()->isHidden());
    }

    void wholeUpdateUnpacksAndStartsTheInstaller()
    {
        const QByteArray zip = zipped(package());
        offer(zip, sha256(zip));
        CUpdateDialog dialog(nullptr, updater.get());
        QCOMPARE(dialog.headerText(), QStringLiteral("Version 2.1.2 (build 10) is available"));
        QCOMPARE(dialog.currentPage(), int(CUpdateDialog::ReleaseNotesPage));

        finishDownload(dialog);
        QCOMPARE(dialog.headerText(), QStringLiteral("Downloading updates completed successfully"));
        QVERIFY(!dialog.restartButton()->isHidden());
        QVERIFY(dialog.closeButton()->isHidden());
        QCOMPARE(server->lastUrl.query(), QStringLiteral("current_version=2.1.1.9"));
        QCOMPARE(dialog.packagePath(), Utility::downloadDirectory() + QStringLiteral("2.1.2.10.zip"));
        QCOMPARE(QFileInfo(dialog.packagePath()).size(), qint64(zip.size()));

        QCOMPARE(filesBelow(unpackFolder()), (QStringList{"docs/readme.txt", "plugins/sql/driver.so", "successfull.txt",
                                                          programName()}));
        QVERIFY(QFileInfo(unpackFolder() + programName()).isExecutable());
        QVERIFY(!QFileInfo(unpackFolder() + QStringLiteral("docs/readme.txt")).isExecutable());
        QCOMPARE(QFileInfo(unpackFolder() + QStringLiteral("plugins/sql/driver.so")).size(), qint64(5000));

        dialog.restartButton()->click();
        const QString started = unpackFolder() + QStringLiteral("started.txt");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(started).size() > 0, 5000);
        QCOMPARE(Utility::readTextFile(started).trimmed(), QStringLiteral("-update"));
    }

    void installerThatCannotStartIsReported()
    {
        const QByteArray zip = zipped({{QStringLiteral("readme.txt"), "no program"}});
        offer(zip, sha256(zip));
        CUpdateDialog dialog(nullptr, updater.get());
        finishDownload(dialog);
        dialog.restartButton()->click();
        QCOMPARE(dialog.headerText(), QStringLiteral("The update could not be started"));
        QVERIFY(dialog.restartButton()->isHidden());
        QVERIFY(dialog.closeButton()->isEnabled() && !dialog.closeButton()->isHidden());
    }

    void packageNotMatchingItsDigestIsNotUnpacked()
    {
        const QByteArray zip = zipped(package());
        offer(zip, sha256("something else"));
        CUpdateDialog dialog(nullptr, updater.get());
        finishDownload(dialog);
        QCOMPARE(dialog.headerText(), QStringLiteral("Error downloading new version"));
        QVERIFY(dialog.messageText().contains(QLatin1String("does not match")));
        QVERIFY(!QFileInfo::exists(unpackFolder()));
        QVERIFY(!QFileInfo::exists(dialog.packagePath()));
        QVERIFY(!dialog.restartUpdateButton()->isHidden());
    }

    void replyWithoutDigestDownloadsNothing()
    {
        offer(zipped(package()), QByteArray());
        const int requests = server->requests;
        CUpdateDialog dialog(nullptr, updater.get());
        dialog.updateButton()->click();
        QCOMPARE(dialog.currentPage(), int(CUpdateDialog::MessagePage));
        QVERIFY(dialog.messageText().contains(QLatin1String("checksum")));
        // Asked once more for the digest, never for the package.
        QCOMPARE(server->requests, requests + 1);
        QCOMPARE(server->lastUrl.path(), versionPath);
    }

    void failedDownloads_data()
    {
        QTest::addColumn<TestServer::Reply>("reply");
        QTest::addColumn<QString>("message");
        const QByteArray zip = zipped(package());
        QTest::newRow("cut short") << TestServer::Reply{200, zip, TestServer::Reply::HalfThenClose}
                                   << QStringLiteral("closed");
        QTest::newRow("empty") << TestServer::Reply{200, {}} << QStringLiteral("The server sent an empty file.");
        QTest::newRow("not found") << TestServer::Reply{404, "missing"} << QStringLiteral("server replied");
    }

    void failedDownloads()
    {
        QFETCH(TestServer::Reply, reply);
        QFETCH(QString, message);
        offer(QByteArray(), QByteArray(64, 'a'));
        server->setReply(downloadPath, reply);
        CUpdateDialog dialog(nullptr, updater.get());
        finishDownload(dialog);
        QCOMPARE(dialog.headerText(), QStringLiteral("Error downloading new version"));
        QVERIFY2(dialog.messageText().contains(message, Qt::CaseInsensitive), qPrintable(dialog.messageText()));
        QVERIFY(!QFileInfo::exists(dialog.packagePath()));
        QVERIFY(!QFileInfo::exists(unpackFolder()));
    }

    void closingDuringTheDownloadCancelsIt_data()
    {
        QTest::addColumn<bool>("withoutLength");
        QTest::addColumn<int>("progress");
        QTest::newRow("known size") << false << 50;
        QTest::newRow("unknown size") << true << 0;
    }

    void closingDuringTheDownloadCancelsIt()
    {
        QFETCH(bool, withoutLength);
        QFETCH(int, progress);
        const QByteArray zip = QByteArray(400000, 'z');
        offer(zip, sha256(zip), TestServer::Reply::HalfThenHold);
        server->setReply(downloadPath, TestServer::Reply{200, zip, TestServer::Reply::HalfThenHold, withoutLength});
        CUpdateDialog dialog(nullptr, updater.get());
        dialog.updateButton()->click();
        QCOMPARE(dialog.statusText(), QStringLiteral("Downloading updates..."));
        QVERIFY(!dialog.closeButton()->isEnabled());
        QTRY_VERIFY(dialog.downloader()->bytesWritten() >= zip.size() / 2);
        QTRY_COMPARE(dialog.progressBar()->value(), progress);

        dialog.reject();
        QCOMPARE(dialog.headerText(), QStringLiteral("Updating canceled"));
        QCOMPARE(dialog.messageText(), QStringLiteral("You have canceled update!"));
        QVERIFY(!dialog.downloader()->isBusy());
        QVERIFY(!dialog.restartUpdateButton()->isHidden());
        QVERIFY(!QFileInfo::exists(dialog.packagePath()));
    }

    void unsafePackagesWriteNothing_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        const Entry fine{QStringLiteral("garvo"), "program"};
        QTest::newRow("parent folder") << QList<Entry>{fine, {QStringLiteral("lib/../../escaped"), "x"}};
        QTest::newRow("absolute") << QList<Entry>{fine, {QStringLiteral("/tmp/escaped"), "x"}};
        QTest::newRow("drive letter") << QList<Entry>{fine, {QStringLiteral("C:/escaped"), "x"}};
        QTest::newRow("backslash") << QList<Entry>{fine, {QStringLiteral("..\\escaped"), "x"}};
        QTest::newRow("symbolic link") << QList<Entry>{fine, {QStringLiteral("link"), "/etc/passwd", 0120777}};
    }

    void unsafePackagesWriteNothing()
    {
        QFETCH(QList<Entry>, entries);
        const QString zipPath = Utility::downloadDirectory() + QStringLiteral("package.zip");
        QFile file(zipPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(zipped(entries));
        file.close();

        UpdatePackage::Failure failure;
        QVERIFY(!UpdatePackage(zipPath).unpack(unpackFolder(), &failure));
        QVERIFY(!failure.message.isEmpty());
        QVERIFY(!QFileInfo::exists(unpackFolder()));
        QCOMPARE(filesBelow(Utility::downloadDirectory()), QStringList{"package.zip"});
    }
};

GARVO_TEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
