#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The application menu: "New Vehicle", import and export, backups and "Exit".
// Placed first in the menu bar.
class CGarvoMenu : public QObject
{
    Q_OBJECT

public:
    explicit CGarvoMenu(QMainWindow *parent);
    ~CGarvoMenu() override;

    QMenu *menu() const { return m_menu; }
    void retranslate();

public slots:
    void slotNewVehicle();
    void slotImport();
    void slotExport();
    void slotBackUpNow();
    void slotRestoreBackup();
    void slotExit();

private:
    QMenu *m_menu = nullptr;
    QAction *m_newVehicleAction = nullptr;
    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_backUpAction = nullptr;
    QAction *m_restoreAction = nullptr;
    QAction *m_exitAction = nullptr;
};
