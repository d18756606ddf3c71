#pragma once

#include "widgets/dialog.h"

#include <QWidget>

class CAutoupdateGroupBox;
class CCurrencyGroupBox;
class CFuelSettingsGroupBox;
class QPushButton;
class QTabWidget;
class Updater;

// The "General" tab: fuel settings and currency.
class CGeneralTab : public QWidget
{
    Q_OBJECT

public:
    explicit CGeneralTab(QWidget *parent = nullptr);

    CFuelSettingsGroupBox *fuelSettings() const { return m_fuelSettings; }
    CCurrencyGroupBox *currency() const { return m_currency; }
    void retranslateUi();

private:
    CFuelSettingsGroupBox *m_fuelSettings = nullptr;
    CCurrencyGroupBox *m_currency = nullptr;
};

// The "Autoupdate" tab: the updater's preferences.
class CAutoupdateTab : public QWidget
{
    Q_OBJECT

public:
    explicit CAutoupdateTab(QWidget *parent = nullptr, Updater *updater = nullptr);

    CAutoupdateGroupBox *groupBox() const { return m_groupBox; }
    void retranslateUi();

private:
    CAutoupdateGroupBox *m_groupBox = nullptr;
};

// The preferences window; every change is stored as it is made.
class COptionsDialog : public CDialog
{
    Q_OBJECT

public:
    explicit COptionsDialog(QWidget *parent = nullptr, Updater *updater = nullptr);

    QTabWidget *tabWidget() const { return m_tabWidget; }
    CGeneralTab *generalTab() const { return m_generalTab; }
    CAutoupdateTab *autoupdateTab() const { return m_autoupdateTab; }
    void retranslateUi();

private:
    QTabWidget *m_tabWidget = nullptr;
    CGeneralTab *m_generalTab = nullptr;
    CAutoupdateTab *m_autoupdateTab = nullptr;
    QPushButton *m_closeButton = nullptr;
};

// Runs the options dialog over the main window, then lets the window show
// the changed units and currency.
void runOptionsDialog();
