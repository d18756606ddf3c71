#include "application/sidebar.h"

#include <QPainter>
#include <QVBoxLayout>

CSidebar::CSidebar(int side, QWidget *parent)
    : CWidgetWithBackground(parent), m_side(side), m_layout(new QVBoxLayout(this))
{
    if (m_side == Left)
        m_layout->setContentsMargins(0, 0, 1, 0);
    else
        m_layout->setContentsMargins(1, 0, 0, 0);
    setMinimumWidth(200);
    setMaximumWidth(400);
}

void CSidebar::addWidget(QWidget *widget, int stretch, Qt::Alignment alignment)
{
    m_layout->addWidget(widget, stretch, alignment);
}

void CSidebar::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setPen(QColor(214, 229, 245));
        const int x = m_side == Left ? width() - 1 : 0;
        painter.drawLine(x, 0, x, height());
    }
    CWidgetWithBackground::paintEvent(event);
}
