#pragma once

#include <QVector>
#include <QWidget>

class CModule;
class QStackedLayout;

// Fixed module ids; pages are switched by these numbers.
namespace ModuleId {
enum : int {
    GarageEmpty = 1,
    Garage = 2,
    Dashboard = 11,
    Vendors = 71,
    Vehicle = 100,
    Reports = 140,
};
}

// Holds every module as a page of a stacked layout and shows one at a time.
class CModuleContainer : public QWidget
{
    Q_OBJECT

public:
    explicit CModuleContainer(QWidget *parent = nullptr);

    // Appends the module as a page and follows its activate(int) signal.
    void addModule(CModule *module);
    // Takes the module's page out of the container; the module itself stays
    // alive and is deleted by its owner. False when it was not added.
    bool removeModule(CModule *module);
    // Takes out and deletes every module.
    void removeAll();

    // The first module with that id; the first module of all when none has it
    // (nullptr when the container is empty).
    CModule *moduleById(int id) const;
    // Position of the first module with that id, -1 when none.
    int indexOfModule(int id) const;
    int count() const { return m_modules.size(); }
    CModule *moduleAt(int index) const { return m_modules.value(index); }

    // Accepted only for a registered id.
    void setDefaultModule(int id);
    int defaultModule() const { return m_defaultModuleId; }
    void activateDefault();

    // Leaves the current module and enters the one with that id. False when the
    // current module refuses to be left, or no module carries the id (nothing
    // changes then). A module that refuses to be entered makes the container
    // fall back to the default module.
    bool activate(int id);

    CModule *currentModule() const { return m_current; }
    void retranslateAll();

public slots:
    void slotActivateModule(int id);

signals:
    void moduleChanged(int id);

private:
    int fallbackId() const;

    QVector<CModule *> m_modules;
    CModule *m_current = nullptr;
    QStackedLayout *m_stack = nullptr;
    int m_defaultModuleId = -1;
};
