#include "benchtiming.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVector>

#include <algorithm>

namespace BenchTiming {

double median(int runs, const std::function<void()> &work, const std::function<void()> &prepare)
{
    QVector<double> times;
    for (int i = 0; i < qMax(1, runs); ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void useFolder(const QTemporaryDir &folder)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", folder.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folder.filePath(QStringLiteral("runtime")).toLocal8Bit());
}

} // namespace BenchTiming
