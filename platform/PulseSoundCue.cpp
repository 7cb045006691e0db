// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PulseSoundCue.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <dlfcn.h>
#include <mutex>
#include <pulse/simple.h>
#include <sndfile.h>

namespace {
using Clock = std::chrono::steady_clock;

template <typename Function> Function symbol(void *library, const char *name)
{
    return library ? reinterpret_cast<Function>(dlsym(library, name)) : nullptr;
}

// The sound libraries, opened at the first sound instead of at start-up:
// with the codecs that libsndfile brings they take about 1.5 ms to load,
// which the start screen need not wait for. Each call has the type its
// header declares. Where a library cannot be opened, no sound is played.
struct SoundLibraries {
    static const SoundLibraries &get()
    {
        static const SoundLibraries opened;
        return opened;
    }
    bool loaded() const { return open && readFrames && close && connect && flush && write && drain && free; }

    void *sndfile = dlopen("libsndfile.so.1", RTLD_NOW | RTLD_LOCAL);
    void *pulse = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
    decltype(&sf_open) open = symbol<decltype(open)>(sndfile, "sf_open");
    decltype(&sf_readf_short) readFrames = symbol<decltype(readFrames)>(sndfile, "sf_readf_short");
    decltype(&sf_close) close = symbol<decltype(close)>(sndfile, "sf_close");
    decltype(&pa_simple_new) connect = symbol<decltype(connect)>(pulse, "pa_simple_new");
    decltype(&pa_simple_flush) flush = symbol<decltype(flush)>(pulse, "pa_simple_flush");
    decltype(&pa_simple_write) write = symbol<decltype(write)>(pulse, "pa_simple_write");
    decltype(&pa_simple_drain) drain = symbol<decltype(drain)>(pulse, "pa_simple_drain");
    decltype(&pa_simple_free) free = symbol<decltype(free)>(pulse, "pa_simple_free");
};

// About 20 ms of buffer: the server's default would add some 150 ms to every
// sound. The samples go to the server in pieces of the same length, so that a
// sound given up stops between two pieces.
constexpr int BufferMs = 20;

// How long past its length a sound may take before it is given up. A live
// server takes 3 to 25 ms past a sound's length (PulseAudio about 5, PipeWire's
// Pulse server 7 to 25); on a two-core machine busy with four other jobs,
// as much as half a second, when sounds break up anyway. With half a second,
// a tick given up still ends before the clock's next second is due, so the
// clock keeps its schedule.
constexpr auto Grace = std::chrono::milliseconds(500);

// How long making a connection may take before its sound is given up. A
// connection takes 1 to 25 ms. The cue's first one is made at start-up, before
// any clock runs, and may take seconds (a server just started); a new one
// after a failure gets the grace of a sound. A connection made after its
// sound was given up is kept for the next sound.
constexpr auto FirstConnectAllowance = std::chrono::seconds(3);
constexpr auto ConnectAllowance = Grace;
} // namespace

// What the cue and its thread share. The thread alone touches the stream;
// the rest is guarded by the mutex.
struct PulseSoundCue::Player {
    enum class Stage {
        Idle, // waiting for a sound
        Handed, // a sound handed over, not yet begun
        Connecting, // making a connection for it
        Playing, // writing it and waiting until it has been heard
    };

    std::mutex mutex;
    std::condition_variable work; // a sound handed over, or the cue gone
    std::condition_variable done; // back to Idle
    std::shared_ptr<const Samples> sound;
    Stage stage = Stage::Idle;
    Clock::time_point since; // when the stage began
    bool givenUp = false; // the cue stopped waiting for the sound in hand
    bool closing = false; // the cue is gone
    bool connectedOnce = false; // a connection has been made before

    pa_simple *stream = nullptr;
    int rate = 0;
    int channels = 0;

    void run();
    bool connect(int rate, int channels);
    bool write(const Samples &s);
    void disconnect();
    bool stillWanted()
    {
        const std::lock_guard lock(mutex);
        return !givenUp;
    }
};

PulseSoundCue::PulseSoundCue(const QString &folder)
    : m_folder(folder)
    , m_player(std::make_shared<Player>())
{
    m_thread = std::thread([player = m_player] { player->run(); });
}

PulseSoundCue::~PulseSoundCue()
{
    std::unique_lock lock(m_player->mutex);
    m_player->closing = true;
    const bool stuck = m_player->stage != Player::Stage::Idle;
    lock.unlock();
    m_player->work.notify_all();
    // A thread still in a call to a stalled server ends when the call
    // returns, or with the process: the program's exit does not wait for it.
    if (stuck)
        m_thread.detach();
    else
        m_thread.join();
}

