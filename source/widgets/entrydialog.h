#pragma once

#include "widgets/dialog.h"

#include <initializer_list>

class QLabel;
class QLineEdit;

// The shape every entry dialog shares: run() shows it modally and returns
// the id of the record it saved, or 0 when the user cancelled; Save checks
// the fields, marks the captions of the ones that are not valid (object name
// "errorLabel", which the style sheet shows in red) with the reason of the
// first shown under the form, and only a save that succeeded closes the
// dialog. A save that failed tells the user why and keeps what they typed.
class CEntryDialog : public CDialog
{
    Q_OBJECT

public:
    // The id the last successful save returned; 0 before.
    int savedId() const { return m_savedId; }
    // Runs the dialog: the saved id, 0 when cancelled.
    int run();

    // Marks `caption` (a label, or a check box that heads its row) as the
    // caption of an invalid field, or clears the mark.
    static void markField(QWidget *caption, bool invalid);

    // Why the last Save was refused; empty when it was not.
    QString reasonText() const;

public slots:
    // Moves the focus to the next field.
    void slotNextDlgCtl();

protected:
    explicit CEntryDialog(QWidget *parent = nullptr);

    // Return in these fields moves on to the next field.
    void moveOnReturn(std::initializer_list<QLineEdit *> fields);
    // The label showing why Save was refused; the dialog places it.
    QLabel *reasonLabel() const { return m_reasonLabel; }

    // A round of checks: begin, check each field in order, then passed().
    // The first field that fails takes the focus and gives the reason.
    void beginChecks();
    bool check(QWidget *caption, QWidget *field, bool valid, const QString &reason = QString());
    bool checksPassed() const { return m_checksPassed; }

    // Ends a save: with an id the dialog closes accepted, with 0 the user
    // is told `error` and the dialog stays open.
    void finishSave(int id, const QString &error);

private:
    QLabel *m_reasonLabel = nullptr;
    int m_savedId = 0;
    bool m_checksPassed = true;
};
