#include "modules/vehicle/fuellog/fuellogdialog.h"

#include "application/mainwindow.h"
#include "currency/currency.h"
#include "modules/options/units.h"
#include "modules/vehicle/wizard/drivingconditionboxes.h"
#include "utility/clock.h"
#include "utility/numbertext.h"
#include "utility/prompt.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString blackLabel = QStringLiteral("QLabel {color:#000;}");
const QString redLabel = QStringLiteral("QLabel {color:#f00;}");

// Typing is limited to what NumberText reads; pasted or set text is checked
// again on Save.
QLineEdit *numberEdit(const QString &name, bool decimals, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    const QRegularExpression pattern(NumberText::typingPattern(decimals ? 9 : 10, decimals ? 2 : 0));
    edit->setValidator(new QRegularExpressionValidator(pattern, edit));
    return edit;
}

// The code boxes share the right column with the price form; their entries
// sit closer together here than in the wizard.
void compact(CGroupBox *box)
{
    const QList<QLayout *> layouts = box->findChildren<QLayout *>();
    for (QLayout *layout : layouts) {
        if (layout == box->layout()) {
            layout->setContentsMargins(0, 0, 0, 4);
        } else {
            layout->setContentsMargins(12, 2, 0, 0);
            layout->setSpacing(0);
        }
    }
}

} // namespace

CFuelLogDialog::CFuelLogDialog(QWidget *parent)
    : CDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/fuel-log-16.png")));
    setFixedSize(700, 400);

    fuelTypeLabel = new QLabel(this);
    fuelTypeCombo = new QComboBox(this);
    fuelTypeCombo->setObjectName(QStringLiteral("fuelTypeCombo"));
    dateLabel = new QLabel(this);
    dateEdit = new QDateEdit(this);
    dateEdit->setObjectName(QStringLiteral("dateEdit"));
    dateEdit->setCalendarPopup(true);
    odometerLabel = new QLabel(this);
    odometerEdit = numberEdit(QStringLiteral("odometerEdit"), false, this);
    distanceLabel = new QLabel(this);
    distanceEdit = numberEdit(QStringLiteral("distanceEdit"), false, this);
    descriptionLabel = new QLabel(this);
    descriptionEdit = new QPlainTextEdit(this);
    descriptionEdit->setObjectName(QStringLiteral("descriptionEdit"));
    descriptionEdit->setTabChangesFocus(true);
    descriptionEdit->setFixedHeight(210);
    priceLabel = new QLabel(this);
    priceEdit = numberEdit(QStringLiteral("priceEdit"), true, this);
    quantityLabel = new QLabel(this);
    quantityEdit = numberEdit(QStringLiteral("quantityEdit"), true, this);
    totalLabel = new QLabel(this);
    totalEdit = numberEdit(QStringLiteral("totalEdit"), true, this);
    efficiencyCaption = new QLabel(this);
    efficiencyLabel = new QLabel(this);
    efficiencyLabel->setObjectName(QStringLiteral("efficiencyLabel"));
    tiresBox = new CTiresGroupBox(this);
    drivingStyleBox = new CDrivingStyleGroupBox(this);
    routesBox = new CRoutesGroupBox(this);
    extrasBox = new CExtrasGroupBox(this);
    for (CGroupBox *box : {tiresBox, drivingStyleBox, routesBox, extrasBox})
        compact(box);
    saveButton = new QPushButton(this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    cancelButton = new QPushButton(this);

    auto *left = new QFormLayout;
    left->setSpacing(9);
    left->addRow(fuelTypeLabel, fuelTypeCombo);
    left->addRow(dateLabel, dateEdit);
    left->addRow(odometerLabel, odometerEdit);
    left->addRow(distanceLabel, distanceEdit);
    left->addRow(descriptionLabel, descriptionEdit);

    auto *right = new QFormLayout;
    right->setSpacing(6);
    right->addRow(priceLabel, priceEdit);
    right->addRow(quantityLabel, quantityEdit);
    right->addRow(totalLabel, totalEdit);
    right->addRow(efficiencyCaption, efficiencyLabel);
    auto *codes = new QGridLayout;
    codes->setSpacing(0);
    codes->addWidget(tiresBox, 0, 0);
    codes->addWidget(drivingStyleBox, 0, 1);
    codes->addWidget(routesBox, 1, 0);
    codes->addWidget(extrasBox, 1, 1);
    auto *rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(4);
    rightColumn->addLayout(right);
    rightColumn->addWidget(new CSeparatorWidget(CSeparatorWidget::Horizontal, this));
    rightColumn->addLayout(codes);
    rightColumn->addStretch();

    auto *columns = new QHBoxLayout;
    columns->setSpacing(18);
    columns->addLayout(left, 1);
    columns->addLayout(rightColumn, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 12);
    layout->addLayout(columns);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(odometerEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotOdometerChange);
    connect(odometerEdit, &QLineEdit::returnPressed, this, &CFuelLogDialog::slotOdometerChange);
    connect(priceEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotCostChange);
    connect(totalEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotCostChange);
    connect(quantityEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotQuantityChange);
    connect(quantityEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotFuelEfficiencyChange);
    connect(distanceEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotFuelEfficiencyChange);
    for (QLineEdit *edit : {odometerEdit, distanceEdit, priceEdit, quantityEdit, totalEdit})
        connect(edit, &QLineEdit::returnPressed, this, &CFuelLogDialog::slotNextDlgCtl);
    connect(saveButton, &QPushButton::clicked, this, &CFuelLogDialog::slotSave);
    connect(cancelButton, &QPushButton::clicked, this, &CFuelLogDialog::reject);

    retranslate();
}

