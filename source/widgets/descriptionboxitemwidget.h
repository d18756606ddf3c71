#pragma once

#include <QWidget>

class QLabel;

// One entry of a description box: an icon beside a bold heading and a
// rich-text description.
class CDescriptionBoxItemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CDescriptionBoxItemWidget(QWidget *parent = nullptr);

    void setIcon(const QString &path);
    void setHeading(const QString &heading);
    void setText(const QString &text);

    QString heading() const;
    QString text() const;
    bool hasIcon() const;

private:
    QLabel *iconLabel = nullptr;
    QLabel *headingLabel = nullptr;
    QLabel *textLabel = nullptr;
};
