#pragma once

#include <QDialog>
#include <QPixmap>

// Base of every dialog: a near-white window with the footer strip tiled
// along its bottom edge.
class CDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap footer;
};
