#include "widgets/gallerywidget.h"

#include <QMouseEvent>
#include <QPainter>

GalleryWidget::GalleryWidget(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFixedHeight(100);
}

void GalleryWidget::setImages(const QStringList &paths)
{
    imagePaths = paths;
    reload();
}

void GalleryWidget::selectImage(const QString &path)
{
    for (int i = 0; i < imagePaths.size(); ++i) {
        if (imagePaths.at(i) == path) {
            selected = i;
            update();
        }
    }
}

QString GalleryWidget::selectedImage() const
{
    if (selected >= 0 && selected < imagePaths.size())
        return imagePaths.at(selected);
    return QString();
}

GalleryWidget::Grid GalleryWidget::gridFor(int width, int count)
{
    Grid grid;
    grid.columns = qMax(0, (width - Margin) / Pitch);
    if (grid.columns == 0)
        grid.rows = 1;
    else
        grid.rows = count / grid.columns + (count % grid.columns ? 1 : 0);
    grid.leftOffset = (width - Margin - grid.columns * Pitch) / 2 + Margin;
    grid.height = grid.rows * Pitch + Margin;
    return grid;
}

int GalleryWidget::indexAt(const QPoint &pos, const Grid &grid, int count)
{
    const int a = pos.x() + 4 - grid.leftOffset;
    if (a < 0 || pos.y() < 5)
        return -1;
    const int column = a / Pitch;
    const int row = (pos.y() - 5) / Pitch;
    if (column >= grid.columns || row >= grid.rows)
        return -1;
    const int index = row * grid.columns + column;
    return index < count ? index : -1;
}

void GalleryWidget::reload()
{
    thumbnails.clear();
    thumbnails.reserve(imagePaths.size());
    for (const QString &path : qAsConst(imagePaths)) {
        QPixmap picture(path);
        // A picture that does not load keeps its cell: drawn empty, still selectable.
        thumbnails.append(picture.isNull() ? picture
                                           : picture.scaledToHeight(ThumbnailHeight, Qt::SmoothTransformation));
    }
    layoutGrid();
    update();
}

void GalleryWidget::layoutGrid()
{
    const Grid grid = gridFor(width(), thumbnails.size());
    columns = grid.columns;
    rows = grid.rows;
    leftOffset = grid.leftOffset;
    if (height() != grid.height || minimumHeight() != grid.height || maximumHeight() != grid.height)
        setFixedHeight(grid.height);
}

void GalleryWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutGrid();
}

void GalleryWidget::paintEvent(QPaintEvent *event)
{
    layoutGrid();
    QPainter painter(this);
    painter.save();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int index = r * columns + c;
            if (index >= thumbnails.size())
                break;
            const int x = leftOffset + Pitch * c;
            const int y = Margin + Pitch * r;
            painter.drawPixmap(x + Margin, y + Margin, thumbnails.at(index));
            if (index == selected) {
                painter.setPen(QPen(QColor(QStringLiteral("#1D1D1B")), 3));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(x, y, CellSize, CellSize);
            }
        }
    }
    painter.restore();
    painter.end();
    QWidget::paintEvent(event);
}

void GalleryWidget::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    const int index = indexAt(event->pos(), Grid{columns, rows, leftOffset, height()}, imagePaths.size());
    if (index >= 0) {
        selected = index;
        update();
    }
}
