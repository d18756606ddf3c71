#pragma once

#include <QList>
#include <QWidget>

class CDescriptionBoxItemWidget;
class QLabel;
class QVBoxLayout;

// A rounded box with a centred title and a column of icon entries.
class CDescriptionBoxWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CDescriptionBoxWidget(QWidget *parent = nullptr);

    void setTitle(const QString &text);
    QString title() const;

    // Appends an entry below those added before; an empty heading or icon
    // path leaves that part empty.
    CDescriptionBoxItemWidget *addItem(const QString &text, const QString &heading = QString(),
                                       const QString &iconPath = QString());

    // The entries from top to bottom.
    QList<CDescriptionBoxItemWidget *> items() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *titleLabel = nullptr;
    QVBoxLayout *itemsLayout = nullptr;
};
