#include "application/modulecontainer.h"

#include "application/module.h"

#include <QStackedLayout>

CModuleContainer::CModuleContainer(QWidget *parent) : QWidget(parent), m_stack(new QStackedLayout(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->setSpacing(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CModuleContainer::addModule(CModule *module)
{
    if (!module)
        return;
    m_modules.append(module);
    m_stack->addWidget(module);
    connect(module, &CModule::activate, this, &CModuleContainer::slotActivateModule);
}

bool CModuleContainer::removeModule(CModule *module)
{
    if (!module)
        return false;
    const int index = m_modules.indexOf(module);
    if (index < 0)
        return false;
    CModule *removed = m_modules.takeAt(index);
    m_stack->removeWidget(removed);
    disconnect(removed, &CModule::activate, this, &CModuleContainer::slotActivateModule);
    if (m_current == removed)
        m_current = nullptr;
    if (indexOfModule(m_defaultModuleId) < 0)
        m_defaultModuleId = -1;
    return true;
}

void CModuleContainer::removeAll()
{
    const QVector<CModule *> modules = m_modules;
    m_modules.clear();
    m_current = nullptr;
    m_defaultModuleId = -1;
    for (CModule *module : modules) {
        m_stack->removeWidget(module);
        delete module;
    }
}

CModule *CModuleContainer::moduleById(int id) const
{
    const int index = indexOfModule(id);
    return index >= 0 ? m_modules.at(index) : m_modules.value(0);
}

int CModuleContainer::indexOfModule(int id) const
{
    for (int i = 0; i < m_modules.size(); ++i) {
        if (m_modules.at(i)->id() == id)
            return i;
    }
    return -1;
}

void CModuleContainer::setDefaultModule(int id)
{
    if (indexOfModule(id) >= 0)
        m_defaultModuleId = id;
}

void CModuleContainer::activateDefault()
{
    if (!m_modules.isEmpty())
        activate(fallbackId());
}

int CModuleContainer::fallbackId() const
{
    return m_defaultModuleId != -1 ? m_defaultModuleId : m_modules.first()->id();
}

bool CModuleContainer::activate(int id)
{
    const int index = indexOfModule(id);
    if (index < 0)
        return false;

    if (m_current) {
        if (!m_current->canLeaveModule())
            return false;
        if (!m_current->leaveModule())
            return false;
    }

    CModule *target = m_modules.at(index);
    m_current = target;
    if (!target->enterModule()) {
        // The refused module was never entered, so it is not asked to leave.
        m_current = nullptr;
        const int fallback = fallbackId();
        if (fallback != id)
            return activate(fallback);
        // The default itself refuses: the page stays, nothing is current.
        return false;
    }

    m_stack->setCurrentIndex(index);
    emit moduleChanged(target->id());
    return true;
}

void CModuleContainer::slotActivateModule(int id)
{
    activate(id);
}

void CModuleContainer::retranslateAll()
{
    for (CModule *module : qAsConst(m_modules))
        module->retranslate();
}
