#pragma once

#include <QSqlRecord>
#include <QWidget>

class QFormLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The details panel of a kind of record, right of its list: what the kind
// shows of the selected record above the buttons "Edit" and "Delete", which
// act on that record as the list's actions do.
class CRecordDetailsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CRecordDetailsWidget(QWidget *parent = nullptr);

    // Shows the record (a row of the kind's table).
    virtual void setRecord(const QSqlRecord &record) = 0;
    virtual void retranslate();

    QPushButton *editButton() const { return m_editButton; }
    QPushButton *deleteButton() const { return m_deleteButton; }

signals:
    void editRequested();
    void deleteRequested();

protected:
    // Where the kind puts what it shows, above the buttons.
    QVBoxLayout *contentLayout() const { return m_content; }
    // A label for user text: plain text, selectable, wrapped; added to the
    // content unless `inContent` is false.
    QLabel *addTextLabel(bool inContent = true);
    // A label in the 21-pixel title font.
    QLabel *addTitleLabel();

private:
    QVBoxLayout *m_content = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
};

// The placeholder right of a list while no record is selected: an icon and
// a line of text.
class CNoRecordSelectedWidget : public QWidget
{
    Q_OBJECT

public:
    CNoRecordSelectedWidget(const QString &iconPath, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;

private:
    QLabel *m_text = nullptr;
};