int CFuelLogDialog::addEntry(int vehicleId, int fuelType)
{
    return addEntry(CVehicle(vehicleId), fuelType);
}

int CFuelLogDialog::addEntry(const CVehicle &vehicle, int fuelType)
{
    CFuelLogDialog dialog(CMainWindow::instance());
    dialog.setVehicle(vehicle);
    dialog.selectFuelType(fuelType);
    return dialog.run(0);
}

int CFuelLogDialog::editEntry(int id)
{
    if (id == 0 || CFuelLog(id).id() == 0)
        return 0;
    CFuelLogDialog dialog(CMainWindow::instance());
    return dialog.run(id);
}

int CFuelLogDialog::run(int id)
{
    openEntry(id);
    return exec() == QDialog::Accepted ? m_savedId : 0;
}

void CFuelLogDialog::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    fuelTypeCombo->clear();
    fuelTypeCombo->addItem(vehicle.fuelNameFirst(), 1);
    if (vehicle.fuelSystemType() == 2)
        fuelTypeCombo->addItem(vehicle.fuelNameSecond(), 2);
    fuelTypeCombo->setEnabled(false);
    retranslate();
}

void CFuelLogDialog::selectFuelType(int fuelType)
{
    const int index = fuelTypeCombo->findData(fuelType);
    if (index >= 0)
        fuelTypeCombo->setCurrentIndex(index);
}

int CFuelLogDialog::currentFuelType() const
{
    return fuelTypeCombo->currentData().toInt();
}

void CFuelLogDialog::openEntry(int id)
{
    dateEdit->setDisplayFormat(Utility::dateFormat());
    for (QLabel *label : {fuelTypeLabel, dateLabel, odometerLabel, distanceLabel, descriptionLabel, priceLabel,
                          quantityLabel, totalLabel, efficiencyCaption})
        label->setStyleSheet(blackLabel);

    m_entry = CFuelLog();
    m_entry.load(id);
    m_entry.setAutoSave(false);
    if (m_entry.id() != 0) {
        setVehicle(CVehicle(m_entry.vehicleId()));
        selectFuelType(m_entry.fuelType());
    }
    const CFuelLog previous = CFuelLog::previousEntry(m_entry, m_vehicle.id(), currentFuelType());
    m_previousOdometer = previous.id() != 0 ? previous.odometer() : -1;

    // Filling the fields is no typing: nothing is derived from the stored values.
    const QSignalBlocker blockOdometer(odometerEdit);
    const QSignalBlocker blockDistance(distanceEdit);
    const QSignalBlocker blockPrice(priceEdit);
    const QSignalBlocker blockQuantity(quantityEdit);
    const QSignalBlocker blockTotal(totalEdit);
    const CFuelLog &codes = m_entry.id() != 0 ? m_entry : previous;
    if (m_entry.id() != 0) {
        dateEdit->setDate(m_entry.date());
        odometerEdit->setText(QString::number(m_entry.odometer()));
        descriptionEdit->setPlainText(m_entry.description());
        priceEdit->setText(NumberText::decimalText(m_entry.costPerUnit()));
        quantityEdit->setText(NumberText::decimalText(m_entry.quantity()));
        distanceEdit->setText(QString::number(m_entry.distance()));
        totalEdit->setText(NumberText::decimalText(m_entry.totalCost()));
        m_efficiency = m_entry.efficiency();
        efficiencyLabel->setText(
            QStringLiteral("%1 %2").arg(QString::number(m_efficiency), m_vehicle.fuelEfficiencyFor(0, 0).typeText()));
    } else {
        if (previous.id() != 0)
            priceEdit->setText(QString::number(previous.costPerUnit(), 'g', 6));
        else
            priceEdit->clear();
        dateEdit->setDate(Utility::Clock::today());
        odometerEdit->clear();
        distanceEdit->clear();
        quantityEdit->clear();
        totalEdit->clear();
        efficiencyLabel->clear();
        descriptionEdit->clear();
        m_efficiency = 0.0;
    }
    tiresBox->setValue(int(codes.tires()));
    drivingStyleBox->setValue(int(codes.drivingStyle()));
    routesBox->setValue(int(codes.routes()));
    extrasBox->setValue(int(codes.extras()));
    odometerEdit->setFocus();
}

