#include "modules/updater/version.h"

#include <QStringList>

#include <array>

Version::Version(int major, int minor, int patch, int build)
    : m_major(major)
    , m_minor(minor)
    , m_patch(patch)
    , m_build(build)
{
}

Version Version::fromString(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    std::array<int, 4> numbers{};
    for (int i = 0; i < int(numbers.size()) && i < parts.size(); ++i)
        numbers[size_t(i)] = parts.at(i).toInt(); // 0 when not a number
    return Version(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QString Version::toString(const QString &separator, bool withBuild) const
{
    QString text = QStringLiteral("%1.%2.%3").arg(m_major).arg(m_minor).arg(m_patch);
    if (withBuild)
        text += separator + QString::number(m_build);
    return text;
}

QString Version::displayText() const
{
    return tr("Version %1 (build %2)").arg(toString(QString(), false)).arg(m_build);
}

bool Version::isLessThan(const Version &other) const
{
    const std::array<int, 4> mine{m_major, m_minor, m_patch, m_build};
    const std::array<int, 4> theirs{other.m_major, other.m_minor, other.m_patch, other.m_build};
    return mine < theirs;
}
