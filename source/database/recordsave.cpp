#include "database/recordsave.h"

#include "database/database.h"
#include "database/odometerlog.h"
#include "database/table.h"
#include "database/tableobject.h"
#include "database/tableodometerlog.h"
#include "database/transaction.h"

int RecordSave::saveCopy(CTableObject &record, const ParentReading &reading, QString *errorText,
                         const Dependents &dependents)
{
    auto fail = [errorText](const QString &reason) {
        if (errorText)
            *errorText = reason;
        return 0;
    };

    CTable *table = record.table();
    if (!table || !CTableOdometerLog::instance())
        return fail(tr("The database is not available."));
    CTransaction transaction(table->database());
    if (!transaction.isActive())
        return fail(tr("The database could not begin a transaction."));
    // An update of a deleted row would change nothing and look like success.
    if (record.id() != 0 && !table->exists(record.id()))
        return fail(tr("This entry no longer exists; it may have been deleted."));

    record.setAutoSave(false);
    const int id = record.save(true);
    if (id == 0)
        return fail(tr("The entry could not be saved."));
    if (dependents && !dependents(id))
        return fail(tr("The entry could not be saved."));
    if (COdometerLog::saveForParent(reading.parentType, id, reading.vehicleId, reading.date, reading.odometer,
                                    reading.description)
        == 0)
        return fail(tr("The odometer reading of the entry could not be saved."));
    if (!transaction.commit())
        return fail(tr("The entry could not be saved."));
    return id;
}

ParentReading RecordSave::estimatedReading(int parentType, int vehicleId, const QDate &date,
                                           const QString &description)
{
    return {parentType, vehicleId, date, COdometerLog::estimatedOdometer(date, vehicleId), description};
}
