#pragma once

#include <QLatin1String>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class QSettings;

// Groups, keys and defaults of the configuration file. Group and key names
// are case-sensitive and stored exactly as written here.
namespace Config {

namespace Group {
constexpr QLatin1String Main("main");
constexpr QLatin1String MainWindow("MainWindow");
constexpr QLatin1String DefaultBehavior("DefaultBehavior");
constexpr QLatin1String VehicleContentLook("VehicleContentLook");
constexpr QLatin1String ExpenseColumns("ExpenseColumns");
constexpr QLatin1String FuelLogColumns("FuelLogColumns");
constexpr QLatin1String OdometerLogColumns("OdometerLogColumns");
constexpr QLatin1String NoteColumns("NoteColumns");
constexpr QLatin1String SessionColumns("SessionColumns");
constexpr QLatin1String ServiceScheduleTableColumns("ServiceScheduleTableColumns");
constexpr QLatin1String Reports("reports");
constexpr QLatin1String PrintPreviewDialog("PrintPreviewDialog");
constexpr QLatin1String Updater("Updater");
constexpr QLatin1String Backup("Backup");
constexpr QLatin1String ScheduleReminders("ScheduleReminders");
} // namespace Group

namespace Key {
// "main"
constexpr QLatin1String DateFormat("DateFormat");
constexpr QLatin1String TimeFormat("TimeFormat");
constexpr QLatin1String PdfDirectoryPath("PdfDirectoryPath");
// "MainWindow" (byte arrays from saveGeometry / QSplitter::saveState, and a bool)
constexpr QLatin1String Geometry("geometry");
constexpr QLatin1String ContentSplitterSizes("contentSplitterSizes");
constexpr QLatin1String WindowMaximized("windowMaximized");
// "DefaultBehavior"
constexpr QLatin1String ShowTrayIcon("ShowTrayIcon");
// "VehicleContentLook"
constexpr QLatin1String VehicleSplitterSizes("vehicleSplitterSizes");
constexpr QLatin1String ExpenseSplitterSizes("expenseSplitterSizes");
constexpr QLatin1String NoteSplitterSizes("noteSplitterSizes");
constexpr QLatin1String ServiceSplitterSizes("serviceSplitterSizes");
// "reports": a page prefix followed directly by one of the fields
constexpr QLatin1String VehicleCostReport("vehicleCostReport");
constexpr QLatin1String VehicleFuelReport("vehicleFuelReport");
constexpr QLatin1String PeriodType("PeriodType");
constexpr QLatin1String StartDate("StartDate");
constexpr QLatin1String EndDate("EndDate");
// "PrintPreviewDialog"
constexpr QLatin1String Width("Width");
constexpr QLatin1String Height("Height");
constexpr QLatin1String Left("Left");
constexpr QLatin1String Top("Top");
// "Updater"
constexpr QLatin1String LatestVersion("LatestVersion");
constexpr QLatin1String LastCheck("LastCheck");
constexpr QLatin1String AutocheckPeriod("AutocheckPeriod");
constexpr QLatin1String AutocheckEnabled("AutocheckEnabled");
constexpr QLatin1String VersionCheckOnAppStart("VersionCheckOnAppStart");
// Base address of the update server; the built-in one when missing.
constexpr QLatin1String ServerUrl("ServerUrl");
// "Backup": how many automatic copies are kept
constexpr QLatin1String DailyCopies("DailyCopies");
constexpr QLatin1String WeeklyCopies("WeeklyCopies");
// "ScheduleReminders" (dates "yyyy-MM-dd")
constexpr QLatin1String LastNotified("LastNotified");
constexpr QLatin1String DismissedOn("DismissedOn");

// "column%1" in the *Columns groups.
QString column(int index);
// `page` + `field`, e.g. report(VehicleCostReport, StartDate).
QString report(QLatin1String page, QLatin1String field);
} // namespace Key

namespace Default {
constexpr QLatin1String DateFormat("MMMM dd yyyy");
constexpr QLatin1String TimeFormat("hh:mm");
constexpr bool WindowMaximized = false;
constexpr bool ShowTrayIcon = false;
// "yyyy-MM-dd hh:mm:ss"
constexpr QLatin1String LastCheck("2013-11-01 00:00:00");
constexpr int AutocheckPeriod = 2;
constexpr int AutocheckEnabled = 1;
constexpr int VersionCheckOnAppStart = 1;
constexpr int DailyCopies = 7;
constexpr int WeeklyCopies = 8;
// The running application version.
QString latestVersion();
} // namespace Default

} // namespace Config

// The per-user INI configuration file "garvo.ini" in the data directory.
//
// Every read and write goes to the current group, which is sticky: it stays
// until the next setGroup(), so callers set the group they need right before
// their reads and writes. When the file neither exists nor can be created,
// reads return the caller's default and writes are dropped.
class CConfiguration : public QObject
{
    Q_OBJECT

public:
    // Opens (creating when needed) `fileName`.
    explicit CConfiguration(const QString &fileName, QObject *parent = nullptr);
    ~CConfiguration() override;

    // The process-wide object on dataDirectory() + "garvo.ini", created on
    // first call.
    static CConfiguration *instance();
    // Deletes the process-wide object (writing pending changes); the next
    // instance() creates a new one.
    static void destroy();

    // Switches to `fileName`. The file is used when it exists, or when
    // `create` is set and it can be created. Returns isValid().
    bool open(const QString &fileName, bool create);
    bool isValid() const { return valid; }
    QString fileName() const { return m_fileName; }

    void setGroup(const QString &name);
    QString group() const { return m_group; }

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    void setValue(const QString &key, const QVariant &value);
    // Keys directly under `group`, or under the current group when empty.
    QStringList childKeys(const QString &group = QString()) const;

    // Writes pending changes to the file.
    void sync();

private:
    bool valid = false;
    QString m_fileName;
    std::unique_ptr<QSettings> settings;
    QString m_group = Config::Group::Main;
};
