#include "modules/garage/vehiclewidgetlist.h"

#include "database/tableserviceschedule.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/garage/vehiclewidget.h"
#include "utility/prompt.h"

#include <QVBoxLayout>

#include <algorithm>

CVehicleWidgetList::CVehicleWidgetList(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch();
    setFocusPolicy(Qt::WheelFocus);
    setFocus();
}

void CVehicleWidgetList::refresh()
{
    QList<CVehicle> vehicles = CVehicle::list();
    CTableVehicle *table = CTableVehicle::instance();
    if (table && !table->renumber(vehicles))
        Utility::Prompt::warning(this, tr("Garage"), tr("The order of the vehicles could not be saved."));

    // Schedule counts of every card in one query.
    CTableServiceSchedule *schedules = CTableServiceSchedule::instance();
    const QHash<int, ScheduleCounts> counts = schedules ? schedules->countsByVehicle() : QHash<int, ScheduleCounts>();

    for (int i = vehicles.size(); i < m_widgets.size(); ++i) {
        m_widgets.at(i)->setVehicle(CVehicle());
        m_widgets.at(i)->hide();
    }
    for (int i = 0; i < vehicles.size(); ++i) {
        if (i == m_widgets.size()) {
            auto *card = new CVehicleWidget(this);
            connect(card, &CVehicleWidget::stepRequested, this, [this, card](int step) { focusNeighbour(card, step); });
            // Before the closing stretch.
            m_layout->insertWidget(std::max(m_layout->count() - 1, 0), card);
            m_widgets.append(card);
        }
        CVehicleWidget *card = m_widgets.at(i);
        card->setVehicle(vehicles.at(i));
        card->setScheduleCounts(counts.value(vehicles.at(i).id()));
        card->show();
    }
}

void CVehicleWidgetList::focusNeighbour(CVehicleWidget *card, int step)
{
    int index = m_widgets.indexOf(card);
    while (index >= 0) {
        index += step;
        if (index < 0 || index >= m_widgets.size())
            return;
        if (!m_widgets.at(index)->isHidden()) {
            m_widgets.at(index)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CVehicleWidgetList::focusFirst()
{
    for (CVehicleWidget *card : qAsConst(m_widgets)) {
        if (!card->isHidden()) {
            card->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CVehicleWidgetList::slotRefreshList()
{
    refresh();
}

void CVehicleWidgetList::retranslate()
{
    for (CVehicleWidget *card : qAsConst(m_widgets))
        card->retranslate();
}
