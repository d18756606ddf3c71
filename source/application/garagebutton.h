#pragma once

#include "widgets/bigtoolbutton.h"

// The tool-bar button of the garage: opens the garage, or the empty-garage
// page while no vehicle is stored.
class CGarageButton : public CBigToolButton
{
    Q_OBJECT

public:
    explicit CGarageButton(QWidget *parent = nullptr);

    // The garage page that fits the vehicle table now: 1 when it holds no
    // record, 2 otherwise.
    static int garageModuleId();

public slots:
    void slotActivateModule() override;
};
