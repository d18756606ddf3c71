#pragma once

// Runs the new-vehicle wizard modally over the main window. Returns the new
// vehicle's id, or 0 when the user did not finish it.
int runNewVehicleWizard();
