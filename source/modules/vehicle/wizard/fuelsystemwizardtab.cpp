#include "modules/vehicle/wizard/fuelsystemwizardtab.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>

CFuelSystemWizardTab::CFuelSystemWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
    , typeCaption(new QLabel(this))
    , typeComboBox(new QComboBox(this))
    , firstCaption(new QLabel(this))
    , firstComboBox(fuelNameComboBox(0))
    , secondCaption(new QLabel(this))
    , secondComboBox(fuelNameComboBox(1))
{
    setImage(QPixmap(QStringLiteral(":resource/icons/fuel-log-64.png")));
    const QList<CFuelSystem> systems = CFuelSystem::list();
    for (const CFuelSystem &system : systems)
        typeComboBox->addItem(QString(), system.type);

    addRow(typeCaption, typeComboBox);
    addRow(firstCaption, firstComboBox);
    addRow(secondCaption, secondComboBox);
    setFirstEditor(typeComboBox);

    connect(typeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &CFuelSystemWizardTab::slotFuelSystemTypeChanged);
    // Re-choosing the system already shown is a choice too.
    watchUserChoice(typeComboBox, userChanged);
    slotFuelSystemTypeChanged(typeComboBox->currentIndex());
    userChanged = false;
    retranslate();
}

QComboBox *CFuelSystemWizardTab::fuelNameComboBox(int startIndex)
{
    auto *comboBox = new QComboBox(this);
    comboBox->setEditable(true);
    comboBox->addItems(CFuelSystem::fuelNames());
    comboBox->setCurrentIndex(startIndex);
    letNarrow(comboBox);
    // A typed name stays exactly as typed: it is not added to the list, and
    // the completer neither changes its letter case nor finishes it.
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    comboBox->completer()->setCaseSensitivity(Qt::CaseSensitive);
    comboBox->completer()->setCompletionMode(QCompleter::PopupCompletion);
    return comboBox;
}

void CFuelSystemWizardTab::retranslate()
{
    setTitle(tr("Fuel System"));
    setExplanation(tr("Enter your vehicle fuel system details"));
    typeCaption->setText(tr("Fuel System:"));
    firstCaption->setText(tr("First Fuel Name:"));
    secondCaption->setText(tr("Second Fuel Name:"));
    for (int i = 0; i < typeComboBox->count(); ++i)
        typeComboBox->setItemText(i, CFuelSystem::codeText(typeComboBox->itemData(i).toInt()));
}

void CFuelSystemWizardTab::applySuggestion(int code)
{
    suggestChoice(typeComboBox, code, userChanged);
}

CFuelSystem CFuelSystemWizardTab::fuelSystem() const
{
    return CFuelSystem(
        typeComboBox->currentData().toInt(), firstComboBox->currentText(), secondComboBox->currentText());
}

void CFuelSystemWizardTab::slotFuelSystemTypeChanged(int index)
{
    const int type = typeComboBox->itemData(index).toInt();
    const bool first = type == CFuelSystem::Single || type == CFuelSystem::Double;
    const bool second = type == CFuelSystem::Double;
    firstCaption->setEnabled(first);
    firstComboBox->setEnabled(first);
    secondCaption->setEnabled(second);
    secondComboBox->setEnabled(second);
    userChanged = true;
}
