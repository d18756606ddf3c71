#pragma once

#include <QLabel>

// A one-line plain-text label that may become narrower than its text: the
// text is then cut with an ellipsis and shown whole in the tool tip, so a
// long name never forces the window wider.
class CElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CElidedLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    // Whether the text is cut at the current width.
    bool isElided() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
