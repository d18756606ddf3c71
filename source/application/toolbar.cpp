#include "application/toolbar.h"

#include <QFile>
#include <QPainter>

CToolBar::CToolBar(QWidget *parent) : QToolBar(parent) {}

void CToolBar::setBackgroundImage(const QString &path)
{
    m_backgroundImage = QFile::exists(path) ? QPixmap(path) : QPixmap();
    update();
}

void CToolBar::setBackgroundOffsetY(int offset)
{
    m_backgroundOffsetY = offset;
    update();
}

void CToolBar::paintEvent(QPaintEvent *event)
{
    if (!m_backgroundImage.isNull()) {
        QPainter painter(this);
        painter.drawTiledPixmap(QRect(0, m_backgroundOffsetY, width(), m_backgroundImage.height()),
                                m_backgroundImage);
    }
    QToolBar::paintEvent(event);
}
