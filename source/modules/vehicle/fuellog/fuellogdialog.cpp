#include "modules/vehicle/fuellog/fuellogdialog.h"

#include "application/mainwindow.h"
#include "currency/currency.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuelefficiency.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char *const derivedProperty = "derived";
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
    // Its text changes as the user types; the columns must not move with it.
    efficiencyLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    errorLabel = new QLabel(this);
    errorLabel->setObjectName(QStringLiteral("errorLabel"));
    errorLabel->setStyleSheet(redLabel);
    errorLabel->setTextFormat(Qt::PlainText);
    errorLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    tiresBox = new CTiresGroupBox(this);
    drivingStyleBox = new CDrivingStyleGroupBox(this);
    routesBox = new CRoutesGroupBox(this);
    extrasBox = new CExtrasGroupBox(this);
    for (CGroupBox *box : {tiresBox, drivingStyleBox, routesBox, extrasBox})
        compact(box);
    saveButton = new QPushButton(this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    cancelButton = new QPushButton(this);
    // Return moves from field to field (keyPressEvent); Ctrl+Return saves
    // from anywhere, the description included.
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &CFuelLogDialog::slotSave);
    }

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
    buttons->addWidget(errorLabel, 1);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 12);
    layout->addLayout(columns);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(odometerEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotOdometerChange);
    connect(priceEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotCostChange);
    connect(totalEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotCostChange);
    connect(quantityEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotQuantityChange);
    connect(quantityEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotFuelEfficiencyChange);
    connect(distanceEdit, &QLineEdit::textChanged, this, &CFuelLogDialog::slotFuelEfficiencyChange);
    for (QLineEdit *edit : {odometerEdit, distanceEdit, priceEdit, quantityEdit, totalEdit}) {
        // A marked field is checked again as it changes, so a mended one
        // loses its mark at once.
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            if (m_marked.contains(edit))
                checkFields();
        });
        // A value the user types is no longer a derived one.
        connect(edit, &QLineEdit::textEdited, this, [edit] { edit->setProperty(derivedProperty, false); });
    }
    for (QLineEdit *edit : {quantityEdit, totalEdit})
        edit->installEventFilter(this);
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
    m_marked.clear();
    errorLabel->clear();
    for (QLineEdit *edit : {odometerEdit, distanceEdit, priceEdit, quantityEdit, totalEdit}) {
        edit->setToolTip(QString());
        edit->setProperty(derivedProperty, false);
    }

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
        efficiencyLabel->setText(m_vehicle.fuelEfficiencyFor(0, 0).textFor(m_efficiency));
    } else {
        if (previous.id() != 0)
            priceEdit->setText(NumberText::decimalText(previous.costPerUnit()));
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
    // The description takes Return as a line break; Tab leads into it.
    if (focusWidget() == descriptionEdit)
        focusNextChild();
}

void CFuelLogDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Return on a button presses it; in a field it moves on to the next one.
    if (enter && event->modifiers() == Qt::NoModifier && !qobject_cast<QPushButton *>(focusWidget())) {
        slotNextDlgCtl();
        return;
    }
    CDialog::keyPressEvent(event);
}

bool CFuelLogDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Typing into a derived value starts a new number instead of appending
    // to "12.50", which the two-decimal limit would refuse.
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::KeyPress && edit->property(derivedProperty).toBool()) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && typed.at(0).isPrint()) {
            edit->setProperty(derivedProperty, false);
            edit->clear();
        }
    }
    return CDialog::eventFilter(watched, event);
}

void CFuelLogDialog::setDerived(QLineEdit *field, double value)
{
    field->setText(value > 0.0 ? NumberText::decimalText(value) : QString());
    field->setProperty(derivedProperty, true);
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
    setDerived(quantityEdit, price > 0.0 && total > 0.0 ? total / price : 0.0);
    m_recomputing = false;
}

void CFuelLogDialog::slotQuantityChange()
{
    if (m_recomputing)
        return;
    m_recomputing = true;
    const double price = amountOf(priceEdit);
    const double quantity = amountOf(quantityEdit);
    setDerived(totalEdit, price > 0.0 && quantity > 0.0 ? price * quantity : 0.0);
    m_recomputing = false;
}

