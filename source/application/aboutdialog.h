#pragma once

#include "widgets/dialog.h"

class QLabel;
class QPushButton;

// The application's logo, name, version, notices and the platform it runs on.
class CAboutDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget *parent = nullptr);

    // "Version 2.1.1 (build 9)" for the running application.
    QString versionText() const;
    QString platformText() const;

private:
    QLabel *m_logoLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_ownershipLabel = nullptr;
    QLabel *m_creditLabel = nullptr;
    QLabel *m_nameNoticeLabel = nullptr;
    QLabel *m_platformLabel = nullptr;
    QPushButton *m_closeButton = nullptr;
};

// Runs the about dialog modally over the main window.
void runAboutDialog();
