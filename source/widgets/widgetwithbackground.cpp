#include "widgets/widgetwithbackground.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

CWidgetWithBackground::CWidgetWithBackground(QWidget *parent)
    : QWidget(parent)
{
}

CWidgetWithBackground::~CWidgetWithBackground() = default;

void CWidgetWithBackground::setBackgroundImage(const QString &path)
{
    picture.reset();
    if (!path.isEmpty() && QFile::exists(path)) {
        auto loaded = std::make_unique<QPixmap>(path);
        if (!loaded->isNull())
            picture = std::move(loaded);
    }
    update();
}

void CWidgetWithBackground::setBackgroundMode(int newMode)
{
    mode = newMode;
    update();
}

void CWidgetWithBackground::setBackgroundOffset(int x, int y)
{
    offsetX = x;
    offsetY = y;
    mode = BackgroundOffset;
    update();
}

QPixmap CWidgetWithBackground::background() const
{
    return picture ? *picture : QPixmap();
}

QRect CWidgetWithBackground::backgroundRect(int mode, const QSize &widgetSize, const QSize &pictureSize,
                                            int offsetX, int offsetY)
{
    const int W = widgetSize.width();
    const int H = widgetSize.height();
    const int w = pictureSize.width();
    const int h = pictureSize.height();
    if (w < 1 || h < 1)
        return QRect();

    switch (mode) {
    case BackgroundFill:
    case BackgroundFit: {
        if (W < 1 || H < 1)
            return QRect();
        // Exact comparison of w/h with W/H by cross-multiplication.
        const qint64 pictureSide = qint64(w) * H;
        const qint64 widgetSide = qint64(W) * h;
        const bool fitHeight = mode == BackgroundFill ? pictureSide > widgetSide : widgetSide > pictureSide;
        if (fitHeight) {
            const int width = int(qint64(H) * w / h);
            return QRect((W - width) / 2, 0, width, H);
        }
        const int height = int(qint64(W) * h / w);
        return QRect(0, (H - height) / 2, W, height);
    }
    case BackgroundStretch:
        return QRect(0, 0, W, H);
    case BackgroundTiled:
        return QRect(offsetX, offsetY, W - offsetX, H - offsetY);
    case BackgroundCentered:
        return QRect((W - w) / 2, (H - h) / 2, w, h);
    default:
        return QRect(offsetX, offsetY, w, h);
    }
}

void CWidgetWithBackground::paintEvent(QPaintEvent *event)
{
    if (picture) {
        const QRect target = backgroundRect(mode, size(), picture->size(), offsetX, offsetY);
        if (target.isValid()) {
            QPainter painter(this);
            if (mode == BackgroundTiled)
                painter.drawTiledPixmap(target, *picture);
            else {
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawPixmap(target, *picture);
            }
        }
    }
    QWidget::paintEvent(event);
}

void CWidgetWithBackground::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
