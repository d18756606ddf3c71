#include "application/aboutdialog.h"
#include "testsupport.h"

#include <QLabel>
#include <QSysInfo>

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    // The platform is the one running, never a fixed name.
    void showsVersionAndTheRealPlatform()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.1"));
        CAboutDialog dialog;
        QStringList texts;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Version 2.1.0 (build 0)")));
        QVERIFY(texts.contains(QSysInfo::prettyProductName()));
#ifndef Q_OS_WIN
        QVERIFY(!texts.contains(QStringLiteral("Windows")));
#endif
    }
};

GARVO_TEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
