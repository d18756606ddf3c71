#pragma once

#include "database/baseodometerlog.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

class CTable;

// One odometer reading of a vehicle. Every save raises the vehicle's own
// odometer value when the reading is higher; nothing ever lowers it.
class COdometerLog : public CBaseOdometerLog
{
    Q_DECLARE_TR_FUNCTIONS(COdometerLog)

public:
    // The kind of entry a reading belongs to (`_parent_type`).
    enum ParentType {
        NoParent = 0,
        VehicleParent = 1, // the starting reading and readings entered by hand
        FuelParent = 2,
        ServiceParent = 3,
        ExpenseParent = 4,
        NoteParent = 5
    };

    COdometerLog() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit COdometerLog(int id);

    // Writes the reading and raises its vehicle's odometer value, both in one
    // transaction (joining the caller's when one is open). Returns the id, or
    // 0 when anything failed: a negative reading, a stored reading whose row
    // is gone, a failing statement. On failure nothing is written and an
    // unsaved record stays unsaved.
    int save(bool force = false) override;

    // The reading of the given entry, or a fresh unsaved one bound to it.
    static COdometerLog byParent(int parentType, int parentId);

    // Writes the one reading of a fuel entry, service session, expense or
    // note: its stored reading updated in place, or a new one. Call it inside
    // the parent's transaction; a failure (0) makes that transaction fail.
    static int saveForParent(int parentType, int parentId, int vehicleId, const QDate &date,
                             int odometer, const QString &description = QString());

    // Deletes a fuel entry, service session, expense or note of the given
    // kind and keeps its reading as one entered by hand, both in one
    // transaction (joining the caller's when one is open). SQLite hands the
    // deleted id to the next new row, which would otherwise adopt the
    // reading. False when either step fails; then nothing changed.
    static bool removeParent(int parentType, int parentId);
    // Deletes row `id` of any record table in one transaction; rows of the
    // tables whose records own a reading go through removeParent().
    static bool removeRecord(CTable *table, int id);

    // The reading interpolated for a day on which none was taken, from the
    // nearest readings on or before and on or after it; always between the
    // two. 0 when the vehicle has no dated reading or `date` is invalid.
    static int estimatedOdometer(const QDate &date, int vehicleId);

    // The list icon of a parent kind; the odometer icon for any unknown kind.
    static QString iconPath(int parentType);
};
