#include "modules/garage/vehicleinfomenu.h"

#include <QAction>

CVehicleInfoMenu::CVehicleInfoMenu(QWidget *parent)
    : QMenu(parent)
{
    m_viewAction = addAction(tr("&View Vehicle"), this, &CVehicleInfoMenu::signalViewDetails);
    m_editAction = addAction(tr("&Edit"), this, &CVehicleInfoMenu::signalEdit);
    m_deleteAction = addAction(tr("&Delete"), this, &CVehicleInfoMenu::signalDelete);
    retranslate();
}

void CVehicleInfoMenu::retranslate()
{
    m_viewAction->setText(tr("&View Vehicle Details"));
    m_editAction->setText(tr("&Edit"));
    m_deleteAction->setText(tr("&Delete"));
}
