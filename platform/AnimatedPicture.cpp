// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnimatedPicture.h"

#include "Pictures.h"

#include <QMovie>
#include <QPainter>

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
    , m_movie(new QMovie(this))
{
    // Frames are drawn here rather than by the label, so that a frame of a
    // sharper file keeps its logical size.
    connect(m_movie, &QMovie::frameChanged, this, [this] { update(); });
}

void AnimatedPicture::setPath(const QString &path)
{
    m_movie->stop();
    const QString file = Pictures::fileFor(path, devicePixelRatioF());
    m_ratio = Pictures::ratioOf(file);
    m_movie->setFileName(file);
    m_movie->jumpToFrame(0);
    update();
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    QPixmap frame = m_movie->currentPixmap();
    if (frame.isNull())
        return;
    frame.setDevicePixelRatio(m_ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, frame);
}

void AnimatedPicture::start()
{
    m_running = true;
    follow();
}

void AnimatedPicture::stop()
{
    m_running = false;
    follow();
}

void AnimatedPicture::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    follow();
}

void AnimatedPicture::hideEvent(QHideEvent *event)
{
    QLabel::hideEvent(event);
    follow();
}

void AnimatedPicture::follow()
{
    const bool animate = m_running && isVisible();
    if (animate && m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
    else if (animate && m_movie->state() == QMovie::NotRunning)
        m_movie->start();
    else if (!animate && m_movie->state() == QMovie::Running)
        m_movie->setPaused(true);
}
