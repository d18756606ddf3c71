#include "utility/utility.h"

#include "application/configuration.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>

namespace Utility {

QString dataLocation(const QString &name)
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                         + QLatin1Char('/') + name + QLatin1Char('/');
    QDir().mkpath(path);
    return path;
}

QString dataDirectory()
{
    return dataLocation(QStringLiteral("data"));
}

QString downloadDirectory()
{
    return dataLocation(QStringLiteral("download"));
}

QString applicationDirectory()
{
    return dataLocation(QStringLiteral("application"));
}

QString dateFormat()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Main);
    return config->value(Config::Key::DateFormat, Config::Default::DateFormat).toString();
}

QString timeFormat()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Main);
    return config->value(Config::Key::TimeFormat, Config::Default::TimeFormat).toString();
}

QString dateTimeFormat()
{
    return dateFormat() + QStringLiteral(", ") + timeFormat();
}

namespace {

// 10^exponent for exponent >= 0, by repeated squaring.
double powerOfTen(int exponent)
{
    double result = 1.0;
    double base = 10.0;
    while (exponent > 0) {
        if (exponent & 1)
            result *= base;
        base *= base;
        exponent >>= 1;
    }
    return result;
}

// floor(scaled + 0.5), where a value that misses the half by no more than
// the representation error of a decimal fraction still counts as the half.
double roundHalfUp(double scaled)
{
    const double tolerance = std::abs(scaled) * 1e-14;
    return std::floor(scaled + 0.5 + tolerance);
}

} // namespace

double roundTo(double value, int digits)
{
    if (!std::isfinite(value))
        return value;
    // Dividing by 10^n rather than multiplying by the inexact 10^-n keeps
    // whole hundreds and thousands exact.
    if (digits < 0) {
        const double factor = powerOfTen(-digits);
        return roundHalfUp(value / factor) * factor;
    }
    const double factor = powerOfTen(digits);
    return roundHalfUp(value * factor) / factor;
}

QString numberToString(double value, int digits)
{
    return QString::number(roundTo(value, digits), 'f', digits > 0 ? digits : 0);
}

QString emptyIfBlank(const QString &text)
{
    return text.trimmed().isEmpty() ? QString() : text;
}

QString withTrailingSlash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

int maxInt(int a, int b)
{
    return a > b ? a : b;
}

bool removeDirectory(const QString &path)
{
    // "link/", "link//" and "link/." name the link's target to the system;
    // spelled without them the path names the link itself. ".." is resolved
    // on the text, so it never climbs out of a link's target either.
    const QString cleaned = QDir::cleanPath(path);
    const QFileInfo info(cleaned);
    // A link is removed itself; its target is none of our business.
    if (info.isSymLink())
        return QFile::remove(cleaned);
    if (!info.exists())
        return true;
    if (!info.isDir())
        return false;

    QDir dir(cleaned);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const bool removed = entry.isDir() && !entry.isSymLink() ? removeDirectory(entry.absoluteFilePath())
                                                                 : QFile::remove(entry.absoluteFilePath());
        if (!removed)
            return false;
    }
    return dir.rmdir(dir.absolutePath());
}

} // namespace Utility
