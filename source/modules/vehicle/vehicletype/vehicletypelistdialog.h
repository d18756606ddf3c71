#pragma once

#include "widgets/dialog.h"

class CVehicleTypeManagerWidget;
class QPushButton;

// The "Vehicle Types" dialog: the type manager and a Close button.
class CVehicleTypeListDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CVehicleTypeListDialog(QWidget *parent = nullptr);

    CVehicleTypeManagerWidget *manager() const { return m_manager; }
    QPushButton *closeButton() const { return m_closeButton; }

    void retranslate();

private:
    CVehicleTypeManagerWidget *m_manager = nullptr;
    QPushButton *m_closeButton = nullptr;
};

// Runs the type list dialog modally over the main window.
void runVehicleTypeListDialog();
