#pragma once

#include "database/fuellog.h"
#include "database/vehicle.h"
#include "widgets/dialog.h"

#include <QSet>

class CDrivingConditionGroupBox;
class QComboBox;
class QKeyEvent;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The fuel entry dialog: a new refuelling of one fuel of a vehicle, or a
// stored one. While the user types it derives the distance from the previous
// entry's odometer, the quantity from total and price (or the total from
// price and quantity) and shows the efficiency; Save validates the fields and
// writes the entry with its odometer reading in one transaction.
class CFuelLogDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CFuelLogDialog(QWidget *parent = nullptr);

    // Run the dialog with the main window as parent; the id of the saved
    // entry, 0 when the user cancelled.
    static int addEntry(int vehicleId, int fuelType);
    static int addEntry(const CVehicle &vehicle, int fuelType);
    static int editEntry(int id);

    // Offers the vehicle's fuels (first, and second for a dual-fuel vehicle)
    // in a fixed list.
    void setVehicle(const CVehicle &vehicle);
    void selectFuelType(int fuelType);
    // Fills the fields for entry `id` (0: a new entry of the selected fuel).
    void openEntry(int id);
    // The id the last successful save returned, 0 before.
    int savedId() const { return m_savedId; }
    int previousOdometer() const { return m_previousOdometer; }
    double efficiency() const { return m_efficiency; }

    void retranslate();

public slots:
    void slotSave();
    void slotNextDlgCtl();
    void slotOdometerChange();
    void slotFuelEfficiencyChange();
    void slotCostChange();
    void slotQuantityChange();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Runs the dialog on `id` and returns the saved id or 0.
    int run(int id);
    int currentFuelType() const;
    // Marks the label of every field that is no number red, with the reason
    // in the field's tool tip and the first one's in the error line. The
    // first refused field, nullptr when all are numbers.
    QLineEdit *checkFields();
    // Why a valid entry looks mistyped: an odometer below the previous fill
    // of its fuel, an efficiency no vehicle has. Empty when it looks fine.
    QStringList implausibilities(const CFuelLog &entry) const;
    // Fills a field the user did not type into; empty for 0.
    void setDerived(QLineEdit *field, double value);
    static double amountOf(const QLineEdit *field);
    static int countOf(const QLineEdit *field);

    CVehicle m_vehicle;
    CFuelLog m_entry;
    int m_previousOdometer = -1;
    bool m_recomputing = false;
    double m_efficiency = 0.0;
    int m_savedId = 0;
    QSet<QLineEdit *> m_marked;

    QLabel *fuelTypeLabel = nullptr;
    QComboBox *fuelTypeCombo = nullptr;
    QLabel *dateLabel = nullptr;
    QDateEdit *dateEdit = nullptr;
    QLabel *odometerLabel = nullptr;
    QLineEdit *odometerEdit = nullptr;
    QLabel *distanceLabel = nullptr;
    QLineEdit *distanceEdit = nullptr;
    QLabel *descriptionLabel = nullptr;
    QPlainTextEdit *descriptionEdit = nullptr;
    QLabel *priceLabel = nullptr;
    QLineEdit *priceEdit = nullptr;
    QLabel *quantityLabel = nullptr;
    QLineEdit *quantityEdit = nullptr;
    QLabel *totalLabel = nullptr;
    QLineEdit *totalEdit = nullptr;
    QLabel *efficiencyCaption = nullptr;
    QLabel *efficiencyLabel = nullptr;
    QLabel *errorLabel = nullptr;
    CDrivingConditionGroupBox *tiresBox = nullptr;
    CDrivingConditionGroupBox *drivingStyleBox = nullptr;
    CDrivingConditionGroupBox *routesBox = nullptr;
    CDrivingConditionGroupBox *extrasBox = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
