#pragma once

#include <QList>
#include <QWidget>

class CVehicleWidget;
class QVBoxLayout;

// The garage's column of vehicle cards, in garage order. Cards are made on
// demand and reused; surplus cards are hidden, never destroyed.
class CVehicleWidgetList : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleWidgetList(QWidget *parent = nullptr);

    // Every card made so far, in display order (hidden ones included).
    QList<CVehicleWidget *> widgets() const { return m_widgets; }
    // Reads the vehicles, shows one card each and writes each vehicle's
    // position as its order. A failed write is reported.
    void refresh();
    void retranslate();
    // Gives the focus to the first shown card.
    void focusFirst();

public slots:
    void slotRefreshList();

private:
    // Moves the focus `step` shown cards on from `card`; stays at the ends.
    void focusNeighbour(CVehicleWidget *card, int step);

    QList<CVehicleWidget *> m_widgets;
    QVBoxLayout *m_layout = nullptr;
};
