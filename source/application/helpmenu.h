#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

class QAction;
class QMainWindow;
class QMenu;

// The "Help" menu: online help, update check, web pages and the about dialog.
// Also offered in the tray icon's menu.
class CHelpMenu : public QObject
{
    Q_OBJECT

public:
    explicit CHelpMenu(QMainWindow *parent);
    ~CHelpMenu() override;

    QMenu *menu() const { return m_menu; }
    void retranslate();

    static QUrl helpUrl();
    static QUrl homepageUrl();
    static QUrl contactUrl();
    // Opens the page in the user's browser through `open`; when it fails, a
    // message shows the address.
    static void openLink(const QUrl &url, bool (*open)(const QUrl &) = &QDesktopServices::openUrl);

public slots:
    void slotHelp();
    void slotNewVersion();
    void slotHomepage();
    void slotContact();
    void slotAbout();

private:
    QMenu *m_menu = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_newVersionAction = nullptr;
    QAction *m_homepageAction = nullptr;
    QAction *m_contactAction = nullptr;
    QAction *m_aboutAction = nullptr;
};
