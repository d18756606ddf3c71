#pragma once

#include "application/module.h"

class CDescriptionBoxItemWidget;
class CDescriptionBoxWidget;
class QLabel;
class QToolButton;

// Placeholder of the empty-garage page (module 1) until vehicles can be added.
class CGarageEmptyModule : public CModule
{
    Q_OBJECT

public:
    explicit CGarageEmptyModule(QWidget *parent = nullptr);

    void retranslate() override;
    bool enterModule() override;
    bool leaveModule() override;

private:
    QLabel *m_titleLabel = nullptr;
    QToolButton *m_addButton = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
    CDescriptionBoxItemWidget *m_descriptionItem = nullptr;
};
