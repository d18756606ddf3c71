#pragma once

#include <QPixmap>
#include <QToolBar>

// The main tool bar: paints a picture tiled along its width behind the buttons.
class CToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CToolBar(QWidget *parent = nullptr);

    // Loads the picture when the file exists, otherwise clears it; repaints.
    void setBackgroundImage(const QString &path);
    QPixmap backgroundImage() const { return m_backgroundImage; }
    // The picture's top edge relative to the bar's top edge.
    void setBackgroundOffsetY(int offset);
    int backgroundOffsetY() const { return m_backgroundOffsetY; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_backgroundImage;
    int m_backgroundOffsetY = 0;
};
