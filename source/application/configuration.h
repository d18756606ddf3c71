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

// A key from a string literal, its length taken from the array so that the
// constant is a compile-time one with every compiler.
template<int N>
constexpr QLatin1String literal(const char (&text)[N])
{
    return QLatin1String(text, N - 1);
}

namespace Group {
constexpr QLatin1String Main = literal("main");
constexpr QLatin1String MainWindow = literal("MainWindow");
constexpr QLatin1String DefaultBehavior = literal("DefaultBehavior");
constexpr QLatin1String VehicleContentLook = literal("VehicleContentLook");
constexpr QLatin1String ExpenseColumns = literal("ExpenseColumns");
constexpr QLatin1String FuelLogColumns = literal("FuelLogColumns");
constexpr QLatin1String OdometerLogColumns = literal("OdometerLogColumns");
constexpr QLatin1String NoteColumns = literal("NoteColumns");
constexpr QLatin1String SessionColumns = literal("SessionColumns");
constexpr QLatin1String ServiceScheduleTableColumns = literal("ServiceScheduleTableColumns");
constexpr QLatin1String Reports = literal("reports");
constexpr QLatin1String PrintPreviewDialog = literal("PrintPreviewDialog");
constexpr QLatin1String Updater = literal("Updater");
constexpr QLatin1String Backup = literal("Backup");
constexpr QLatin1String ScheduleReminders = literal("ScheduleReminders");
} // namespace Group

namespace Key {
// "main"
constexpr QLatin1String DateFormat = literal("DateFormat");
constexpr QLatin1String TimeFormat = literal("TimeFormat");
constexpr QLatin1String PdfDirectoryPath = literal("PdfDirectoryPath");
// "MainWindow" (byte arrays from saveGeometry / QSplitter::saveState, and a bool)
constexpr QLatin1String Geometry = literal("geometry");
constexpr QLatin1String ContentSplitterSizes = literal("contentSplitterSizes");
constexpr QLatin1String WindowMaximized = literal("windowMaximized");
// "DefaultBehavior"
constexpr QLatin1String ShowTrayIcon = literal("ShowTrayIcon");
// "VehicleContentLook"
constexpr QLatin1String VehicleSplitterSizes = literal("vehicleSplitterSizes");
constexpr QLatin1String ExpenseSplitterSizes = literal("expenseSplitterSizes");
constexpr QLatin1String NoteSplitterSizes = literal("noteSplitterSizes");
constexpr QLatin1String ServiceSplitterSizes = literal("serviceSplitterSizes");
// "reports": a page prefix followed directly by one of the fields
constexpr QLatin1String VehicleCostReport = literal("vehicleCostReport");
constexpr QLatin1String VehicleFuelReport = literal("vehicleFuelReport");
constexpr QLatin1String PeriodType = literal("PeriodType");
constexpr QLatin1String StartDate = literal("StartDate");
constexpr QLatin1String EndDate = literal("EndDate");
// "PrintPreviewDialog"
constexpr QLatin1String Width = literal("Width");
constexpr QLatin1String Height = literal("Height");
constexpr QLatin1String Left = literal("Left");
constexpr QLatin1String Top = literal("Top");
// "Updater"
constexpr QLatin1String LatestVersion = literal("LatestVersion");
constexpr QLatin1String LastCheck = literal("LastCheck");
constexpr QLatin1String AutocheckPeriod = literal("AutocheckPeriod");
constexpr QLatin1String AutocheckEnabled = literal("AutocheckEnabled");
constexpr QLatin1String VersionCheckOnAppStart = literal("VersionCheckOnAppStart");
// Base address of the update server; the built-in one when missing.
constexpr QLatin1String ServerUrl = literal("ServerUrl");
// "Backup": how many automatic copies are kept
constexpr QLatin1String DailyCopies = literal("DailyCopies");
constexpr QLatin1String WeeklyCopies = literal("WeeklyCopies");
// "ScheduleReminders" (dates "yyyy-MM-dd")
constexpr QLatin1String LastNotified = literal("LastNotified");
constexpr QLatin1String DismissedOn = literal("DismissedOn");

// "column%1" in the *Columns groups.
QString column(int index);
// `page` + `field`, e.g. report(VehicleCostReport, StartDate).
QString report(QLatin1String page, QLatin1String field);
} // namespace Key

namespace Default {
constexpr QLatin1String DateFormat = literal("MMMM dd yyyy");
constexpr QLatin1String TimeFormat = literal("hh:mm");
constexpr bool WindowMaximized = false;
constexpr bool ShowTrayIcon = false;
// "yyyy-MM-dd hh:mm:ss"
constexpr QLatin1String LastCheck = literal("2013-11-01 00:00:00");
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
