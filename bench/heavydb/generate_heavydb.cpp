// Writes the heavy database of the benchmarks into a file:
//
//     generate_heavydb <file> [--seed N] [--scale F]
//
// The default seed is 1 and the default scale 1 (100,000 fuel entries, 10,000
// of them on the first vehicle); --scale 0.1 writes a tenth of every count.

#include "heavydatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    QString path;
    quint32 seed = 1;
    double scale = 1.0;
    bool ok = true;
    for (int i = 0; ok && i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--seed") && i + 1 < arguments.size())
            seed = arguments.at(++i).toUInt(&ok);
        else if (argument == QLatin1String("--scale") && i + 1 < arguments.size())
            scale = arguments.at(++i).toDouble(&ok);
        else if (path.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            path = argument;
        else
            ok = false;
    }
    if (!ok || path.isEmpty() || scale <= 0.0) {
        err << "usage: generate_heavydb <file> [--seed N] [--scale F]\n";
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    HeavyDatabase::Result result;
    if (!HeavyDatabase::generate(path, HeavyDatabase::Scale().scaled(scale), seed, &result)) {
        err << "cannot write " << path << ": " << result.error << "\n";
        return 1;
    }
    out << path << ": " << result.rows << " rows in " << timer.elapsed() << " ms; busiest vehicle id "
        << result.busiestVehicleId << "\n";
    return 0;
}
