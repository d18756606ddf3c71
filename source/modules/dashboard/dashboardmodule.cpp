#include "modules/dashboard/dashboardmodule.h"

#include "application/modulecontainer.h"

#include <QLabel>
#include <QVBoxLayout>

CDashboardModule::CDashboardModule(QWidget *parent) : CModule(ModuleId::Dashboard, parent), m_label(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    retranslate();
}

void CDashboardModule::retranslate()
{
    setName(tr("Garvo"));
    m_label->setText(tr("dashboard"));
}
