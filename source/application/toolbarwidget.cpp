#include "application/toolbarwidget.h"

#include <QHBoxLayout>

CToolbarWidget::CToolbarWidget(QWidget *parent) : CWidgetWithBackground(parent), m_layout(new QHBoxLayout(this))
{
    setFixedHeight(33);
    m_layout->setContentsMargins(0, 1, 0, 0);
    m_layout->setSpacing(1);
}

void CToolbarWidget::addWidget(QWidget *widget)
{
    m_layout->addWidget(widget);
}

void CToolbarWidget::insertWidget(int index, QWidget *widget)
{
    m_layout->insertWidget(index, widget);
}
