// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "SoundCue.h"

#include <QString>
#include <cstdint>
#include <vector>

struct pa_simple;

// Plays the WAV files of a folder through the sound server and returns when the sound has
// been heard to the end. One connection is kept open between sounds (a new
// connection costs milliseconds and, on some servers, seconds) and remade
// after any failure. Decoded sounds are kept, so a tick costs no file work.
class PulseSoundCue final : public SoundCue {
public:
    explicit PulseSoundCue(const QString &folder);
    ~PulseSoundCue() override;
    PulseSoundCue(const PulseSoundCue &) = delete;
    PulseSoundCue &operator=(const PulseSoundCue &) = delete;

    void play(Sound sound) override;

private:
    struct Samples {
        std::vector<std::int16_t> samples;
        int rate = 0;
        int channels = 0;
    };
    const Samples *samples(Sound sound);
    bool connect(int rate, int channels);
    void disconnect();

    QString m_folder;
    std::array<Samples, SoundFiles.size()> m_decoded; // empty until read
    pa_simple *m_stream = nullptr;
    int m_rate = 0;
    int m_channels = 0;
};
