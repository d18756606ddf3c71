#pragma once

// The feature components, built in a fixed order by the main window after the
// framework: garage, dashboard, vehicle types, vehicle, vendors, reports,
// options, help, print. Finishing runs in the reverse order; retranslating in
// the same order as building.
void initComponents();
void finishComponents();
void retranslateComponents();
