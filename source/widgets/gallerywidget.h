#pragma once

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

// A grid of small pictures, one of which is selected. Owners read
// selectedImage() when they need the choice.
class GalleryWidget : public QWidget
{
    Q_OBJECT

public:
    // Grid arithmetic for a width and a number of pictures.
    struct Grid
    {
        int columns = 0;
        int rows = 0;
        int leftOffset = 0;
        int height = 0;
    };

    static constexpr int CellSize = 50;
    static constexpr int Pitch = 59;
    static constexpr int Margin = 9;
    static constexpr int ThumbnailHeight = 32;

    explicit GalleryWidget(QWidget *parent = nullptr);

    void setImages(const QStringList &paths);
    void selectImage(const QString &path);
    QString selectedImage() const;

    int selectedIndex() const { return selected; }
    int rowCount() const { return rows; }
    int columnCount() const { return columns; }
    int leftOffsetX() const { return leftOffset; }

    static Grid gridFor(int width, int count);
    // The picture index under a press at `pos`, or -1.
    static int indexAt(const QPoint &pos, const Grid &grid, int count);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void reload();
    void layoutGrid();

    QStringList imagePaths;
    QList<QPixmap> thumbnails;
    int rows = 0;
    int columns = 0;
    int leftOffset = 0;
    int selected = 0;
};
