#include "modules/updater/garvoupdater.h"
#include "testsupport.h"
#include "utility/prompt.h"

#include <QDir>
#include <QFile>
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

// Relative paths of every file below `root`, sorted.
QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
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
        QVERIFY(Prompt::shown().empty());
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
