// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PulseSoundCue.h"

#include <QDir>
#include <QFile>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>

namespace {
// About 20 ms of buffer: the server's default would add some 150 ms to every sound.
constexpr int BufferMs = 20;
} // namespace

PulseSoundCue::PulseSoundCue(const QString &folder)
    : m_folder(folder)
{
}

PulseSoundCue::~PulseSoundCue()
{
    disconnect();
}

const PulseSoundCue::Samples *PulseSoundCue::samples(Sound sound)
{
    Samples &decoded = m_decoded[static_cast<int>(sound)];
    if (!decoded.samples.empty())
        return &decoded;
    SF_INFO info{};
    const QByteArray native = QFile::encodeName(QDir(m_folder).filePath(QString::fromLatin1(fileOf(sound))));
    if (SNDFILE *file = sf_open(native.constData(), SFM_READ, &info)) {
        if (info.frames > 0 && info.channels > 0 && info.channels <= 8 && info.samplerate > 0
            && info.frames < 48000LL * 600) {
            decoded.samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
            const sf_count_t got = sf_readf_short(file, decoded.samples.data(), info.frames);
            decoded.samples.resize(std::size_t(got > 0 ? got : 0) * std::size_t(info.channels));
            decoded.rate = info.samplerate;
            decoded.channels = info.channels;
        }
        sf_close(file);
    }
    // A missing file is looked for again next time (it may be restored);
    // a decoded one is kept.
    return decoded.samples.empty() ? nullptr : &decoded;
}

bool PulseSoundCue::connect(int rate, int channels)
{
    if (m_stream && m_rate == rate && m_channels == channels)
        return true;
    disconnect();

    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_S16LE;
    sampleFormat.rate = std::uint32_t(rate);
    sampleFormat.channels = std::uint8_t(channels);

    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(rate * channels * 2 * BufferMs / 1000);
    attr.prebuf = std::uint32_t(-1);
    attr.minreq = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(-1);

    int error = 0;
    m_stream = pa_simple_new(
        nullptr, "Tempozap", PA_STREAM_PLAYBACK, nullptr, "sound cue", &sampleFormat, nullptr, &attr, &error);
    if (!m_stream)
        return false;
    m_rate = rate;
    m_channels = channels;
    return true;
}

void PulseSoundCue::disconnect()
{
    if (m_stream)
        pa_simple_free(m_stream);
    m_stream = nullptr;
    m_rate = m_channels = 0;
}

void PulseSoundCue::play(Sound sound)
{
    const Samples *s = samples(sound);
    if (!s || !connect(s->rate, s->channels))
        return;
    int error = 0;
    // What is left of the previous sound goes first: on a kept connection
    // PipeWire's Pulse server otherwise drops the beginning of the next
    // sound, by the time that has passed since the last one ended.
    if (pa_simple_flush(m_stream, &error) < 0
        || pa_simple_write(m_stream, s->samples.data(), s->samples.size() * sizeof(std::int16_t), &error) < 0
        || pa_simple_drain(m_stream, &error) < 0) {
        // The server went away or refused the sound: try a new connection next time.
        disconnect();
    }
}
