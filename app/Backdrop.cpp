// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Backdrop.h"

#include "FormBuilder.h"
#include "SoundCue.h"
#include "WorkArea.h"

Backdrop::Backdrop(SoundCue &sound, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_sound(sound)
{
    setObjectName(QStringLiteral("Background"));
    setWindowTitle(QStringLiteral("Tempozap - backdrop"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourOf(Paint::Blue));
    setPalette(palette);
    setAutoFillBackground(true);

    // Over the work area, 400 twips taller than it, from its top edge.
    const QRect area = workAreaTwips(this);
    setGeometry(
        twips::toPx(area.left()), twips::toPx(area.top()), twips::toPx(area.width()), twips::toPx(area.height() + 400));

    m_ring.setObjectName(QStringLiteral("Timer1"));
    m_ring.setInterval(100);
    m_ring.setTimerType(Qt::PreciseTimer);
    connect(&m_ring, &QTimer::timeout, this, &Backdrop::onRing);
    m_ring.start();
}

// Timer1_Timer: the ring, once.
void Backdrop::onRing()
{
    m_sound.play(Sound::Ring);
    m_ring.stop();
}
