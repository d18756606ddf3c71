#pragma once

#include "widgets/widgetwithbackground.h"

class QVBoxLayout;

// A column beside the module container, with a thin line on the edge that
// faces the content.
class CSidebar : public CWidgetWithBackground
{
    Q_OBJECT

public:
    enum Side { Left = 0, Right = 1 };

    explicit CSidebar(int side, QWidget *parent = nullptr);

    int side() const { return m_side; }
    void addWidget(QWidget *widget, int stretch = 0, Qt::Alignment alignment = Qt::Alignment());

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_side = Left;
    QVBoxLayout *m_layout = nullptr;
};
