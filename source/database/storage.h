#pragma once

// Creation and removal of the process-wide table objects, in the order their
// signal wiring needs. Each table object is built on CDatabase::instance()
// and creates its table when missing.
namespace Storage {

// The "vehicletype" table object; true when its table is usable.
bool createVehicleTypeTable();
void deleteVehicleTypeTable();

// vehicle, odometerlog, fuellog, service_session, service_item,
// service_schedule, note, expense, in that order; true when every table is
// usable.
bool createVehicleTables();
// The same tables in reverse order of dependence.
void deleteVehicleTables();

} // namespace Storage
