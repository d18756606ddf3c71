#pragma once

#include "application/module.h"

class CHeaderWidget;

// Placeholder of the garage page (module 2) until the vehicle list exists:
// the page header only.
class CGarageModule : public CModule
{
    Q_OBJECT

public:
    explicit CGarageModule(QWidget *parent = nullptr);

    void retranslate() override;
    bool enterModule() override;
    bool leaveModule() override;

private:
    CHeaderWidget *m_header = nullptr;
};
