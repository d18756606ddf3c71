#pragma once

#include <QScrollArea>

// A frameless, transparent scroll area whose inner widget carries the
// layout given to setLayout().
class CScrollWidget : public QScrollArea
{
    Q_OBJECT

public:
    explicit CScrollWidget(QWidget *parent = nullptr);

    // Installs `layout` on the inner widget, not on the scroll area.
    void setLayout(QLayout *layout);
    QWidget *contentsWidget() const { return contents; }

private:
    QWidget *contents = nullptr;
};
