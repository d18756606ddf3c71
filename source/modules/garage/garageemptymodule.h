#pragma once

#include "application/module.h"

class CDescriptionBoxItemWidget;
class CDescriptionBoxWidget;
class QLabel;
class QToolButton;

// The garage page while no vehicle exists (module 1): a description and a
// button that starts the new-vehicle wizard.
class CGarageEmptyModule : public CModule
{
    Q_OBJECT

public:
    explicit CGarageEmptyModule(QWidget *parent = nullptr);

    void retranslate() override;
    bool enterModule() override;
    bool leaveModule() override;

    QToolButton *addButton() const { return m_addButton; }
    CDescriptionBoxWidget *descriptionBox() const { return m_descriptionBox; }

public slots:
    // Runs the new-vehicle wizard; the garage opens once a vehicle exists.
    void slotAddVehicle();

private:
    QLabel *m_titleLabel = nullptr;
    QToolButton *m_addButton = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
    CDescriptionBoxItemWidget *m_descriptionItem = nullptr;
};
