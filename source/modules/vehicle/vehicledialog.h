#pragma once

#include "database/vehicle.h"
#include "modules/vehicle/vehicleform.h"
#include "widgets/dialog.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Edits a vehicle's data (or a new vehicle's). Save checks the form, marks
// the captions of missing fields red and writes only a complete form.
class CVehicleDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CVehicleDialog(QWidget *parent = nullptr);

    // Loads vehicle `id` (0: a new vehicle) and fills the editors from it.
    void loadVehicle(int id);
    const CVehicle &vehicle() const { return m_vehicle; }
    // The form as the editors hold it now.
    CVehicleForm form() const;
    // The saved vehicle's id; 0 until a save succeeded.
    int savedId() const { return m_savedId; }

    bool fuelSystemTouched() const { return m_fuelSystemTouched; }
    bool odometerTypeTouched() const { return m_odometerTypeTouched; }

    QComboBox *typeComboBox() const { return m_typeComboBox; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QLineEdit *licensePlateEdit() const { return m_licensePlateEdit; }
    QLineEdit *odometerEdit() const { return m_odometerEdit; }
    QComboBox *odometerTypeComboBox() const { return m_odometerTypeComboBox; }
    QComboBox *fuelSystemComboBox() const { return m_fuelSystemComboBox; }
    QComboBox *firstFuelComboBox() const { return m_firstFuelComboBox; }
    QComboBox *secondFuelComboBox() const { return m_secondFuelComboBox; }
    QPlainTextEdit *descriptionEdit() const { return m_descriptionEdit; }
    QPushButton *saveButton() const { return m_saveButton; }
    QLabel *nameCaption() const { return m_nameCaption; }
    QLabel *licensePlateCaption() const { return m_licensePlateCaption; }
    QLabel *odometerCaption() const { return m_odometerCaption; }
    QLabel *fuelSystemCaption() const { return m_fuelSystemCaption; }
    QLabel *fuelNamesCaption() const { return m_fuelNamesCaption; }

    void retranslate();

public slots:
    // Marks the missing fields; saves and accepts a complete form. A failed
    // save is reported and the dialog stays open.
    void slotSave();
    void slotVehicleTypeChanged(int index);
    void slotFuelSystemChanged(int index);
    void slotOdometerTypeChanged(int index);

private:
    // Checks the form, colouring each caption; true when it is complete.
    bool validate();
    void fill();
    // The fuel name lists the selected fuel system uses are enabled.
    void enableFuelNames();
    void fillTypes();
    void fillOdometerTypes();
    void fillFuelSystems();
    // Selects the item with that data without counting as the user's choice.
    void select(QComboBox *comboBox, int data);
    static void setFuelName(QComboBox *comboBox, const QString &name);

    CVehicle m_vehicle;
    bool m_fuelSystemTouched = false;
    bool m_odometerTypeTouched = false;
    bool m_selecting = false;
    int m_savedId = 0;

    QLabel *m_typeCaption = nullptr;
    QLabel *m_nameCaption = nullptr;
    QLabel *m_dateCaption = nullptr;
    QLabel *m_licensePlateCaption = nullptr;
    QLabel *m_expiryCaption = nullptr;
    QLabel *m_odometerCaption = nullptr;
    QLabel *m_odometerTypeCaption = nullptr;
    QLabel *m_fuelSystemCaption = nullptr;
    QLabel *m_fuelNamesCaption = nullptr;
    QLabel *m_descriptionCaption = nullptr;
    QComboBox *m_typeComboBox = nullptr;
    QLabel *m_typeImageLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QLineEdit *m_licensePlateEdit = nullptr;
    QDateEdit *m_expiryEdit = nullptr;
    QLineEdit *m_odometerEdit = nullptr;
    QComboBox *m_odometerTypeComboBox = nullptr;
    QComboBox *m_fuelSystemComboBox = nullptr;
    QComboBox *m_firstFuelComboBox = nullptr;
    QComboBox *m_secondFuelComboBox = nullptr;
    QPlainTextEdit *m_descriptionEdit = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

// Runs the vehicle dialog for vehicle `vehicleId` (0: a new vehicle) with
// the main window as parent; the saved vehicle's id, 0 when cancelled.
int runVehicleDialog(int vehicleId);
