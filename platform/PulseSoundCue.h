// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "SoundCue.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

// Plays the WAV files of a folder through the sound server and returns when the sound has
// been heard to the end. One connection is kept open between sounds (a new
// connection costs milliseconds and, on some servers, seconds) and remade
// after any failure. Decoded sounds are kept, so a tick costs no file work.
// The sound libraries are opened at the first sound, not at start-up.
//
// The sound server's calls block for as long as the server does not answer,
// so they are made on a thread of the cue's own: play() hands the sound over
// and waits until it has been heard, but never longer than the sound's length
// and a short grace (and an allowance while a connection is being made). A
// sound that takes longer is given up, and until the server's call returns
// every further sound is skipped at once: a stalled server never stops the
// program.
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
    struct Player;
    std::shared_ptr<const Samples> samples(Sound sound);

    QString m_folder;
    std::array<std::shared_ptr<const Samples>, SoundFiles.size()> m_decoded; // empty until read
    std::shared_ptr<Player> m_player; // shared with the thread, which may outlive the cue
    std::thread m_thread;
};
