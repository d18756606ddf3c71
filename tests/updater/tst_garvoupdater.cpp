#include "modules/updater/garvoupdater.h"
#include "testsupport.h"
#include "updatertesthelpers.h"
#include "utility/prompt.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using Utility::Prompt;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestGarvoUpdater : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString update;       // an unpacked update
    QString installation; // the installed program's folder

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void init()
    {
        Prompt::setScripted(true);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        update = path(QStringLiteral("download/2.1.2.10"));
        installation = path(QStringLiteral("application"));
        writeFile(update + QStringLiteral("/garvo"), "new program");
        writeFile(update + QStringLiteral("/lib/.hidden"), "new hidden");
        writeFile(update + QStringLiteral("/successfull.txt"), QByteArray());
        writeFile(installation + QStringLiteral("/garvo"), "old program");
        writeFile(installation + QStringLiteral("/obsolete"), "old only");
    }

    void cleanup() { Prompt::setScripted(false); }

    void copyDirectoryCopiesTreeWithoutOverwriting()
    {
        writeFile(path(QStringLiteral("target/garvo")), "kept");
        QVERIFY(GarvoUpdater::copyDirectory(update, path(QStringLiteral("target"))));
        QCOMPARE(filesBelow(path(QStringLiteral("target"))),
                 (QStringList{"garvo", "lib/.hidden", "successfull.txt"}));
        QCOMPARE(readFile(path(QStringLiteral("target/garvo"))), QByteArray("kept"));
        QCOMPARE(readFile(path(QStringLiteral("target/lib/.hidden"))), QByteArray("new hidden"));
    }

    void copyDirectoryReportsFailure_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::newRow("missing source") << "nowhere" << "target";
        QTest::newRow("target below a file") << "download" << "application/garvo/sub";
        QTest::newRow("unreadable source file") << "broken" << "target";
    }

    void copyDirectoryReportsFailure()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QDir().mkpath(path(QStringLiteral("broken")));
        QFile::link(path(QStringLiteral("no-such-file")), path(QStringLiteral("broken/dangling")));
        QVERIFY(!GarvoUpdater::copyDirectory(path(source), path(target)));
    }

    void installReplacesTheInstalledFiles()
    {
        QVERIFY(GarvoUpdater::installFiles(update + QStringLiteral("/garvo"), installation + QLatin1Char('/')));
        QCOMPARE(filesBelow(installation), (QStringList{"garvo", "lib/.hidden", "successfull.txt"}));
        QCOMPARE(readFile(installation + QStringLiteral("/garvo")), QByteArray("new program"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"application", "download"}));
        QVERIFY(Prompt::shown().empty());
    }

    void installRefusesWithoutCompletionMarker()
    {
        QFile::remove(update + QStringLiteral("/successfull.txt"));
        QVERIFY(!GarvoUpdater::installFiles(update + QStringLiteral("/garvo"), installation));
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().text,
                 QStringLiteral("There was an error updating files. This are not correct files for update!"));
        QCOMPARE(readFile(installation + QStringLiteral("/garvo")), QByteArray("old program"));
    }

    void installRefusesToRunFromTheInstallation_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("installation folder itself") << "application/garvo";
        QTest::newRow("sub-folder of the installation") << "application/update/garvo";
    }

    void installRefusesToRunFromTheInstallation()
    {
        QFETCH(QString, program);
        writeFile(path(program), "program");
        writeFile(QFileInfo(path(program)).path() + QStringLiteral("/successfull.txt"), QByteArray());
        const QStringList before = filesBelow(installation);
        QVERIFY(!GarvoUpdater::installFiles(path(program), installation));
        QCOMPARE(filesBelow(installation), before);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QVERIFY2(Prompt::shown().front().text.contains(QLatin1String("Check for updates again")),
                 qPrintable(Prompt::shown().front().text));
    }

    // The installation folder used to be resolved through a link, so the
    // staging folders landed beside the link's target, existing folders of
    // those names there were deleted and the target was renamed.
    void installNeverFollowsALinkInPlaceOfItsFolders_data()
    {
        QTest::addColumn<QString>("linked");
        QTest::newRow("installation folder") << "application";
        QTest::newRow("staging folder") << "application.new";
        QTest::newRow("previous folder") << "application.old";
    }

    void installNeverFollowsALinkInPlaceOfItsFolders()
    {
        QFETCH(QString, linked);
        const QString outside = path(QStringLiteral("elsewhere/mine"));
        writeFile(outside + QStringLiteral("/letter"), "private");
        writeFile(path(QStringLiteral("elsewhere/mine.new/keep")), "private");
        writeFile(path(QStringLiteral("elsewhere/mine.old/keep")), "private");
        QDir(path(linked)).removeRecursively();
        QVERIFY(QFile::link(outside, path(linked)));
        const QStringList outsideBefore = filesBelow(path(QStringLiteral("elsewhere")));

        QVERIFY(!GarvoUpdater::installFiles(update + QStringLiteral("/garvo"), installation + QLatin1Char('/')));

        QCOMPARE(filesBelow(path(QStringLiteral("elsewhere"))), outsideBefore);
        QCOMPARE(readFile(outside + QStringLiteral("/letter")), QByteArray("private"));
        QVERIFY(QFileInfo(path(linked)).isSymLink());
        QCOMPARE(int(Prompt::shown().size()), 1);
        QVERIFY2(Prompt::shown().front().text.contains(QLatin1String("symbolic link")),
                 qPrintable(Prompt::shown().front().text));
    }

    // A link in a package copied its target: a link to "/" copied the disk.
    void installRefusesAPackageHoldingALink_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("link to a folder") << "lib/home";
        QTest::newRow("link to a file") << "notes";
    }

    void installRefusesAPackageHoldingALink()
    {
        QFETCH(QString, entry);
        writeFile(path(QStringLiteral("elsewhere/letter")), "private");
        const QString target = entry == QLatin1String("notes") ? path(QStringLiteral("elsewhere/letter"))
                                                                : path(QStringLiteral("elsewhere"));
        QVERIFY(QFile::link(target, update + QLatin1Char('/') + entry));

        QVERIFY(!GarvoUpdater::installFiles(update + QStringLiteral("/garvo"), installation));

        QCOMPARE(filesBelow(installation), (QStringList{"garvo", "obsolete"}));
        QVERIFY(!QFileInfo::exists(installation + QStringLiteral(".new")));
        QCOMPARE(int(Prompt::shown().size()), 1);
        QVERIFY2(Prompt::shown().front().text.contains(QLatin1String("link")),
                 qPrintable(Prompt::shown().front().text));
    }

    // The download folder's path ends in "/", which named the link's target:
    // its files were deleted and the link stayed.
    void cleanDownloadsRemovesALinkedDownloadFolderAsALink()
    {
        const QString downloads =
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/download");
        QDir(downloads).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(downloads).path()));
        writeFile(path(QStringLiteral("elsewhere/letter")), "private");
        QVERIFY(QFile::link(path(QStringLiteral("elsewhere")), downloads));

        QVERIFY(GarvoUpdater::cleanDownloads());

        QVERIFY(!QFileInfo(downloads).isSymLink());
        QCOMPARE(readFile(path(QStringLiteral("elsewhere/letter"))), QByteArray("private"));
    }

    // "an earlier update could not be cleaned up" left the user no way out.
    void leftOverFolderThatCannotBeRemovedSaysWhatToDo()
    {
        writeFile(installation + QStringLiteral(".old"), "not a folder");
        QVERIFY(!GarvoUpdater::installFiles(update + QStringLiteral("/garvo"), installation));
        QCOMPARE(readFile(installation + QStringLiteral("/garvo")), QByteArray("old program"));
        QCOMPARE(int(Prompt::shown().size()), 1);
        const QString text = Prompt::shown().front().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(installation + QStringLiteral(".old")))
                     && text.contains(QLatin1String("delete that folder")),
                 qPrintable(text));
    }

    // A copy that broke off half-way used to count as installed, after the
    // old files had already been deleted.
    void installKeepsOldFilesWhenTheCopyFails()
    {
        QVERIFY(QFile::link(path(QStringLiteral("no-such-file")), update + QStringLiteral("/dangling")));
        QVERIFY(!GarvoUpdater::installFiles(update + QStringLiteral("/garvo"), installation));
        QCOMPARE(filesBelow(installation), (QStringList{"garvo", "obsolete"}));
        QCOMPARE(readFile(installation + QStringLiteral("/garvo")), QByteArray("old program"));
        QVERIFY(!QFileInfo::exists(installation + QStringLiteral(".new")));
        QCOMPARE(int(Prompt::shown().size()), 1);
        QCOMPARE(Prompt::shown().front().icon, QMessageBox::Critical);
    }
};

GARVO_TEST_MAIN(TestGarvoUpdater)
#include "tst_garvoupdater.moc"
