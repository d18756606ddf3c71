#pragma once

#include <QLabel>

class QMovie;

// A label that plays a busy animation while running.
class CAnimationLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CAnimationLabel(QWidget *parent = nullptr);
    ~CAnimationLabel() override;

    void setFileName(const QString &path);
    QString fileName() const;
    bool isRunning() const { return running; }

public slots:
    void start();
    void stop();

private:
    bool running = false;
    QMovie *movie = nullptr;
};
