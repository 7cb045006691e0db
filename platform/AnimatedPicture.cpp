#include "AnimatedPicture.h"

#include <QMovie>

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
    , m_movie(new QMovie(this))
{
    setMovie(m_movie);
}

void AnimatedPicture::setPath(const QString &path)
{
    m_movie->stop();
    m_movie->setFileName(path);
    m_movie->jumpToFrame(0);
}

QString AnimatedPicture::path() const
{
    return m_movie->fileName();
}

void AnimatedPicture::start()
{
    if (m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
    else if (m_movie->state() == QMovie::NotRunning)
        m_movie->start();
}

void AnimatedPicture::stop()
{
    if (m_movie->state() == QMovie::Running)
        m_movie->setPaused(true);
}

bool AnimatedPicture::isRunning() const
{
    return m_movie->state() == QMovie::Running;
}
