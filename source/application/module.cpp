#include "application/module.h"

CModule::CModule(QWidget *parent) : QWidget(parent) {}

CModule::CModule(int id, QWidget *parent) : QWidget(parent), m_id(id) {}

void CModule::requestActivation()
{
    emit activate(m_id);
}

void CModule::retranslate() {}

bool CModule::enterModule()
{
    return true;
}

bool CModule::leaveModule()
{
    return canLeaveModule();
}

bool CModule::canLeaveModule()
{
    return true;
}
