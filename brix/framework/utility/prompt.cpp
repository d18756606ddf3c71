#include "utility/prompt.h"

#include <QFileDialog>

namespace Utility {

bool Prompt::scripted = false;
std::deque<QMessageBox::StandardButton> Prompt::answers;
std::deque<QString> Prompt::fileNames;
std::deque<Prompt::Shown> Prompt::history;

QMessageBox::StandardButton Prompt::message(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                            const QString &text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    return message(parent, icon, title, text, QString(), buttons, defaultButton);
}

QMessageBox::StandardButton Prompt::message(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                            const QString &text, const QString &informativeText,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    if (scripted) {
        history.push_back({icon, title, text, informativeText});
        if (!answers.empty()) {
            const QMessageBox::StandardButton answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (defaultButton != QMessageBox::NoButton)
            return defaultButton;
        // The lowest-valued button of the set, as a stand-in for "the first one".
        for (uint bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
            if (buttons.testFlag(QMessageBox::StandardButton(bit)))
                return QMessageBox::StandardButton(bit);
        }
        return QMessageBox::NoButton;
    }

    QMessageBox box(icon, title, text, buttons, parent);
    box.setInformativeText(informativeText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

bool Prompt::confirmDeletion(QWidget *parent, const QString &title, const QString &text,
                             const QString &informativeText)
{
    return message(parent, QMessageBox::Warning, title, text, informativeText, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No)
        == QMessageBox::Yes;
}

void Prompt::information(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, QMessageBox::Information, title, text);
}

void Prompt::warning(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, QMessageBox::Warning, title, text);
}

void Prompt::critical(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, QMessageBox::Critical, title, text);
}

QMessageBox::StandardButton Prompt::question(QWidget *parent, const QString &title, const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return message(parent, QMessageBox::Question, title, text, buttons, defaultButton);
}

QString Prompt::openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (scripted)
        return nextFileName();
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QStringList Prompt::openFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                  const QString &filter)
{
    if (scripted) {
        const QString name = nextFileName();
        return name.isEmpty() ? QStringList() : QStringList{name};
    }
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString Prompt::saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (scripted)
        return nextFileName();
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString Prompt::existingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    if (scripted)
        return nextFileName();
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

void Prompt::setScripted(bool on)
{
    scripted = on;
    answers.clear();
    fileNames.clear();
    history.clear();
}

bool Prompt::isScripted()
{
    return scripted;
}

void Prompt::queueAnswer(QMessageBox::StandardButton answer)
{
    answers.push_back(answer);
}

void Prompt::queueFileName(const QString &fileName)
{
    fileNames.push_back(fileName);
}

const std::deque<Prompt::Shown> &Prompt::shown()
{
    return history;
}

void Prompt::clearShown()
{
    history.clear();
}

QString Prompt::nextFileName()
{
    if (fileNames.empty())
        return QString();
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

} // namespace Utility
