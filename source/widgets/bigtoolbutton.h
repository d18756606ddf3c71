#pragma once

#include <QToolButton>

#include <functional>

// The large tool-bar button that opens a module.
class CBigToolButton : public QToolButton
{
    Q_OBJECT

public:
    using ModuleActivator = std::function<void(int)>;

    explicit CBigToolButton(QWidget *parent = nullptr);

    int moduleId() const { return module; }
    void setModuleId(int id) { module = id; }

    // The main window registers how a module id is activated in its module
    // container; buttons created before or after that all use it.
    static void setModuleActivator(ModuleActivator activator);

public slots:
    virtual void slotActivateModule();

protected:
    // Activates `id` through the registered activator (nothing when none is
    // registered or `id` is 0).
    static void activateModule(int id);

private:
    int module = 0;
};
