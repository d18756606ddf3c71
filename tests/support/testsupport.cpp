#include "testsupport.h"

#include <QDir>
#include <QStandardPaths>

namespace TestSupport {

namespace {
QTemporaryDir *root = nullptr;
}

void isolateUserDirectories()
{
    if (root)
        return;
    root = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/garvo-test-XXXXXX"));
    if (!root->isValid())
        qFatal("cannot create a temporary folder for the test");
    const QString base = root->path();
    for (const char *sub : {"home", "data", "config", "cache", "runtime"})
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(sub));
    qputenv("HOME", QFile::encodeName(base + QStringLiteral("/home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(base + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + QStringLiteral("/runtime")));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // No test talks to the real update server; one that needs a server
    // starts its own and points here.
    qputenv("GARVO_UPDATE_URL", "http://127.0.0.1:9");
    // The temporary folder is removed when the process exits normally.
    std::atexit([] { delete root; root = nullptr; });
}

QString userRoot()
{
    return root ? root->path() : QString();
}

} // namespace TestSupport
