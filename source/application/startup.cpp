#include "application/startup.h"

#include "application/appmw.h"
#include "application/applicationicon.h"
#include "application/commandline.h"
#include "application/configuration.h"
#include "application/qtsingleapplication.h"
#include "database/database.h"
#include "database/settings.h"
#include "modules/backup/backupactions.h"
#include "modules/updater/garvoupdater.h"
#include "setup/applicationsetupwizarddialog.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>

#include <memory>

namespace {

class Startup
{
    Q_DECLARE_TR_FUNCTIONS(Startup)

public:
    // Tells the user that the records cannot be kept, and why.
    static void reportDatabaseFailure(const CDatabase *database)
    {
        const QString file = QDir::toNativeSeparators(database->fileName());
        const QStringList reasons = database->isOpen() ? database->faults() : QStringList{database->errorText()};
        qCritical("Garvo cannot use its database %s: %s", qUtf8Printable(file),
                  qUtf8Printable(reasons.join(QLatin1Char(' '))));
        const QString lead = database->isOpen()
                                 ? tr("The database file <b>%1</b> does not have the tables and columns Garvo "
                                      "keeps your records in.")
                                 : tr("The database file <b>%1</b> could not be opened or created, or it "
                                      "cannot be written.");
        QString text = QStringLiteral("<p>%1</p>").arg(lead.arg(file.toHtmlEscaped()));
        for (const QString &reason : reasons)
            text += QStringLiteral("<p>%1</p>").arg(reason.toHtmlEscaped());
        text += QStringLiteral("<p>%1</p>").arg(tr("Garvo cannot keep your records without it and will close now."));
        Utility::Prompt::critical(nullptr, QCoreApplication::applicationName(), text);
    }
};

const QString WakeUpMessage = QStringLiteral("Wake up!");
const QString InitialSetupDoneKey = QStringLiteral("InitialApplicationSetupDone");

} // namespace

int runGarvo(int argc, char *argv[])
{
    auto app = std::make_unique<QtSingleApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Garvo"));
    // The one version number is the project's, given by the build.
    QCoreApplication::setApplicationVersion(QStringLiteral(GARVO_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrel Row"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kestrelrow.example"));
    // Window class "Garvo" (the application name) and this id tie the windows to the desktop entry.
    QGuiApplication::setDesktopFileName(applicationDesktopId());
    QGuiApplication::setWindowIcon(applicationIcon());

    const CommandLine::Switches switches = CommandLine::match(QCoreApplication::arguments());
    if (switches.installUpdate()) {
        Utility::waitFor(750);
        return GarvoUpdater::installUpdate() ? 0 : 1;
    }
    if (switches.cleanThenStart())
        GarvoUpdater::cleanDownloads();

    if (app->sendMessage(WakeUpMessage, 5000) || app->isRunning())
        return 0;

    // Process-wide through CMainWindow::instance(); deleted before the application object.
    std::unique_ptr<CAppMW> window = std::make_unique<CAppMW>();

    // Without its database the program would run on and store nothing.
    if (!CDatabase::instance()->isOpen() || !CDatabase::instance()->faults().isEmpty()) {
        Startup::reportDatabaseFailure(CDatabase::instance());
        return 2;
    }

    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::MainWindow);
    if (config->value(Config::Key::WindowMaximized, Config::Default::WindowMaximized).toBool())
        window->showMaximized();
    else
        window->show();

    app->setActivationWindow(window.get(), true);
    runDailyBackup(window.get());

    if (!CSettings::instance()->value(InitialSetupDoneKey, false).toBool()) {
        // Not finished: the flag stays unset, so the wizard comes again next time.
        if (!runSetupWizard(window.get()))
            return 0;
        CSettings::instance()->setValue(InitialSetupDoneKey, 1);
    }

    QObject::connect(app.get(), &QtSingleApplication::messageReceived, window.get(), &CMainWindow::reactivate);

    const int exitCode = QCoreApplication::exec();
    window.reset();
    return exitCode;
}
