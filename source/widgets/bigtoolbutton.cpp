#include "widgets/bigtoolbutton.h"

namespace {
CBigToolButton::ModuleActivator &moduleActivator()
{
    static CBigToolButton::ModuleActivator activator;
    return activator;
}
} // namespace

CBigToolButton::CBigToolButton(QWidget *parent)
    : QToolButton(parent)
{
    setFixedSize(78, 78);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(this, &QToolButton::clicked, this, &CBigToolButton::slotActivateModule);
}

void CBigToolButton::setModuleActivator(ModuleActivator activator)
{
    moduleActivator() = std::move(activator);
}

void CBigToolButton::slotActivateModule()
{
    activateModule(module);
}

void CBigToolButton::activateModule(int id)
{
    if (id != 0 && moduleActivator())
        moduleActivator()(id);
}
