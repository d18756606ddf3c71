#pragma once

#include <QString>

// The heavy database of the benchmarks: twenty vehicles over twenty years of
// records, written into a new SQLite file.
//
// The tables and indexes are made by the program's own storage code, so the
// file has exactly the schema a user's file has; the rows are then written
// with plain prepared INSERT statements in one transaction. The same seed and
// scale always give the same file contents.
//
//     HeavyDatabase::Result result;
//     if (!HeavyDatabase::generate(path, HeavyDatabase::Scale(), 1, &result))
//         qFatal("%s", qPrintable(result.error));
//
// generate() opens the file on Qt's default connection and closes it again:
// call it while no CDatabase exists.
namespace HeavyDatabase {

// How many rows of each kind the file gets, spread over `vehicles` vehicles.
struct Scale
{
    int vehicles = 20;
    int years = 20;
    int fuelEntries = 100000;
    // Fuel entries of the first vehicle (two fuels), part of fuelEntries.
    int busiestVehicleFuelEntries = 10000;
    // Every reading: one per fuel entry, service, expense and note, the
    // starting reading of each vehicle, and readings entered by hand.
    int odometerReadings = 250000;
    int services = 20000;
    int serviceItems = 60000;
    int expenses = 20000;
    int notes = 5000;
    int schedules = 100;

    // Every count but vehicles and years multiplied by `factor`: 0.1 gives a
    // busiest vehicle of 1,000 fuel entries.
    Scale scaled(double factor) const;
};

struct Result
{
    // The vehicle with busiestVehicleFuelEntries fuel entries, on both fuels.
    int busiestVehicleId = 0;
    // A vehicle with one fuel and an average history.
    int ordinaryVehicleId = 0;
    int rows = 0;
    QString error;
};

// Writes a new file at `path` (an existing file is replaced). False with
// `result->error` set when the file cannot be written.
bool generate(const QString &path, const Scale &scale, quint32 seed, Result *result);

} // namespace HeavyDatabase
