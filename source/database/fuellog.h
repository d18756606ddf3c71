#pragma once

#include "database/basefuellog.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

class CVehicle;

// Totals of one fuel's entries, with the texts of the fuel footers.
struct FuelLogSummary
{
    int count = 0;
    int distance = 0;
    double quantity = 0.0;
    double totalCost = 0.0;
    double efficiency = 0.0;
    // "<fuel name>: <efficiency> <unit>".
    QString titleText;
    // "None entries", or "<n entries> | Distance: .. | Quantity: .. | Total Cost: ..".
    QString summaryText;
};

// A refuelling of a vehicle with its queries and its save rule.
class CFuelLog : public CBaseFuelLog
{
    Q_DECLARE_TR_FUNCTIONS(CFuelLog)

public:
    CFuelLog() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CFuelLog(int id);

    // The vehicle's entries in the order the database returns them, read
    // with one query; empty when the query fails.
    static QList<CFuelLog> listForVehicle(int vehicleId);
    // The entry of the same fuel with the highest odometer: for a new entry
    // (id 0) among the entries of `vehicleId`, for a stored one among those of
    // its own vehicle strictly below its own odometer. Dates never count, nor
    // do entries of the other fuel. A fresh entry (id 0) when there is none.
    static CFuelLog previousEntry(const CFuelLog &entry, int vehicleId, int fuelType);
    // Totals of the entries of `fuelType` belonging to `vehicleId` (0: any
    // vehicle); efficiency and texts use the vehicle `vehicleId`.
    static FuelLogSummary summarize(const QList<CFuelLog> &entries, int fuelType, int vehicleId);
    // The same totals and texts for the vehicle's fuel 1 (first) and fuel 2
    // (second), read with one grouped aggregate query, no record loaded;
    // with both dates valid, of the entries from `start` to `end` only.
    // Both are "None entries" when the query fails.
    static QList<FuelLogSummary> summarizeVehicle(const CVehicle &vehicle, const QDate &start = QDate(),
                                                  const QDate &end = QDate());
    // Efficiency and texts of `summary`, whose sums are set.
    static void describe(FuelLogSummary &summary, const CVehicle &vehicle, int fuelType);

    // The vehicle's first fuel name for fuel type 1, otherwise the second.
    static QString fuelName(const CVehicle &vehicle, int fuelType);

    // Saves this entry for `vehicle` together with its odometer reading in one
    // transaction: the efficiency is computed from distance and quantity with
    // the settings in force, then the entry and the reading (parent kind 2)
    // are written and committed. Returns the entry's id. On any failure
    // nothing is written, the entry is left as it was before the call, the
    // reason goes to `errorText` and 0 is returned.
    int saveWithReading(const CVehicle &vehicle, QString *errorText = nullptr);
    // "<fuel name>: <quantity> <volume unit> | <total cost>", the text of the
    // entry's odometer reading.
    QString readingDescription(const CVehicle &vehicle) const;
};
