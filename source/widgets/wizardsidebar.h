#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

// One step of the wizard's step list: a ball and the step's title.
class CWizardSidebarItem : public QWidget
{
    Q_OBJECT

public:
    enum State { Passed = 0, Current = 1, Ahead = 2 };

    explicit CWizardSidebarItem(const QString &title, QWidget *parent = nullptr);

    int state() const { return m_state; }
    void setState(int state);
    QString title() const;
    void setTitle(const QString &title);

private:
    int m_state = Ahead;
    QLabel *ballLabel = nullptr;
    QLabel *titleLabel = nullptr;
};

// The list of steps on the left of a wizard.
class CWizardSidebar : public QWidget
{
    Q_OBJECT

public:
    explicit CWizardSidebar(QWidget *parent = nullptr);

    // Appends a step; the first one starts as the current step.
    CWizardSidebarItem *addItem(const QString &title);
    int count() const { return items.size(); }
    CWizardSidebarItem *item(int index) const;
    // Steps before index are passed, index is current, the rest lie ahead;
    // an index outside the list changes nothing.
    void setCurrentStep(int index);

private:
    QVBoxLayout *itemsLayout = nullptr;
    QList<CWizardSidebarItem *> items;
};
