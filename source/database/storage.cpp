#include "database/storage.h"

#include "database/database.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceitem.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"

namespace Storage {

namespace {

// Builds the table object unless it already exists; true when its table
// exists afterwards.
template<class T>
bool create()
{
    T *table = T::instance();
    if (!table)
        table = new T(CDatabase::instance());
    return table->database() && table->database()->tableExists(table->tableName());
}

template<class T>
void destroy()
{
    delete T::instance();
}

} // namespace

bool createVehicleTypeTable()
{
    return create<CTableVehicleType>();
}

void deleteVehicleTypeTable()
{
    destroy<CTableVehicleType>();
}

bool createVehicleTables()
{
    // Each table connects to the tables made before it: keep this order.
    bool ok = create<CTableVehicle>();
    ok = create<CTableOdometerLog>() && ok;
    ok = create<CTableFuelLog>() && ok;
    ok = create<CTableSession>() && ok;
    ok = create<CTableServiceItem>() && ok;
    ok = create<CTableServiceSchedule>() && ok;
    ok = create<CTableNote>() && ok;
    ok = create<CTableExpense>() && ok;
    return ok;
}

void deleteVehicleTables()
{
    destroy<CTableExpense>();
    destroy<CTableNote>();
    destroy<CTableServiceSchedule>();
    destroy<CTableSession>();
    destroy<CTableServiceItem>();
    destroy<CTableFuelLog>();
    destroy<CTableOdometerLog>();
    destroy<CTableVehicle>();
}

} // namespace Storage
