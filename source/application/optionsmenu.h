#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The "Options" menu: vehicle types and the options dialog. Also offered in
// the tray icon's menu.
class COptionsMenu : public QObject
{
    Q_OBJECT

public:
    explicit COptionsMenu(QMainWindow *parent);
    ~COptionsMenu() override;

    QMenu *menu() const { return m_menu; }
    void retranslate();

public slots:
    void slotVehicleType();
    void slotOptions();

private:
    QMenu *m_menu = nullptr;
    QAction *m_vehicleTypeAction = nullptr;
    QAction *m_optionsAction = nullptr;
};
