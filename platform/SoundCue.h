// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <array>

// The program's sounds, and the file in the data folder each is played from.
enum class Sound { Right, Wrong, Tick, Ring };
inline constexpr std::array<const char *, 4> SoundFiles{"goodbeep.WAV", "badbeep.WAV", "tick.WAV", "ring.WAV"};
constexpr const char *fileOf(Sound sound)
{
    return SoundFiles[static_cast<int>(sound)];
}

// Plays one of the program's sounds and returns only when it has been heard
// to the end. A sound that cannot be played is skipped quietly, and one that a
// sound server does not play in its time is given up: the program never stops
// for sound.
class SoundCue {
public:
    virtual ~SoundCue() = default;
    virtual void play(Sound sound) = 0;
};
