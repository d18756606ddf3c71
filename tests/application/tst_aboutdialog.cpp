#include "application/aboutdialog.h"
#include "testsupport.h"

#include <QLabel>
#include <QSysInfo>

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsVersionAndTheRealPlatform_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("expected");
        QTest::newRow("four numbers") << "2.1.1.9" << "Version 2.1.1 (build 9)";
        QTest::newRow("fewer numbers") << "2.1" << "Version 2.1.0 (build 0)";
    }

    void showsVersionAndTheRealPlatform()
    {
        QFETCH(QString, version);
        QCoreApplication::setApplicationVersion(version);
        CAboutDialog dialog;
        QTEST(dialog.versionText(), "expected");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Garvo - About"));
        QCOMPARE(dialog.platformText(), QSysInfo::prettyProductName());
        QStringList texts;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(QTest::currentDataTag() == QByteArray("four numbers") ? "Version 2.1.1 (build 9)"
                                                                                    : "Version 2.1.0 (build 0)"));
        QVERIFY(texts.contains(QSysInfo::prettyProductName()));
#ifndef Q_OS_WIN
        QVERIFY(!texts.contains(QStringLiteral("Windows")));
#endif
    }
};

GARVO_TEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
