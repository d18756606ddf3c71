#pragma once

#include "database/vehicletype.h"
#include "widgets/dialog.h"

class GalleryWidget;
class QLabel;
class QLineEdit;
class QPushButton;

// Edits a vehicle type's name and picture (or a new type's).
class CVehicleTypeDialog : public CDialog
{
    Q_OBJECT

public:
    // Loads type `typeId`; 0 (or an id without a row) edits a new type.
    explicit CVehicleTypeDialog(int typeId, QWidget *parent = nullptr);

    const CVehicleType &type() const { return m_type; }
    // The saved type's id; 0 until a save succeeded.
    int savedId() const { return m_savedId; }

    QLabel *nameLabel() const { return m_nameLabel; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    GalleryWidget *gallery() const { return m_gallery; }
    QPushButton *saveButton() const { return m_saveButton; }

    void retranslate();

public slots:
    // A blank name marks the caption and keeps the dialog open; otherwise
    // the type is saved and the dialog accepted. A failed save is reported
    // and the dialog stays open.
    void slotValidate();

private:
    bool save();

    CVehicleType m_type;
    int m_savedId = 0;

    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    GalleryWidget *m_gallery = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

// Runs the editor for type `typeId` (0: a new type) over the main window;
// the saved type's id, 0 when cancelled.
int runVehicleTypeDialog(int typeId);
