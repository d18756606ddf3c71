#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>

class CTableObject;

// The odometer reading that a fuel entry, service session, expense or note
// writes when it is saved; its parent id is the saved record's id.
struct ParentReading
{
    int parentType = 0;
    int vehicleId = 0;
    QDate date;
    int odometer = 0;
    QString description;
};

// Saves a record of a vehicle log together with its one odometer reading.
class RecordSave
{
    Q_DECLARE_TR_FUNCTIONS(RecordSave)

public:
    // Writes of other rows that belong to the saved record (a session's
    // items, say); false makes the whole save fail.
    using Dependents = std::function<bool(int savedId)>;

    // In one transaction: writes `record` (insert or update), then
    // `dependents` with the saved id, then the record's reading (updated in
    // place, or a new one). Every write and the commit are checked; on any
    // failure the transaction rolls back, `record` is left as it was,
    // `errorText` says what failed and 0 is returned. A stored record whose
    // row is gone is not written again. Returns the record's id.
    template<class Record>
    static int save(Record &record, const ParentReading &reading, QString *errorText = nullptr,
                    const Dependents &dependents = Dependents())
    {
        Record copy(record);
        const int id = saveCopy(copy, reading, errorText, dependents);
        if (id != 0)
            record = copy;
        return id;
    }

    // The reading of a record without an odometer field of its own (an
    // expense, a note): the one estimated for the vehicle at `date`.
    static ParentReading estimatedReading(int parentType, int vehicleId, const QDate &date,
                                          const QString &description);

private:
    static int saveCopy(CTableObject &record, const ParentReading &reading, QString *errorText,
                        const Dependents &dependents);
};