std::shared_ptr<const PulseSoundCue::Samples> PulseSoundCue::samples(Sound sound)
{
    std::shared_ptr<const Samples> &decoded = m_decoded[static_cast<int>(sound)];
    const SoundLibraries &library = SoundLibraries::get();
    if (decoded || !library.loaded())
        return decoded;
    SF_INFO info{};
    const QByteArray native = QFile::encodeName(QDir(m_folder).filePath(QString::fromLatin1(fileOf(sound))));
    if (SNDFILE *file = library.open(native.constData(), SFM_READ, &info)) {
        if (info.frames > 0 && info.channels > 0 && info.channels <= 8 && info.samplerate > 0
            && info.frames < 48000LL * 600) {
            auto read = std::make_shared<Samples>();
            read->samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
            const sf_count_t got = library.readFrames(file, read->samples.data(), info.frames);
            read->samples.resize(std::size_t(got > 0 ? got : 0) * std::size_t(info.channels));
            read->rate = info.samplerate;
            read->channels = info.channels;
            if (!read->samples.empty())
                decoded = std::move(read);
        }
        library.close(file);
    }
    // A missing file is looked for again next time (it may be restored);
    // a decoded one is kept.
    return decoded;
}

void PulseSoundCue::play(Sound sound)
{
    const std::shared_ptr<const Samples> s = samples(sound);
    if (!s)
        return;
    Player &p = *m_player;
    std::unique_lock lock(p.mutex);
    if (p.stage != Player::Stage::Idle)
        return; // the server has not yet answered for a sound given up: skipped
    p.sound = s;
    p.stage = Player::Stage::Handed;
    p.since = Clock::now();
    p.givenUp = false;
    p.work.notify_one();

    const auto length
        = std::chrono::microseconds(std::int64_t(s->samples.size()) * 1000000 / (std::int64_t(s->rate) * s->channels));
    while (p.stage != Player::Stage::Idle) {
        std::chrono::microseconds allowed = length + Grace;
        if (p.stage == Player::Stage::Connecting)
            allowed = p.connectedOnce ? ConnectAllowance : FirstConnectAllowance;
        if (Clock::now() >= p.since + allowed) {
            p.givenUp = true;
            return;
        }
        p.done.wait_until(lock, p.since + allowed);
    }
}

void PulseSoundCue::Player::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        work.wait(lock, [this] { return stage == Stage::Handed || closing; });
        if (stage != Stage::Handed)
            break;
        const std::shared_ptr<const Samples> s = sound;
        if (!givenUp) {
            const bool connected = stream && rate == s->rate && channels == s->channels;
            stage = connected ? Stage::Playing : Stage::Connecting;
            since = Clock::now();
            lock.unlock();
            const bool ready = connected || connect(s->rate, s->channels);
            lock.lock();
            connectedOnce = connectedOnce || ready;
            if (ready && !givenUp) {
                stage = Stage::Playing;
                since = Clock::now();
                lock.unlock();
                if (!write(*s)) {
                    // The server went away, refused the sound or took too
                    // long: what it holds of the sound goes with the
                    // connection, and the next sound makes a new one.
                    disconnect();
                }
                lock.lock();
            }
        }
        sound.reset();
        stage = Stage::Idle;
        done.notify_all();
        if (closing)
            break;
    }
    lock.unlock();
    disconnect();
}

bool PulseSoundCue::Player::connect(int newRate, int newChannels)
{
    disconnect();

    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_S16LE;
    sampleFormat.rate = std::uint32_t(newRate);
    sampleFormat.channels = std::uint8_t(newChannels);

    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(newRate * newChannels * 2 * BufferMs / 1000);
    attr.prebuf = std::uint32_t(-1);
    attr.minreq = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(-1);

    int error = 0;
    stream = SoundLibraries::get().connect(
        nullptr, "Tempozap", PA_STREAM_PLAYBACK, nullptr, "sound cue", &sampleFormat, nullptr, &attr, &error);
    if (!stream)
        return false;
    rate = newRate;
    channels = newChannels;
    return true;
}

bool PulseSoundCue::Player::write(const Samples &s)
{
    int error = 0;
    // What is left of the previous sound goes first: on a kept connection
    // PipeWire's Pulse server otherwise drops the beginning of the next
    // sound, by the time that has passed since the last one ended.
    const SoundLibraries &library = SoundLibraries::get();
    if (library.flush(stream, &error) < 0)
        return false;
    // Whole frames, one at least: a server takes no part of a frame.
    const std::size_t piece = std::max<std::size_t>(1, std::size_t(s.rate) * BufferMs / 1000) * std::size_t(s.channels);
    for (std::size_t at = 0; at < s.samples.size(); at += piece) {
        const std::size_t count = std::min(piece, s.samples.size() - at);
        if (!stillWanted() || library.write(stream, s.samples.data() + at, count * sizeof(std::int16_t), &error) < 0)
            return false;
    }
    return stillWanted() && library.drain(stream, &error) >= 0;
}

void PulseSoundCue::Player::disconnect()
{
    if (stream)
        SoundLibraries::get().free(stream);
    stream = nullptr;
    rate = channels = 0;
}
