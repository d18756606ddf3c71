#include "widgets/animationlabel.h"

#include <QMovie>

CAnimationLabel::CAnimationLabel(QWidget *parent)
    : QLabel(parent)
    , movie(new QMovie)
{
    setMovie(movie);
}

CAnimationLabel::~CAnimationLabel()
{
    if (running)
        movie->stop();
    // Detach before deleting so the label never refers to a dead player.
    setMovie(nullptr);
    delete movie;
}

void CAnimationLabel::setFileName(const QString &path)
{
    movie->setFileName(path);
}

QString CAnimationLabel::fileName() const
{
    return movie->fileName();
}

void CAnimationLabel::start()
{
    movie->start();
    running = true;
}

void CAnimationLabel::stop()
{
    running = false;
    movie->stop();
}
