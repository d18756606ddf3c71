#pragma once

#include "application/module.h"

class CDescriptionBoxWidget;
class QLabel;

// The landing page of the reports (module 140): a title, the reports
// picture and a description box.
class CReportModule : public CModule
{
    Q_OBJECT

public:
    explicit CReportModule(QWidget *parent = nullptr);

    void retranslate() override;

private:
    QLabel *m_titleLabel = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
};
