#include "widgets/separatorwidget.h"

#include <QPainter>
#include <QPixmap>

CSeparatorWidget::CSeparatorWidget(QWidget *parent)
    : CSeparatorWidget(Horizontal, parent)
{
}

CSeparatorWidget::CSeparatorWidget(int orientation, QWidget *parent)
    : QWidget(parent)
    , orientation(orientation)
{
    if (isHorizontal()) {
        setFixedHeight(3);
        setMinimumWidth(25);
        setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Maximum);
    } else {
        setFixedWidth(1);
        setMinimumHeight(25);
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Minimum);
    }
}

void CSeparatorWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (isHorizontal()) {
        const int y = lineY();
        painter.setPen(QColor(214, 229, 245));
        painter.drawLine(0, y, width(), y);
        // QPixmap(path) goes through the pixmap cache, so repeated paints are cheap.
        const QPixmap left(QStringLiteral(":resource/images/windows/horizontal-separator-background-left.png"));
        const QPixmap right(QStringLiteral(":resource/images/windows/horizontal-separator-background-right.png"));
        painter.drawPixmap(0, y, left);
        painter.drawPixmap(width() - right.width(), y, right);
    } else {
        painter.setPen(QColor(205, 218, 234));
        painter.drawLine(0, 0, 0, height());
    }
    painter.end();
    QWidget::paintEvent(event);
}
