#include "database/tablevehicle.h"

#include "database/tablevehicletype.h"
#include "database/transaction.h"
#include "database/vehicle.h"

CTableVehicle::CTableVehicle(CDatabase *database, QObject *parent)
    : CTableVehicleBase(database, QStringLiteral("vehicle"), parent)
{
    init();
    if (CTableVehicleType *source = CTableVehicleType::instance())
        connect(source, &CTable::deleted, this, &CTableVehicle::slotVehicleTypeDeleted);
}

bool CTableVehicle::removeVehicle(int id)
{
    CTransaction transaction(m_database);
    if (!transaction.isActive() || !remove(id))
        return false;
    return transaction.commit();
}

bool CTableVehicle::renumber(QList<CVehicle> &vehicles)
{
    bool inOrder = true;
    for (int i = 0; inOrder && i < vehicles.size(); ++i)
        inOrder = vehicles.at(i).order() == i;
    if (inOrder)
        return true;

    CTransaction transaction(m_database);
    if (!transaction.isActive())
        return false;
    const QString where = QStringLiteral("%1=?").arg(column(Id));
    for (int i = 0; i < vehicles.size(); ++i) {
        if (vehicles.at(i).order() != i && updateFieldWhere(Order, i, where, {vehicles.at(i).id()}) < 0)
            return false;
    }
    if (!transaction.commit())
        return false;
    for (int i = 0; i < vehicles.size(); ++i) {
        CVehicle &vehicle = vehicles[i];
        const bool autoSave = vehicle.autoSave();
        const bool modified = vehicle.isModified();
        vehicle.setAutoSave(false);
        vehicle.setOrder(i);
        vehicle.setModified(modified);
        vehicle.setAutoSave(autoSave);
    }
    return true;
}

void CTableVehicle::slotVehicleTypeDeleted(int typeId)
{
    CTransaction transaction(m_database);
    CTableVehicleType *types = CTableVehicleType::instance();
    const QString where = QStringLiteral("%1=?").arg(column(TypeId));
    const QList<int> moved = ids(where, {typeId});
    if (updateFieldWhere(TypeId, types ? types->firstId() : 0, where, {typeId}) < 0)
        return;
    // Open pages and cards of these vehicles show the new type at once.
    for (int id : moved)
        emit updated(id);
    transaction.commit();
}

int CTableVehicle::countOfType(int typeId)
{
    return qMax(0, count(QStringLiteral("%1=?").arg(column(TypeId)), {typeId}));
}
