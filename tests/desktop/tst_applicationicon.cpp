#include "testsupport.h"

#include "application/applicationicon.h"

#include <QImage>

// The window and tray icon is the picture the desktop shows for the
// installed program.
class TestApplicationIcon : public QObject
{
    Q_OBJECT

private slots:
    void windowIconMatchesTheInstalledIcon_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {32, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }

    void windowIconMatchesTheInstalledIcon()
    {
        QFETCH(int, size);
        const QString installed = QStringLiteral(GARVO_SOURCE_DIR "/resource/desktop/icons/hicolor/%1x%1/apps/%2.png")
                                      .arg(size)
                                      .arg(applicationDesktopId());
        const QImage expected(installed);
        QVERIFY2(!expected.isNull(), qPrintable(installed));
        const QImage shown = applicationIcon().pixmap(size, size).toImage();
        // Pixmaps hold premultiplied colours.
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

GARVO_TEST_MAIN(TestApplicationIcon)
#include "tst_applicationicon.moc"
