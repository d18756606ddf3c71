#pragma once

#include "widgets/groupbox.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class Updater;

// The updater's preferences: versions, last and next check, "Check now",
// "Update now", periodic checking with its period and the check at start.
// Every change is stored at once by the updater.
class CAutoupdateGroupBox : public CGroupBox
{
    Q_OBJECT

public:
    // Works for `updater` (the process-wide one when null).
    explicit CAutoupdateGroupBox(QWidget *parent = nullptr, Updater *updater = nullptr);

    QLabel *currentVersionLabel() const { return m_currentVersionLabel; }
    QLabel *latestVersionLabel() const { return m_latestVersionLabel; }
    QLabel *lastCheckLabel() const { return m_lastCheckLabel; }
    QLabel *nextCheckLabel() const { return m_nextCheckLabel; }
    QPushButton *updateNowButton() const { return m_updateNowButton; }
    QPushButton *checkNowButton() const { return m_checkNowButton; }
    QCheckBox *checkOnStartBox() const { return m_checkOnStartBox; }
    QCheckBox *autocheckBox() const { return m_autocheckBox; }
    QComboBox *periodList() const { return m_periodList; }

    // Refreshes every text and state from the updater.
    void retranslateUi();

public slots:
    void slotCheckNow();
    void slotUpdateNow();
    void slotAutocheckChanged();
    void slotCheckOnAppStartChanged();

private:
    Updater *m_updater = nullptr;
    QLabel *m_currentVersionLabel = nullptr;
    QLabel *m_latestVersionLabel = nullptr;
    QPushButton *m_updateNowButton = nullptr;
    QLabel *m_lastCheckLabel = nullptr;
    QPushButton *m_checkNowButton = nullptr;
    QLabel *m_nextCheckLabel = nullptr;
    QCheckBox *m_checkOnStartBox = nullptr;
    QCheckBox *m_autocheckBox = nullptr;
    QComboBox *m_periodList = nullptr;
};
