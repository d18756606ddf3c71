#include "modules/report/reportlistwidget.h"

#include "application/modulecontainer.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

CReportListWidget::CReportListWidget(CModuleContainer *container, QWidget *parent)
    : QWidget(parent), m_container(container), m_label(new QLabel(this)), m_button(new QToolButton(this))
{
    m_button->setAutoRaise(true);
    m_button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->addWidget(m_label);
    layout->addSpacing(9);
    layout->addWidget(m_button);
    layout->addSpacing(9);
    layout->addStretch();

    connect(m_button, &QToolButton::clicked, this, &CReportListWidget::slotShowReportDashboard);
    if (m_container)
        connect(m_container, &CModuleContainer::moduleChanged, this, &CReportListWidget::slotModuleChanged);
    hide();
    retranslate();
}

void CReportListWidget::retranslate()
{
    m_label->setText(tr("Select Report") + QLatin1Char(':'));
    m_button->setText(tr("Report Dashboard"));
}

void CReportListWidget::slotModuleChanged(int id)
{
    setVisible(id / 10 == ModuleId::Reports / 10);
}

void CReportListWidget::slotShowReportDashboard()
{
    if (m_container)
        m_container->activate(ModuleId::Reports);
}
