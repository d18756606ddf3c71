#include "modules/vehicle/serviceschedule/servicescheduledialog.h"

#include "application/mainwindow.h"
#include "modules/vehicle/serviceschedule/servicescheduleform.h"
#include "utility/clock.h"
#include "utility/prompt.h"
#include "utility/utility.h"
#include "widgets/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

CNumberEdit *numberEdit(const QString &name, QWidget *parent)
{
    auto *edit = new CNumberEdit(0, parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

void fillUnits(QComboBox *combo)
{
    const int current = combo->currentIndex();
    combo->clear();
    combo->addItems({CServiceScheduleDialog::tr("days"), CServiceScheduleDialog::tr("weeks"),
                     CServiceScheduleDialog::tr("months"), CServiceScheduleDialog::tr("years")});
    combo->setCurrentIndex(current < 0 ? CRepeatPeriod::Month - 1 : current);
}

// Units are numbered from 1 (days) in the order of the list.
void selectUnit(QComboBox *combo, int unit)
{
    combo->setCurrentIndex(unit >= CRepeatPeriod::Day && unit <= CRepeatPeriod::Year ? unit - 1
                                                                                     : CRepeatPeriod::Month - 1);
}

} // namespace

CServiceScheduleDialog::CServiceScheduleDialog(QWidget *parent)
    : CEntryDialog(parent)
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/service-schedule-16.png")));

    nameLabel = new QLabel(this);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    descriptionLabel = new QLabel(this);
    descriptionEdit = new QPlainTextEdit(this);
    descriptionEdit->setObjectName(QStringLiteral("descriptionEdit"));
    descriptionEdit->setTabChangesFocus(true);
    descriptionEdit->setFixedHeight(64);

    dueLabel = new QLabel(this);
    dueDateCheck = new QCheckBox(this);
    dueDateCheck->setObjectName(QStringLiteral("dueDateCheck"));
    dueDateEdit = new QDateEdit(this);
    dueDateEdit->setObjectName(QStringLiteral("dueDateEdit"));
    dueDateEdit->setCalendarPopup(true);
    dueOrLabel = new QLabel(this);
    dueOdometerCheck = new QCheckBox(this);
    dueOdometerCheck->setObjectName(QStringLiteral("dueOdometerCheck"));
    dueOdometerEdit = numberEdit(QStringLiteral("dueOdometerEdit"), this);
    dueUnitLabel = new QLabel(this);

    repeatCheck = new QCheckBox(this);
    repeatCheck->setObjectName(QStringLiteral("repeatCheck"));
    repeatCountEdit = numberEdit(QStringLiteral("repeatCountEdit"), this);
    repeatUnitCombo = new QComboBox(this);
    repeatUnitCombo->setObjectName(QStringLiteral("repeatUnitCombo"));
    repeatOrLabel = new QLabel(this);
    repeatDistanceEdit = numberEdit(QStringLiteral("repeatDistanceEdit"), this);
    repeatUnitLabel = new QLabel(this);

    reminderLabel = new QLabel(this);
    reminderCountEdit = numberEdit(QStringLiteral("reminderCountEdit"), this);
    reminderUnitCombo = new QComboBox(this);
    reminderUnitCombo->setObjectName(QStringLiteral("reminderUnitCombo"));
    reminderOrLabel = new QLabel(this);
    reminderDistanceEdit = numberEdit(QStringLiteral("reminderDistanceEdit"), this);
    reminderUnitLabel = new QLabel(this);

    saveButton = new QPushButton(this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    cancelButton = new QPushButton(this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    // Columns: caption | check | date or count | unit | "or" | check | distance | unit.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(9);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameEdit, 0, 1, 1, 7);
    grid->addWidget(descriptionLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(descriptionEdit, 1, 1, 1, 7);
    grid->addWidget(dueLabel, 2, 0);
    grid->addWidget(dueDateCheck, 2, 1);
    grid->addWidget(dueDateEdit, 2, 2, 1, 2);
    grid->addWidget(dueOrLabel, 2, 4);
    grid->addWidget(dueOdometerCheck, 2, 5);
    grid->addWidget(dueOdometerEdit, 2, 6);
    grid->addWidget(dueUnitLabel, 2, 7);
    grid->addWidget(repeatCheck, 3, 0);
    grid->addWidget(repeatCountEdit, 3, 2);
    grid->addWidget(repeatUnitCombo, 3, 3);
    grid->addWidget(repeatOrLabel, 3, 4);
    grid->addWidget(repeatDistanceEdit, 3, 6);
    grid->addWidget(repeatUnitLabel, 3, 7);
    grid->addWidget(reminderLabel, 4, 0);
    grid->addWidget(reminderCountEdit, 4, 2);
    grid->addWidget(reminderUnitCombo, 4, 3);
    grid->addWidget(reminderOrLabel, 4, 4);
    grid->addWidget(reminderDistanceEdit, 4, 6);
    grid->addWidget(reminderUnitLabel, 4, 7);
    grid->setColumnStretch(7, 1);
    for (QLineEdit *edit : {repeatCountEdit, reminderCountEdit})
        edit->setFixedWidth(48);
    for (QLineEdit *edit : {dueOdometerEdit, repeatDistanceEdit, reminderDistanceEdit})
        edit->setFixedWidth(90);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 16);
    page->setSpacing(9);
    page->addLayout(grid);
    page->addWidget(reasonLabel());
    page->addStretch();
    page->addLayout(buttons);

    moveOnReturn({nameEdit, dueOdometerEdit, repeatCountEdit, repeatDistanceEdit, reminderCountEdit,
                  reminderDistanceEdit});
    for (QCheckBox *box : {dueDateCheck, dueOdometerCheck, repeatCheck})
        connect(box, &QCheckBox::toggled, this, &CServiceScheduleDialog::slotRepeatEnabled);
    connect(saveButton, &QPushButton::clicked, this, &CServiceScheduleDialog::slotSave);
    connect(cancelButton, &QPushButton::clicked, this, &CServiceScheduleDialog::reject);

    retranslate();
    slotRepeatEnabled();
}

int CServiceScheduleDialog::addEntry(int vehicleId)
{
    if (vehicleId == 0 || CVehicle(vehicleId).id() == 0)
        return 0;
    CServiceScheduleDialog dialog(CMainWindow::instance());
    dialog.openEntry(0, vehicleId);
    return dialog.run();
}

int CServiceScheduleDialog::editEntry(int id)
{
    if (id == 0 || CServiceSchedule(id).id() == 0) {
        Utility::Prompt::warning(CMainWindow::instance(), tr("Edit ServiceSchedule"),
                                 tr("This service schedule no longer exists."));
        return 0;
    }
    CServiceScheduleDialog dialog(CMainWindow::instance());
    dialog.openEntry(id);
    return dialog.run();
}

void CServiceScheduleDialog::openEntry(int id, int vehicleId)
{
    m_schedule = CServiceSchedule();
    m_schedule.load(id);
    m_schedule.setAutoSave(false);
    if (m_schedule.id() == 0)
        m_schedule.setVehicleId(vehicleId);
    m_vehicle = CVehicle(m_schedule.vehicleId());

    dueDateEdit->setDisplayFormat(Utility::dateFormat());
    const QDate today = Utility::Clock::today();
    setForm(m_schedule.id() != 0 ? CServiceScheduleForm::fromSchedule(m_schedule, m_vehicle, today)
                                 : CServiceScheduleForm::forNew(m_vehicle, today));
    beginChecks();
    for (QWidget *caption : {static_cast<QWidget *>(nameLabel), static_cast<QWidget *>(dueLabel),
                             static_cast<QWidget *>(repeatCheck), static_cast<QWidget *>(reminderLabel)})
        markField(caption, false);
    retranslate();
    nameEdit->setFocus();
}

void CServiceScheduleDialog::setForm(const CServiceScheduleForm &form)
{
    nameEdit->setText(form.name);
    descriptionEdit->setPlainText(form.description);
    dueDateCheck->setChecked(form.dueByDate);
    dueDateEdit->setDate(form.dueDate);
    dueOdometerCheck->setChecked(form.dueByOdometer);
    dueOdometerEdit->setText(form.dueOdometer);
    reminderCountEdit->setText(form.reminderCount);
    selectUnit(reminderUnitCombo, form.reminderUnit);
    reminderDistanceEdit->setText(form.reminderDistance);
    repeatCheck->setChecked(form.repeat);
    repeatCountEdit->setText(form.repeatCount);
    selectUnit(repeatUnitCombo, form.repeatUnit);
    repeatDistanceEdit->setText(form.repeatDistance);
    slotRepeatEnabled();
}

CServiceScheduleForm CServiceScheduleDialog::form() const
{
    CServiceScheduleForm form;
    form.name = nameEdit->text();
    form.description = descriptionEdit->toPlainText();
    form.dueByDate = dueDateCheck->isChecked();
    form.dueDate = dueDateEdit->date();
    form.dueByOdometer = dueOdometerCheck->isChecked();
    form.dueOdometer = dueOdometerEdit->text();
    form.reminderCount = reminderCountEdit->text();
    form.reminderUnit = reminderUnitCombo->currentIndex() + 1;
    form.reminderDistance = reminderDistanceEdit->text();
    form.repeat = repeatCheck->isChecked();
    form.repeatCount = repeatCountEdit->text();
    form.repeatUnit = repeatUnitCombo->currentIndex() + 1;
    form.repeatDistance = repeatDistanceEdit->text();
    return form;
}

void CServiceScheduleDialog::slotRepeatEnabled()
{
    const bool byDate = dueDateCheck->isChecked();
    const bool byOdometer = dueOdometerCheck->isChecked();
    const bool repeat = repeatCheck->isChecked();
    dueDateEdit->setEnabled(byDate);
    dueOdometerEdit->setEnabled(byOdometer);
    dueUnitLabel->setEnabled(byOdometer);
    reminderCountEdit->setEnabled(byDate);
    reminderUnitCombo->setEnabled(byDate);
    reminderDistanceEdit->setEnabled(byOdometer);
    reminderUnitLabel->setEnabled(byOdometer);
    repeatCountEdit->setEnabled(repeat && byDate);
    repeatUnitCombo->setEnabled(repeat && byDate);
    repeatDistanceEdit->setEnabled(repeat && byOdometer);
    repeatUnitLabel->setEnabled(repeat && byOdometer);
}

void CServiceScheduleDialog::slotSave()
{
    using Form = CServiceScheduleForm;
    const Form current = form();
    QMap<Form::Field, QString> reasons;
    current.invalidFields(&reasons);

    // One caption per row: the row's first refused field takes the focus.
    struct Row
    {
        QWidget *caption;
        std::initializer_list<std::pair<Form::Field, QWidget *>> fields;
    };
    const Row rows[] = {
        {nameLabel, {{Form::Name, nameEdit}}},
        {dueLabel, {{Form::Due, dueDateCheck}, {Form::DueOdometer, dueOdometerEdit}}},
        {repeatCheck,
         {{Form::Repeat, repeatCheck}, {Form::RepeatCount, repeatCountEdit}, {Form::RepeatDistance, repeatDistanceEdit}}},
        {reminderLabel, {{Form::ReminderCount, reminderCountEdit}, {Form::ReminderDistance, reminderDistanceEdit}}},
    };
    beginChecks();
    for (const Row &row : rows) {
        auto refused = std::find_if(row.fields.begin(), row.fields.end(),
                                    [&](const auto &field) { return reasons.contains(field.first); });
        if (refused == row.fields.end())
            check(row.caption, row.fields.begin()->second, true);
        else
            check(row.caption, refused->second, false, reasons.value(refused->first));
    }
    if (!checksPassed())
        return;

    QString error;
    finishSave(current.save(m_schedule, &error), error);
}

void CServiceScheduleDialog::retranslate()
{
    setWindowTitle(m_schedule.id() == 0 ? tr("New ServiceSchedule") : tr("Edit ServiceSchedule"));
    const QString unit = m_vehicle.odometerUnitText();
    nameLabel->setText(tr("Name:"));
    descriptionLabel->setText(tr("Description:"));
    dueLabel->setText(tr("Next Due:"));
    dueDateCheck->setText(tr("Date"));
    dueDateCheck->setToolTip(tr("Falls due at this date"));
    dueOdometerCheck->setText(tr("Odometer"));
    dueOdometerCheck->setToolTip(tr("Falls due at this odometer reading"));
    dueUnitLabel->setText(unit);
    for (QLabel *label : {dueOrLabel, repeatOrLabel, reminderOrLabel})
        label->setText(tr("or"));
    repeatCheck->setText(tr("Repeat Every:"));
    fillUnits(repeatUnitCombo);
    repeatUnitLabel->setText(unit);
    reminderLabel->setText(tr("Show Reminder:"));
    fillUnits(reminderUnitCombo);
    reminderUnitLabel->setText(tr("%1 before due date").arg(unit));
    saveButton->setText(tr("Save"));
    cancelButton->setText(tr("Cancel"));
    setMinimumWidth(500);
}
