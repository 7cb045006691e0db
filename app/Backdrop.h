// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Screen.h"

#include <QTimer>

class SoundCue;
class WorkArea;

// The blue backdrop spread over the desktop work area behind every other
// window of the program. It rings once, shortly after it is made.
class Backdrop final : public Screen {
    Q_OBJECT
public:
    static constexpr int RingDelay = 100; // ms

    Backdrop(SoundCue &sound, const WorkArea &workArea, QWidget *parent = nullptr);

private:
    void onRing();

    SoundCue &m_sound;
    QTimer m_ring{this};
};
