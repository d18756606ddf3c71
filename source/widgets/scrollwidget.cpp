#include "widgets/scrollwidget.h"

#include <QLayout>

namespace {
void makeTransparent(QWidget *widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, Qt::transparent);
    widget->setPalette(pal);
}
} // namespace

CScrollWidget::CScrollWidget(QWidget *parent)
    : QScrollArea(parent)
    , contents(new QWidget(this))
{
    makeTransparent(this);
    makeTransparent(contents);
    setWidget(contents);
    setWidgetResizable(true);
    setAlignment(Qt::AlignTop | Qt::AlignRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(0);
}

void CScrollWidget::setLayout(QLayout *layout)
{
    contents->setLayout(layout);
}
