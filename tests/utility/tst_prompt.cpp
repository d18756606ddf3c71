#include "testsupport.h"
#include "utility/clock.h"
#include "utility/prompt.h"

using Utility::Clock;
using Utility::Prompt;

class TestSeams : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Prompt::setScripted(false);
        Clock::reset();
    }

    void scriptedPromptTakesQueuedAnswerThenDefault()
    {
        Prompt::setScripted(true);
        Prompt::queueAnswer(QMessageBox::No);
        QCOMPARE(Prompt::question(nullptr, "t", "first?"), QMessageBox::No);
        QCOMPARE(Prompt::question(nullptr, "t", "second?", QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 QMessageBox::Yes);
        Prompt::warning(nullptr, "t", "careful");
        QCOMPARE(int(Prompt::shown().size()), 3);
        QCOMPARE(Prompt::shown().back().text, QStringLiteral("careful"));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Warning);
    }

    void scriptedFileDialogsAnswerInOrder()
    {
        Prompt::setScripted(true);
        Prompt::queueFileName("/tmp/a.pdf");
        QCOMPARE(Prompt::saveFileName(nullptr, "save"), QStringLiteral("/tmp/a.pdf"));
        QVERIFY(Prompt::openFileName(nullptr, "open").isEmpty());
    }

    void userDirectoriesAreTemporary()
    {
        QVERIFY(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                    .startsWith(TestSupport::userRoot()));
    }
};

GARVO_TEST_MAIN(TestSeams)
#include "tst_prompt.moc"
