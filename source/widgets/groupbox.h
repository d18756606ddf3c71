#pragma once

#include <QWidget>

class QLabel;
class QLayout;
class QVBoxLayout;

// A titled block of controls; subclasses build their rows in layouts passed
// to addLayout().
class CGroupBox : public QWidget
{
    Q_OBJECT

public:
    explicit CGroupBox(QWidget *parent = nullptr);

    QString title() const;
    void addLayout(QLayout *layout);

public slots:
    void setTitle(const QString &text);

protected:
    QLabel *titleLabel = nullptr;
    QVBoxLayout *mainLayout = nullptr;
};
