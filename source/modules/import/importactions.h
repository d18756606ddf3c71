#pragma once

class QWidget;

// Runs the import dialog; after an import the page of the vehicle the
// records went to is shown. Returns that vehicle's id, 0 when nothing was
// imported.
int runImport(QWidget *parent);

// Runs the export dialog.
void runExport(QWidget *parent);
