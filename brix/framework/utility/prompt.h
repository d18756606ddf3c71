#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>

class QWidget;

namespace Utility {

// Every message box and file dialog of the application goes through here.
// A test switches on scripted mode: nothing is shown, each question takes the
// next queued answer (or the box's default button when none is queued), and
// every message is recorded for inspection.
class Prompt
{
public:
    struct Shown
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QString informativeText;
    };

    static QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                               const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The same with an informative text under the main text.
    static QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                               const QString &title, const QString &text,
                                               const QString &informativeText,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // The question before anything is deleted: a warning with Yes and No,
    // where No is the default, so Return keeps the data. True for Yes.
    static bool confirmDeletion(QWidget *parent, const QString &title, const QString &text,
                                const QString &informativeText = QString());

    static void information(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void critical(QWidget *parent, const QString &title, const QString &text);
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                                const QString &filter = QString());
    // Several existing files; scripted, the next queued name alone.
    static QStringList openFileNames(QWidget *parent, const QString &caption, const QString &dir = QString(),
                                     const QString &filter = QString());
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                                const QString &filter = QString());
    static QString existingDirectory(QWidget *parent, const QString &caption, const QString &dir = QString());

    // Test seam.
    static void setScripted(bool scripted);
    static bool isScripted();
    static void queueAnswer(QMessageBox::StandardButton answer);
    static void queueFileName(const QString &fileName);
    static const std::deque<Shown> &shown();
    static void clearShown();

private:
    static QString nextFileName();

    static bool scripted;
    static std::deque<QMessageBox::StandardButton> answers;
    static std::deque<QString> fileNames;
    static std::deque<Shown> history;
};

} // namespace Utility