double CFuelLogDialog::amountOf(const QLineEdit *field)
{
    return NumberText::decimal(field->text()).value_or(0.0);
}

int CFuelLogDialog::countOf(const QLineEdit *field)
{
    return NumberText::whole(field->text()).value_or(0);
}

void CFuelLogDialog::slotNextDlgCtl()
{
    focusNextChild();
}

void CFuelLogDialog::slotOdometerChange()
{
    if (m_previousOdometer == -1)
        return;
    const qint64 distance = qint64(countOf(odometerEdit)) - m_previousOdometer;
    distanceEdit->setText(QString::number(qMax<qint64>(0, distance)));
}

void CFuelLogDialog::slotCostChange()
{
    if (m_recomputing)
        return;
    m_recomputing = true;
    const double price = amountOf(priceEdit);
    const double total = amountOf(totalEdit);
    quantityEdit->setText(NumberText::decimalText(price > 0.0 && total > 0.0 ? total / price : 0.0));
    m_recomputing = false;
}

void CFuelLogDialog::slotQuantityChange()
{
    if (m_recomputing)
        return;
    m_recomputing = true;
    const double price = amountOf(priceEdit);
    const double quantity = amountOf(quantityEdit);
    totalEdit->setText(NumberText::decimalText(price > 0.0 && quantity > 0.0 ? price * quantity : 0.0));
    m_recomputing = false;
}

void CFuelLogDialog::slotFuelEfficiencyChange()
{
    const CFuelEfficiency efficiency = m_vehicle.fuelEfficiencyFor(countOf(distanceEdit), amountOf(quantityEdit));
    m_efficiency = efficiency.efficiencyValue();
    efficiencyLabel->setText(efficiency.valueText());
}

bool CFuelLogDialog::checkField(QLabel *label, QLineEdit *field, bool decimals)
{
    const bool ok = decimals ? NumberText::decimal(field->text()).has_value()
                             : NumberText::whole(field->text()).has_value();
    label->setStyleSheet(ok ? blackLabel : redLabel);
    return ok;
}

void CFuelLogDialog::slotSave()
{
    const struct
    {
        QLabel *label;
        QLineEdit *field;
        bool decimals;
    } checks[] = {{priceLabel, priceEdit, true},
                  {quantityLabel, quantityEdit, true},
                  {distanceLabel, distanceEdit, false},
                  {totalLabel, totalEdit, true},
                  {odometerLabel, odometerEdit, false}};
    QLineEdit *firstInvalid = nullptr;
    for (const auto &check : checks) {
        if (!checkField(check.label, check.field, check.decimals) && !firstInvalid)
            firstInvalid = check.field;
    }
    if (firstInvalid) {
        firstInvalid->setFocus();
        return;
    }

    CFuelLog entry = m_entry;
    entry.setAutoSave(false);
    entry.setDate(dateEdit->date());
    entry.setOdometer(countOf(odometerEdit));
    entry.setDescription(descriptionEdit->toPlainText());
    entry.setCostPerUnit(amountOf(priceEdit));
    entry.setQuantity(amountOf(quantityEdit));
    entry.setDistance(countOf(distanceEdit));
    entry.setTotalCost(amountOf(totalEdit));
    entry.setFuelType(currentFuelType());
    entry.setTires(unsigned(tiresBox->value()));
    entry.setDrivingStyle(unsigned(drivingStyleBox->value()));
    entry.setRoutes(unsigned(routesBox->value()));
    entry.setExtras(unsigned(extrasBox->value()));

    QString error;
    const int id = entry.saveWithReading(m_vehicle, &error);
    if (id == 0) {
        Utility::Prompt::critical(this, tr("Fuel log"), error);
        return;
    }
    m_entry = entry;
    m_savedId = id;
    accept();
}

void CFuelLogDialog::retranslate()
{
    const QString volume = volumeUnitName();
    setWindowTitle(tr("Fuel log"));
    fuelTypeLabel->setText(tr("Fuel type"));
    dateLabel->setText(tr("Date"));
    odometerLabel->setText(tr("Odometer"));
    distanceLabel->setText(tr("Distance") + QStringLiteral(" (%1)").arg(m_vehicle.odometerUnitText()));
    descriptionLabel->setText(tr("Description"));
    priceLabel->setText(tr("Price") + QStringLiteral(" (%1/%2)").arg(currency()->symbol(), volume));
    quantityLabel->setText(tr("Quantity") + QStringLiteral(" (%1)").arg(volume));
    totalLabel->setText(tr("Total Cost"));
    efficiencyCaption->setText(tr("Fuel Efficiency"));
    tiresBox->retranslate();
    drivingStyleBox->retranslate();
    routesBox->retranslate();
    extrasBox->retranslate();
    saveButton->setText(tr("Save"));
    cancelButton->setText(tr("Cancel"));
}
