#pragma once

#include "import/importbatch.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// What an import will do for one kind of record.
struct ImportKindPreview
{
    int toImport = 0;
    int alreadyPresent = 0; // the same record is stored already
    int unreadable = 0;     // problems of this kind
    // Column titles and the first rows as texts, converted into the units of
    // the vehicle and the volume unit; `present` tells which rows are stored
    // already.
    QStringList headers;
    QVector<QStringList> rows;
    QVector<bool> present;
};

struct ImportPreview
{
    // Indexed by ImportKind.
    QVector<ImportKindPreview> kinds = QVector<ImportKindPreview>(ImportKindCount);
    // The batch's problems and those found while converting, in file order.
    QVector<ImportProblem> problems;

    const ImportKindPreview &kind(ImportKind kind) const { return kinds.at(int(kind)); }
    int totalToImport() const;
};

// Where an import goes: an existing vehicle, or a new one made from the
// batch's vehicle data under `newVehicleName`.
struct ImportTarget
{
    int vehicleId = 0; // 0: a new vehicle
    QString newVehicleName;
};

// Writes a batch into the database: all of it in one transaction or nothing.
// Rows already stored for the vehicle (same kind, date, odometer and amount)
// are skipped, so importing a file twice adds nothing; existing records are
// never changed. Odometers are converted into the vehicle's unit and
// quantities into the target volume; a full fill-up's efficiency covers the
// fuel of the partial fill-ups before it; a service with only a total gets
// one item; readings that equal an imported record's date and reading are
// not written twice.
class CImporter
{
    Q_DECLARE_TR_FUNCTIONS(CImporter)

public:
    CImporter(const ImportBatch &batch, const ImportTarget &target, const ImportSettings &settings);

    // How many rows of the first rows of each kind a preview lists.
    static constexpr int PreviewRows = 20;

    ImportPreview preview() const;

    // Writes everything in one transaction. `progress` (may be empty) is
    // called now and then with the rows written and the total; returning
    // false cancels. False with the reason in `error` on failure or cancel
    // (a row that cannot be stored is named "<file>, line <n>: <reason>");
    // then the database is unchanged. On success the record tables emit one
    // inserted() each for the rows they received (and the vehicle table
    // inserted() or updated() for the vehicle), so every page refreshes once.
    bool run(const std::function<bool(int done, int total)> &progress, QString *error);

    // The vehicle written to by the last successful run().
    int vehicleId() const;
    // What the last successful run() wrote, per kind (indexed by ImportKind).
    QVector<int> importedCounts() const;

private:
    struct Plan;
    Plan plan() const;

    ImportBatch m_batch;
    ImportTarget m_target;
    ImportSettings m_settings;
    int m_vehicleId = 0;
    QVector<int> m_imported = QVector<int>(ImportKindCount, 0);
};
