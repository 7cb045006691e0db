// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Backdrop.h"

#include "BackdropLayout.h"
#include "FormBuilder.h"
#include "SoundCue.h"
#include "WorkArea.h"

using namespace BackdropLayout;

Backdrop::Backdrop(SoundCue &sound, const WorkArea &workArea, QWidget *parent)
    : Screen(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_sound(sound)
{
    FormBuilder(this, Form);
    setGeometry(workArea.of(this).adjusted(0, 0, 0, twips::toPx(ExtraHeight)));

    m_ring.setObjectName(QStringLiteral("Timer1"));
    m_ring.setInterval(RingDelay);
    m_ring.setTimerType(Qt::PreciseTimer);
    m_ring.setSingleShot(true);
    connect(&m_ring, &QTimer::timeout, this, &Backdrop::onRing);
    m_ring.start();
}

// Timer1_Timer: the ring, once.
void Backdrop::onRing()
{
    m_sound.play(Sound::Ring);
}
