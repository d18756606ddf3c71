#pragma once

#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

class QAction;
class QMenu;
class QWidget;

// The application's system-tray icon with its context menu: the title entry
// (shows the main window), the Options and Help sub-menus added by others,
// and "E&xit". A single click opens the menu after a short delay unless a
// double click (which shows the main window) follows.
class CTrayIcon : public QSystemTrayIcon
{
    Q_OBJECT

public:
    // Delay that tells a single click from the start of a double click.
    static constexpr int ClickDelay = 200;

    // Parent defaults to the application object.
    explicit CTrayIcon(QObject *parent = nullptr);
    ~CTrayIcon() override;

    // The process-wide tray icon, or null before it is created.
    static CTrayIcon *instance();

    // The window that the title entry and a double click show.
    void setMainWindow(QWidget *window);
    QWidget *mainWindow() const;

    QString title() const { return m_title; }
    // Text of the title entry; empty shows "Garvo".
    void setTitle(const QString &title);

    QMenu *menu() const { return m_menu; }
    QAction *titleAction() const { return m_titleAction; }
    QAction *exitAction() const { return m_exitAction; }
    bool isPopupPending() const { return popupPending; }

    // Appends a sub-menu or a separator to the tray menu.
    QAction *addMenu(QMenu *menu);
    QAction *addSeparator();

    // Reads "ShowTrayIcon" and applies it.
    void applyConfiguration();
    // Shown: the application keeps running when its last window closes.
    // Only done when a system tray exists, so a hidden window can always be
    // brought back.
    void applyShowTrayIcon(bool show, bool trayAvailable);

    void retranslate();

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Completes the menu with the exit entry once the components have added theirs.
    void slotAfterInit();
    void slotActivate();
    void slotQuit();
    void slotShowPopupMenu();

signals:
    void mainActionActivated();

private:
    void showMainWindow();

    bool popupPending = false;
    bool showMainWindowOnActivate = true;
    QString m_title;
    QMenu *m_menu = nullptr;
    QAction *m_titleAction = nullptr;
    QAction *titleSeparator = nullptr;
    QAction *exitSeparator = nullptr;
    QAction *m_exitAction = nullptr;
    QPointer<QWidget> m_mainWindow;
    QTimer clickTimer;
};
