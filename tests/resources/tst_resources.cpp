#include "testsupport.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString StyleSheetPath = QStringLiteral(":/resource/stylesheet/application-stylesheet.css");

struct PathUse
{
    QString file;
    int line;
    QString path;
};

// Every resource path literal in the application code.
QList<PathUse> resourcePathsInCode()
{
    static const QRegularExpression literal(QStringLiteral("\"(:/?resource/[^\"]+)\""));
    QList<PathUse> uses;
    const QDir root(QStringLiteral(GARVO_SOURCE_DIR));
    for (const QString &area : {QStringLiteral("source"), QStringLiteral("brix")}) {
        QDirIterator it(root.filePath(area), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            int lineNumber = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine());
                ++lineNumber;
                auto matches = literal.globalMatch(line);
                while (matches.hasNext())
                    uses.append({root.relativeFilePath(file.fileName()), lineNumber, matches.next().captured(1)});
            }
        }
    }
    return uses;
}

bool isPicture(const QString &path)
{
    return path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".gif"));
}

// Loads a picture or reads a text; an empty string means success.
QString loadProblem(const QString &path)
{
    if (isPicture(path)) {
        QImageReader reader(path);
        const QImage image = reader.read();
        if (image.isNull())
            return QStringLiteral("not a readable image: ") + reader.errorString();
        return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be opened");
    if (file.size() == 0)
        return QStringLiteral("is empty");
    return QString();
}

QColor textColour(QLabel *label)
{
    label->style()->unpolish(label);
    label->style()->polish(label);
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void everyPathInTheCodeLoads_data()
    {
        QTest::addColumn<QString>("path");
        const QList<PathUse> uses = resourcePathsInCode();
        for (const PathUse &use : uses) {
            const QByteArray row = QStringLiteral("%1:%2 %3").arg(use.file).arg(use.line).arg(use.path).toUtf8();
            QTest::newRow(row.constData()) << use.path;
        }
    }

    void everyPathInTheCodeLoads()
    {
        QFETCH(QString, path);
        QCOMPARE(loadProblem(path), QString());
    }

    void scannerFindsTheWidgetsOwnPaths()
    {
        QStringList paths;
        for (const PathUse &use : resourcePathsInCode())
            paths.append(use.path);
        QVERIFY(paths.contains(QStringLiteral(":resource/windows/dialog-background-footer.png")));
        QVERIFY(paths.contains(QStringLiteral(":resource/images/windows/horizontal-separator-background-left.png")));
    }

    void everyCompiledInFileLoads()
    {
        // A picture named "...-N.png" is N pixels square.
        static const QRegularExpression sized(QStringLiteral("-(\\d+)\\.png$"));
        int files = 0;
        QDirIterator it(QStringLiteral(":/resource"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QVERIFY2(loadProblem(path).isEmpty(), qPrintable(path + QLatin1Char(' ') + loadProblem(path)));
            const QRegularExpressionMatch match = sized.match(path);
            if (match.hasMatch()) {
                const int size = match.captured(1).toInt();
                QVERIFY2(QImageReader(path).size() == QSize(size, size), qPrintable(path));
            }
            ++files;
        }
        QVERIFY(files > 100);
    }

    void busyAnimationsAnimate()
    {
        for (const QString &path : {QStringLiteral(":/resource/images/working.gif"),
                                    QStringLiteral(":/resource/images/wizard-working-icon.gif")}) {
            QImageReader reader(path);
            QVERIFY2(reader.supportsAnimation(), qPrintable(path));
            QVERIFY2(reader.imageCount() > 1, qPrintable(path));
            QVERIFY(reader.size().width() <= 24);
        }
    }

    void errorLabelIsRedUntilRenamed()
    {
        QFile css(StyleSheetPath);
        QVERIFY(css.open(QIODevice::ReadOnly));
        QWidget window;
        window.setStyleSheet(QString::fromUtf8(css.readAll()));
        auto *label = new QLabel(QStringLiteral("text"), &window);
        window.show();

        label->setObjectName(QStringLiteral("errorLabel"));
        QCOMPARE(textColour(label), QColor(0xFF, 0, 0));

        // The entry dialogs reset an error label this way.
        label->setObjectName(QStringLiteral("QLabel"));
        label->setStyleSheet(QString());
        QCOMPARE(textColour(label), QColor(0, 0, 0));
    }

    void transparentTableViewShowsThePageBehind()
    {
        QFile css(StyleSheetPath);
        QVERIFY(css.open(QIODevice::ReadOnly));
        QWidget page;
        page.setStyleSheet(QString::fromUtf8(css.readAll()) + QStringLiteral("QWidget#page {background: #00FF00;}"));
        page.setObjectName(QStringLiteral("page"));
        auto *layout = new QVBoxLayout(&page);
        QStandardItemModel model(3, 2);
        auto *table = new QTableView(&page);
        table->setModel(&model);
        table->setObjectName(QStringLiteral("transparentTableView"));
        layout->addWidget(table);
        page.resize(300, 200);
        page.show();

        const QImage shot = page.grab().toImage();
        const QRect cell = table->visualRect(model.index(1, 1));
        const QPoint inPage = table->viewport()->mapTo(&page, cell.center());
        QCOMPARE(shot.pixelColor(inPage), QColor(0, 0xFF, 0));
    }
};

GARVO_TEST_MAIN(TestResources)
#include "tst_resources.moc"
