#pragma once

#include <QCoreApplication>
#include <QString>

// A program version: major, minor, patch and build, compared numerically.
class Version
{
    Q_DECLARE_TR_FUNCTIONS(Version)

public:
    Version() = default;
    Version(int major, int minor, int patch, int build);

    // Reads up to four "."-separated decimal parts; a missing part stays 0
    // and a part that is not a number reads as 0, so "2.1" equals 2.1.0.0.
    static Version fromString(const QString &text);

    // "major.minor.patch", followed by `separator` and the build when
    // `withBuild` is set.
    QString toString(const QString &separator = QStringLiteral("."), bool withBuild = true) const;
    // "Version 2.1.1 (build 9)".
    QString displayText() const;

    bool isLessThan(const Version &other) const;

    int major() const { return m_major; }
    int minor() const { return m_minor; }
    int patch() const { return m_patch; }
    int build() const { return m_build; }

    friend bool operator<(const Version &a, const Version &b) { return a.isLessThan(b); }
    friend bool operator==(const Version &a, const Version &b)
    {
        return !a.isLessThan(b) && !b.isLessThan(a);
    }
    friend bool operator!=(const Version &a, const Version &b) { return !(a == b); }

private:
    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
    int m_build = 0;
};
