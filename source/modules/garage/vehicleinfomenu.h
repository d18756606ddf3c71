#pragma once

#include <QMenu>

class QAction;

// The context menu of a vehicle card: view, edit, delete.
class CVehicleInfoMenu : public QMenu
{
    Q_OBJECT

public:
    explicit CVehicleInfoMenu(QWidget *parent = nullptr);

    QAction *viewAction() const { return m_viewAction; }
    QAction *editAction() const { return m_editAction; }
    QAction *deleteAction() const { return m_deleteAction; }

    void retranslate();

signals:
    void signalViewDetails();
    void signalEdit();
    void signalDelete();

private:
    QAction *m_viewAction = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_deleteAction = nullptr;
};
