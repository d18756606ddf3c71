#pragma once

#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;

// A dismissible bar that tells the user something at the top of a window: a
// title and a list of entries, each a link. Entry texts are plain text; the
// bar escapes them.
class CNoticeBar : public QFrame
{
    Q_OBJECT

public:
    struct Entry
    {
        // Handed back by entryActivated().
        QString key;
        // Shown as the link.
        QString text;
        // Shown after the link.
        QString detail;
    };

    explicit CNoticeBar(QWidget *parent = nullptr);

    void setNotice(const QString &title, const QList<Entry> &entries);
    void setIcon(const QString &path);
    void setDismissText(const QString &text);
    // The rich text of the entry list.
    QString entriesText() const;
    QPushButton *dismissButton() const { return m_dismissButton; }

signals:
    void entryActivated(const QString &key);
    // The user closed the bar; it is hidden already.
    void dismissed();

private:
    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_entries = nullptr;
    QPushButton *m_dismissButton = nullptr;
};
