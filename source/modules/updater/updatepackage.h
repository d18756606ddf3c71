#pragma once

#include <QCoreApplication>
#include <QString>

// A downloaded update package: checking it against the digest the update
// server announced, and unpacking it into a folder of its own.
class UpdatePackage
{
    Q_DECLARE_TR_FUNCTIONS(UpdatePackage)

public:
    // Why a step failed: a header and a message for the update dialog.
    struct Failure
    {
        QString header;
        QString message;
    };

    explicit UpdatePackage(const QString &packagePath);

    // The empty file that marks an unpacked folder as complete.
    static QString completionMarker();

    // Why a package without an announced digest is refused.
    static QString missingDigestText();

    // The package's SHA-256 equals `sha256` (lower-case hex). An empty
    // expectation never matches.
    bool verify(const QString &sha256, Failure *failure) const;

    // Unpacks into `folder` (replacing what is there) and writes the
    // completion marker last. Every entry name is checked before anything
    // is written: absolute names, "..", drive letters, backslashes and
    // symbolic links refuse the whole package.
    bool unpack(const QString &folder, Failure *failure) const;

private:
    QString m_path;
};
