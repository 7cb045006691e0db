// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QTimer>
#include <QWidget>

class SoundCue;

// The blue backdrop spread over the desktop work area behind every other
// window of the program. It rings once, 100 ms after it is made.
class Backdrop final : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(SoundCue &sound, QWidget *parent = nullptr);

private:
    void onRing();

    SoundCue &m_sound;
    QTimer m_ring{this};
};
