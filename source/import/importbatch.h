#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// The kinds of record an import brings.
enum class ImportKind { Fuel = 0, Service, Expense, Note, Odometer, Schedule };
constexpr int ImportKindCount = 6;

enum class DistanceUnit { Detect = 0, Kilometres, Miles };
enum class VolumeUnitKind { Detect = 0, Litres, UsGallons, UkGallons };
// The order of day, month and year in dates written with the device's locale.
enum class DateOrder { Detect = 0, YearMonthDay, DayMonthYear, MonthDayYear };
enum class DecimalMark { Detect = 0, Point, Comma };

// How the reader arrived at one of the settings of a batch.
enum class SettingSource {
    NotUsed = 0, // the file does not depend on it
    FromFile,    // the file states it
    Guessed      // taken from the values or a default: the user should confirm
};

// The choices that decide how a file is read and converted. "Detect" lets
// the reader decide; a batch carries the choices it was read with, which the
// user may change before the file is read again.
struct ImportSettings
{
    DistanceUnit distanceUnit = DistanceUnit::Detect;
    VolumeUnitKind volumeUnit = VolumeUnitKind::Detect;
    DateOrder dateOrder = DateOrder::Detect;
    DecimalMark decimalMark = DecimalMark::Detect;
    // Which vehicle of a file that holds several (0 = the first).
    int vehicleIndex = 0;
    // The unit fuel quantities are recorded in (the "Gallon" of the volume
    // unit setting is US or UK gallons); see ImportUnits::defaultTargetVolume().
    VolumeUnitKind targetVolume = VolumeUnitKind::Detect;
};

// Where a row comes from: the file and the line it starts on.
struct ImportOrigin
{
    QString file;
    int line = 0;
};

// A row that could not be read, and why.
struct ImportProblem
{
    ImportKind kind = ImportKind::Fuel;
    ImportOrigin origin;
    QString reason;
};

// Values as the file holds them, in the units of the batch's settings.
struct ImportFuel
{
    ImportOrigin origin;
    QDate date;
    double odometer = 0.0;
    double quantity = 0.0;
    double costPerUnit = 0.0;
    double totalCost = 0.0;
    int fuel = 1; // 1 the first fuel, 2 the second
    bool partial = false; // the tank was not filled up
    bool missed = false;  // fill-ups were missed before this one
    QString note;

    // Rows of our own export carry every stored column; the importer keeps
    // them instead of computing distance and efficiency.
    bool stored = false;
    int distance = 0;
    double efficiency = 0.0;
    uint tires = 0, drivingStyle = 0, routes = 0, extras = 0, driverId = 0;
    int sourceId = 0;
};

struct ImportServiceItem
{
    QString description;
    double cost = 0.0;
};

struct ImportService
{
    ImportOrigin origin;
    QDate date;
    // Negative when the file gives none: the reading is estimated.
    double odometer = -1.0;
    QString description;
    // Empty when the file gives only a total: then the session gets one item
    // named by `description` (or "Service") carrying `total`.
    QVector<ImportServiceItem> items;
    double total = 0.0;
    int vendorId = 0;
    int sourceId = 0;
};

struct ImportExpense
{
    ImportOrigin origin;
    QDate date;
    // Negative when the file gives none: the reading is estimated.
    double odometer = -1.0;
    QString name;
    double amount = 0.0;
    QString comment;
    int sourceId = 0;
};

struct ImportNote
{
    ImportOrigin origin;
    QDate date;
    QString title;
    QString text;
    bool starred = false;
    int sourceId = 0;
};

struct ImportOdometer
{
    ImportOrigin origin;
    QDate date;
    double reading = 0.0;
    QString description;
    // Our own export links a reading to the record that wrote it.
    int parentType = 1;
    int parentSourceId = 0;
};

// A service schedule of our own export, every stored column.
struct ImportSchedule
{
    ImportOrigin origin;
    QString name;
    QString description;
    QDate lastCheckDate;
    int lastCheckOdometer = -1;
    int dueType = 0;
    QDate dueDate;
    int dueOdometer = -1;
    int reminderType = 0;
    QDate reminderDate;
    int reminderOdometer = -1;
    int repeatType = 0;
    QString repeatPeriod;
    int repeatOdometer = -1;
    int status = 1;
};

// The vehicle a file describes, for creating the target vehicle.
struct ImportVehicle
{
    bool present = false;
    QString name;
    QString description;
    QString licensePlate;
    int fuelSystem = 1; // 1 single fuel, 2 two fuels
    QString fuelNameFirst;
    QString fuelNameSecond;

    // Our own export carries every stored column.
    bool stored = false;
    QDate date;
    QString typeName;
    int odometerValue = 0;
    int odometerType = 0;
    QDate registrationExpirationDate;
    int locationId = 0;
    int status = 0;
    int order = 0;
    bool favorite = false;
};

// What one or more files of one source hold, parsed into plain values.
struct ImportBatch
{
    QString sourceName;
    QStringList files;
    // The settings the rows were read with, and where each came from.
    ImportSettings settings;
    SettingSource distanceUnitSource = SettingSource::NotUsed;
    SettingSource volumeUnitSource = SettingSource::NotUsed;
    SettingSource dateOrderSource = SettingSource::NotUsed;
    SettingSource decimalMarkSource = SettingSource::NotUsed;
    // Names of the vehicles of a file that holds several; empty otherwise.
    QStringList vehicleChoices;

    ImportVehicle vehicle;
    QVector<ImportFuel> fuel;
    QVector<ImportService> services;
    QVector<ImportExpense> expenses;
    QVector<ImportNote> notes;
    QVector<ImportOdometer> odometer;
    QVector<ImportSchedule> schedules;
    QVector<ImportProblem> problems;

    // Rows read (not the problems).
    int rowCount() const;
    bool isEmpty() const;
};

// Conversions between the units of a file and those of the records.
namespace ImportUnits {

constexpr double KilometresPerMile = 1.609344;
constexpr double LitresPerUsGallon = 3.785411784;
constexpr double LitresPerUkGallon = 4.54609;

double litresPer(VolumeUnitKind unit);
// Litres for the volume unit setting 1, US gallons for 2 (the unit the fuel
// log's "Gallon" most often means), litres when not chosen.
VolumeUnitKind defaultTargetVolume();
// A distance in `from` as `to`; hours and unknown units are left alone.
double convertDistance(double value, DistanceUnit from, int odometerType);

QString distanceUnitName(DistanceUnit unit);
QString volumeUnitName(VolumeUnitKind unit);
QString dateOrderName(DateOrder order);
QString decimalMarkName(DecimalMark mark);
QString kindName(ImportKind kind);

} // namespace ImportUnits
