#pragma once

#include "application/module.h"

class CDescriptionBoxItemWidget;
class CDescriptionBoxWidget;
class QLabel;
class QToolButton;

// The garage page while no vehicle exists (module 1): a description, a
// button that starts the new-vehicle wizard and one that imports the records
// kept in another application.
class CGarageEmptyModule : public CModule
{
    Q_OBJECT

public:
    explicit CGarageEmptyModule(QWidget *parent = nullptr);

    void retranslate() override;
    bool enterModule() override;
    bool leaveModule() override;

    QToolButton *addButton() const { return m_addButton; }
    QToolButton *importButton() const { return m_importButton; }
    CDescriptionBoxWidget *descriptionBox() const { return m_descriptionBox; }

public slots:
    // Runs the new-vehicle wizard; the garage opens once a vehicle exists.
    void slotAddVehicle();
    // Runs the import; the imported vehicle's page opens after it.
    void slotImport();

private:
    QLabel *m_titleLabel = nullptr;
    QToolButton *m_addButton = nullptr;
    QToolButton *m_importButton = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
    CDescriptionBoxItemWidget *m_descriptionItem = nullptr;
};
