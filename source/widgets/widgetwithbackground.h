#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

// A widget that paints a picture behind its children in one of six modes.
class CWidgetWithBackground : public QWidget
{
    Q_OBJECT

public:
    enum BackgroundMode {
        BackgroundOffset = 0,
        BackgroundFill = 1,
        BackgroundFit = 2,
        BackgroundStretch = 3,
        BackgroundTiled = 4,
        BackgroundCentered = 5
    };

    explicit CWidgetWithBackground(QWidget *parent = nullptr);
    ~CWidgetWithBackground() override;

    void setBackgroundImage(const QString &path);
    void setBackgroundMode(int mode);
    void setBackgroundOffset(int x, int y);

    QPixmap background() const;
    int backgroundMode() const { return mode; }
    int backgroundOffsetX() const { return offsetX; }
    int backgroundOffsetY() const { return offsetY; }

    // Where the picture goes for a mode: the target rectangle of the
    // (possibly scaled) picture, or for BackgroundTiled the area to tile with
    // the first tile at its top-left corner. A null rectangle paints nothing.
    static QRect backgroundRect(int mode, const QSize &widgetSize, const QSize &pictureSize,
                                int offsetX, int offsetY);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<QPixmap> picture;
    int mode = BackgroundOffset;
    int offsetX = 0;
    int offsetY = 0;
};
