#include "testsupport.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#endif

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

#ifdef Q_OS_LINUX
namespace {
// The capabilities that let root pass over file permissions.
const unsigned int overrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
} // namespace
#endif

PermissionsEnforced::PermissionsEnforced()
{
#ifdef Q_OS_LINUX
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) == 0) {
        saved[0] = data[0].effective;
        saved[1] = data[1].effective;
        data[0].effective &= ~overrides;
        dropped = syscall(SYS_capset, &header, data) == 0;
    }
#endif
#ifdef Q_OS_UNIX
    enforced = dropped || geteuid() != 0;
#else
    enforced = true;
#endif
}

PermissionsEnforced::~PermissionsEnforced()
{
#ifdef Q_OS_LINUX
    if (!dropped)
        return;
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) == 0) {
        data[0].effective = saved[0];
        data[1].effective = saved[1];
        syscall(SYS_capset, &header, data);
    }
#endif
}

} // namespace TestSupport
