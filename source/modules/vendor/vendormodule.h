#pragma once

#include "application/module.h"

class CDescriptionBoxItemWidget;
class CDescriptionBoxWidget;
class QLabel;

// Placeholder page of the vendors (module 71): a title, a picture and a
// description of what the page is for.
class CVendorModule : public CModule
{
    Q_OBJECT

public:
    explicit CVendorModule(QWidget *parent = nullptr);

    void retranslate() override;
    bool enterModule() override;
    bool leaveModule() override;

private:
    QLabel *m_titleLabel = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
    CDescriptionBoxItemWidget *m_firstItem = nullptr;
    CDescriptionBoxItemWidget *m_secondItem = nullptr;
};
