// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Plays one sound file, given by bare file name, and returns only when the
// sound has been heard to the end. A sound that cannot be played is skipped
// quietly: the program never stops for sound.
class SoundCue {
public:
    virtual ~SoundCue() = default;
    virtual void play(const QString &fileName) = 0;
};
