#pragma once

#include "database/baseexpense.h"

#include <QCoreApplication>

// A vehicle cost that is neither fuel nor a service: parking, a toll, a
// ticket...
class CExpense : public CBaseExpense
{
    Q_DECLARE_TR_FUNCTIONS(CExpense)

public:
    CExpense() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CExpense(int id);

    // Saves the expense with its odometer reading (RecordSave), the amount
    // rounded half up to 8 decimals; a new expense belongs to `vehicleId`.
    // The reading is the one estimated for the vehicle at the expense's
    // date. Returns the id, or 0 with the reason in `errorText`.
    int saveWithReading(int vehicleId, QString *errorText = nullptr);
    // "<name> - <comment>", or the name alone without a comment.
    QString readingDescription() const;

    // The amount as the dialog shows it for editing: 8 decimals without
    // the trailing zeros ("12.5", "12.").
    static QString amountText(double amount);
};