void CFuelLogDialog::slotFuelEfficiencyChange()
{
    const CFuelEfficiency efficiency = m_vehicle.fuelEfficiencyFor(countOf(distanceEdit), amountOf(quantityEdit));
    m_efficiency = efficiency.efficiencyValue();
    efficiencyLabel->setText(efficiency.textFor(m_efficiency));
}

QLineEdit *CFuelLogDialog::checkFields()
{
    const struct
    {
        QLabel *label;
        QLineEdit *field;
        bool decimals;
    } checks[] = {{odometerLabel, odometerEdit, false},
                  {distanceLabel, distanceEdit, false},
                  {priceLabel, priceEdit, true},
                  {quantityLabel, quantityEdit, true},
                  {totalLabel, totalEdit, true}};
    QLineEdit *firstInvalid = nullptr;
    QString firstReason;
    m_marked.clear();
    for (const auto &check : checks) {
        QString reason;
        const bool ok = check.decimals ? NumberText::decimal(check.field->text(), &reason).has_value()
                                       : NumberText::whole(check.field->text(), &reason).has_value();
        check.label->setStyleSheet(ok ? blackLabel : redLabel);
        check.field->setToolTip(reason);
        if (ok)
            continue;
        m_marked.insert(check.field);
        if (!firstInvalid) {
            firstInvalid = check.field;
            firstReason = check.label->text() + QStringLiteral(": ") + reason;
        }
    }
    errorLabel->setText(firstReason);
    return firstInvalid;
}

QStringList CFuelLogDialog::implausibilities(const CFuelLog &entry) const
{
    QStringList found;
    const QString unit = m_vehicle.odometerUnitText();
    if (m_previousOdometer >= 0 && entry.odometer() < m_previousOdometer)
        found << tr("The odometer (%1 %3) is below the previous entry of this fuel (%2 %3).")
                     .arg(entry.odometer())
                     .arg(m_previousOdometer)
                     .arg(unit);
    const CFuelEfficiency efficiency = m_vehicle.fuelEfficiencyFor(entry.distance(), entry.quantity());
    const double value = efficiency.efficiencyValue();
    // Far beyond any road vehicle: over 100 volume units per 100 distance
    // units, or under one distance unit per volume unit.
    const bool perDistance = efficiency.mode() == CFuelEfficiency::PerDistance && !efficiency.isPerHour();
    const bool perQuantity = efficiency.mode() == CFuelEfficiency::PerQuantity
                             && efficiency.odometerUnit() != CFuelEfficiency::Hours;
    if (value > 0.0 && ((perDistance && value > 100.0) || (perQuantity && value < 1.0)))
        found << tr("A fuel efficiency of %1 is far beyond any vehicle's.").arg(efficiency.textFor(value));
    return found;
}

void CFuelLogDialog::slotSave()
{
    if (QLineEdit *firstInvalid = checkFields()) {
        firstInvalid->setFocus();
        return;
    }

    CFuelLog entry = m_entry;
    entry.setAutoSave(false);
    entry.setDate(dateEdit->date());
    entry.setOdometer(countOf(odometerEdit));
    entry.setDescription(Utility::emptyIfBlank(descriptionEdit->toPlainText()));
    entry.setCostPerUnit(amountOf(priceEdit));
    entry.setQuantity(amountOf(quantityEdit));
    entry.setDistance(countOf(distanceEdit));
    entry.setTotalCost(amountOf(totalEdit));
    entry.setFuelType(currentFuelType());
    entry.setTires(unsigned(tiresBox->value()));
    entry.setDrivingStyle(unsigned(drivingStyleBox->value()));
    entry.setRoutes(unsigned(routesBox->value()));
    entry.setExtras(unsigned(extrasBox->value()));

    const QStringList doubts = implausibilities(entry);
    if (!doubts.isEmpty()
        && Utility::Prompt::question(this, tr("Fuel log"),
                                     doubts.join(QLatin1Char('\n')) + QStringLiteral("\n\n")
                                         + tr("Save the entry as typed?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return;

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
