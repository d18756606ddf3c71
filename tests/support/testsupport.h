#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

namespace TestSupport {

// Points every per-user location (data, configuration, cache, home) at a
// fresh temporary folder, so a test never reads or writes the real user's
// files. Call before the application object exists.
void isolateUserDirectories();

// The temporary root made by isolateUserDirectories().
QString userRoot();

// While alive, file permissions hold for this thread even when the tests run
// as root, which otherwise writes into read-only files and folders.
class PermissionsEnforced
{
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced &) = delete;
    PermissionsEnforced &operator=(const PermissionsEnforced &) = delete;

    // False when permissions still do not bind (they do for other users).
    bool isEnforced() const { return enforced; }

private:
    bool dropped = false;
    bool enforced = false;
    unsigned int saved[2] = {0, 0};
};

} // namespace TestSupport

#define GARVO_TEST_MAIN_IMPL(TestObject, AppClass)                                                  \
    int main(int argc, char *argv[])                                                                \
    {                                                                                               \
        TestSupport::isolateUserDirectories();                                                      \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")  \
                                                                         : qgetenv("QT_QPA_PLATFORM")); \
        AppClass app(argc, argv);                                                                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                    \
        app.setApplicationName(QStringLiteral("Garvo"));                                            \
        app.setOrganizationName(QStringLiteral("Kestrel Row"));                                     \
        TestObject tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                       \
    }

// Widgets available (offscreen platform unless the environment says otherwise).
#define GARVO_TEST_MAIN(TestObject) GARVO_TEST_MAIN_IMPL(TestObject, QApplication)
// No widgets.
#define GARVO_TEST_GUILESS_MAIN(TestObject) GARVO_TEST_MAIN_IMPL(TestObject, QCoreApplication)
