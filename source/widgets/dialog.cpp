#include "widgets/dialog.h"

#include <QPainter>

CDialog::CDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , footer(QStringLiteral(":resource/windows/dialog-background-footer.png"))
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(252, 252, 252));
    setPalette(pal);
}

void CDialog::paintEvent(QPaintEvent *event)
{
    if (!footer.isNull()) {
        QPainter painter(this);
        const int y = height() - footer.height();
        for (int x = 0; x < width(); x += footer.width())
            painter.drawPixmap(x, y, footer);
    }
    QDialog::paintEvent(event);
}
