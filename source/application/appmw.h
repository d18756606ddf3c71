#pragma once

#include "application/mainwindow.h"

// The application's main window: shows its bars, opens the garage and
// applies the application style sheet.
class CAppMW : public CMainWindow
{
    Q_OBJECT

public:
    explicit CAppMW(QWidget *parent = nullptr);

    void retranslate() override;
};
