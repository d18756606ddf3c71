#pragma once

#include "application/module.h"

class QLabel;

// Placeholder page of the dashboard (module 11).
class CDashboardModule : public CModule
{
    Q_OBJECT

public:
    explicit CDashboardModule(QWidget *parent = nullptr);

    void retranslate() override;

private:
    QLabel *m_label = nullptr;
};
