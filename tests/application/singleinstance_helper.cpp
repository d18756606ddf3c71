// A second program for the single-instance tests.
//   primary          report the role, print each message received, end on "quit"
//   send TEXT MS     report whether an instance runs and whether TEXT got through
//   crash            report the role and die without cleaning up
//   hang MS          report the role and ignore everything for MS milliseconds
#include "application/qtsingleapplication.h"

#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
void say(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QtSingleApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);

    if (mode == QLatin1String("send")) {
        const bool delivered = app.sendMessage(args.value(2), args.value(3).toInt());
        say(QStringLiteral("running=%1 delivered=%2").arg(int(app.isRunning())).arg(int(delivered)));
        return 0;
    }

    say(app.isRunning() ? QStringLiteral("secondary") : QStringLiteral("primary"));
    say(app.serverName());
    if (mode == QLatin1String("crash"))
        std::_Exit(3);
    if (mode == QLatin1String("hang")) {
        QThread::msleep(args.value(2).toULong());
        return 0;
    }

    QObject::connect(&app, &QtSingleApplication::messageReceived, &app, [](const QString &message) {
        say(QStringLiteral("received:") + message);
        if (message == QLatin1String("quit"))
            QCoreApplication::quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}
