#include "modules/vehicle/serviceschedule/servicescheduletableview.h"

#include "application/configuration.h"
#include "database/serviceschedule.h"
#include "database/tableserviceschedule.h"
#include "modules/vehicle/serviceschedule/servicescheduledelegate.h"
#include "modules/vehicle/serviceschedule/servicescheduledialog.h"
#include "utility/prompt.h"

#include <QAction>
#include <QMenu>
#include <QSqlQueryModel>

CServiceScheduleTableView::CServiceScheduleTableView(QWidget *parent)
    : CRecordTableView(parent)
{
    using Table = CTableServiceSchedule;
    setUp(Table::instance(), Table::VehicleId, {{Table::Id, Qt::DescendingOrder}},
          Config::Group::ServiceScheduleTableColumns, new CServiceScheduleDelegate);
    setVisibleColumns({Table::Name, Table::LastCheckDate, Table::DueType, Table::ReminderType, Table::RepeatType,
                       Table::Status});
    setSelectsFirstRow(true);
    // The texts are made from the whole row: a reload makes them anew.
    connect(recordModel(), &QSqlQueryModel::modelReset, this, [this] { scheduleDelegate()->forgetRows(); });

    contextMenu()->addSeparator();
    m_markDoneAction = contextMenu()->addAction(QString());
    m_markDoneAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_markDoneAction->setShortcutContext(Qt::WidgetShortcut);
    addAction(m_markDoneAction);
    connect(m_markDoneAction, &QAction::triggered, this, &CServiceScheduleTableView::slotMarkDone);
    retranslate();
}

CServiceScheduleDelegate *CServiceScheduleTableView::scheduleDelegate() const
{
    return static_cast<CServiceScheduleDelegate *>(recordDelegate());
}

QString CServiceScheduleTableView::headerText(int column) const
{
    switch (column) {
    case CTableServiceSchedule::Name:
        return tr("Name");
    case CTableServiceSchedule::LastCheckDate:
        return tr("Last Check");
    case CTableServiceSchedule::DueType:
        return tr("Due");
    case CTableServiceSchedule::ReminderType:
        return tr("Reminder");
    case CTableServiceSchedule::RepeatType:
        return tr("Repeat");
    case CTableServiceSchedule::Status:
        return tr("Status");
    default:
        return QString();
    }
}

QString CServiceScheduleTableView::notSelectedText() const
{
    return tr("Service schedule not selected.");
}

CRecordTableView::DeletePrompt CServiceScheduleTableView::deletePrompt(const QSqlRecord &record) const
{
    const QString name = record.value(CTableServiceSchedule::Name).toString();
    return {tr("Delete Service Schedule"),
            tr("Are you sure that you want to delete %1 schedule?").arg(strong(name)),
            QString()};
}

int CServiceScheduleTableView::editRecord(int id)
{
    return CServiceScheduleDialog::editEntry(id);
}

void CServiceScheduleTableView::vehicleChanged()
{
    scheduleDelegate()->setVehicle(vehicle());
}

void CServiceScheduleTableView::retranslateKind()
{
    if (m_markDoneAction)
        m_markDoneAction->setText(tr("Mark as &Done"));
}

void CServiceScheduleTableView::slotMarkDone()
{
    const int id = currentIdOrPrompt();
    if (id == 0)
        return;
    CServiceSchedule schedule(id);
    QString error;
    if (!schedule.markDone(&error)) {
        Utility::Prompt::critical(this, tr("Mark as Done"), error);
        return;
    }
    refresh();
    emit recordChanged();
}
