#pragma once

#include <QWidget>

// A thin horizontal or vertical separator line.
class CSeparatorWidget : public QWidget
{
    Q_OBJECT

public:
    enum Orientation { Horizontal = 1, Vertical = 2 };

    explicit CSeparatorWidget(QWidget *parent = nullptr);
    // 1 makes a horizontal line, any other value a vertical one.
    explicit CSeparatorWidget(int orientation, QWidget *parent = nullptr);

    bool isHorizontal() const { return orientation == Horizontal; }
    // The row the horizontal line is drawn on.
    int lineY() const { return height() / 2 + 1; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int orientation = Horizontal;
};
