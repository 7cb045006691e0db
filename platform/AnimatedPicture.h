// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QLabel>

class QMovie;

// Shows an animated picture file in its rectangle. start() runs or resumes
// the animation, stop() holds it still on the current frame. While its window
// is hidden no frame is decoded; it goes on where it was when shown again. On a screen of
// twice the pixel density the "@2x" file beside the given one is shown, when
// there is one, at the same logical size.
class AnimatedPicture : public QLabel {
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);
    void setPath(const QString &path);
    void start();
    void stop();
    QMovie *movie() const { return m_movie; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QMovie *m_movie = nullptr;
    qreal m_ratio = 1.0; // the device pixel ratio the shown file was drawn for
    bool m_running = false; // started and not stopped, whether shown or not
    void follow(); // the movie runs exactly while running and shown
};
