// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound measurements for tools/bench, made with the program's own sound cue
// and, as the floor, with the bare sound-server calls the cue is built on.
//
//   benchsound latency FOLDER RUNS   time each sound takes beyond its length:
//                                    cue and bare calls, kept and fresh connection
//   benchsound giveup FOLDER RUNS    time a sound takes to fail with no server
//   benchsound stall FOLDER RUNS PID with a kept connection and the server stopped
//                                    (SIGSTOP to PID): the time past its length a
//                                    tick takes to be given up and the next
//                                    sound to be skipped; then resumed
//   benchsound ticker FOLDER SECONDS "tick.WAV" once a second on the second, the
//                                    cost of the clock's sounds without a window
//   benchsound ticks FILE RATE START the ticks of an Expert game among the sounds
//                                    of a raw recording (signed 16-bit mono);
//                                    START: seconds from launch to the Start click
//
// Every result is one line "name value" on standard output; times in ms.

#include "PulseSoundCue.h"

#include <pulse/simple.h>
#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

struct Samples {
    std::vector<std::int16_t> data;
    int rate = 0;
    int channels = 0;
    double lengthMs() const { return rate && channels ? 1000.0 * double(data.size()) / channels / rate : 0; }
};

Samples decode(const std::string &path)
{
    Samples s;
    SF_INFO info{};
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return s;
    s.data.resize(std::size_t(info.frames) * std::size_t(info.channels));
    const sf_count_t got = sf_readf_short(file, s.data.data(), info.frames);
    s.data.resize(std::size_t(got > 0 ? got : 0) * std::size_t(info.channels));
    s.rate = info.samplerate;
    s.channels = info.channels;
    sf_close(file);
    return s;
}

// The bare calls: a playback stream asking for the same 20 ms of buffer as the cue.
pa_simple *openStream(const Samples &s)
{
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_S16LE;
    sampleFormat.rate = std::uint32_t(s.rate);
    sampleFormat.channels = std::uint8_t(s.channels);
    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(s.rate * s.channels * 2 * 20 / 1000);
    attr.prebuf = std::uint32_t(-1);
    attr.minreq = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(-1);
    int error = 0;
    return pa_simple_new(nullptr, "benchsound", PA_STREAM_PLAYBACK, nullptr, "bare", &sampleFormat, nullptr, &attr,
                         &error);
}

// As the cue does: what is left of a sound before goes first, then the sound.
bool playOn(pa_simple *stream, const Samples &s)
{
    int error = 0;
    return pa_simple_flush(stream, &error) >= 0
        && pa_simple_write(stream, s.data.data(), s.data.size() * sizeof(std::int16_t), &error) >= 0
        && pa_simple_drain(stream, &error) >= 0;
}

int latency(const std::string &folder, int runs)
{
    for (const Sound sound : {Sound::Right, Sound::Wrong, Sound::Tick, Sound::Ring}) {
        const char *name = fileOf(sound);
        const Samples s = decode(folder + "/" + name);
        if (s.data.empty()) {
            std::fprintf(stderr, "cannot read %s\n", name);
            return 1;
        }
        const double length = s.lengthMs();
        std::printf("length %s %.3f\n", name, length);

        {
            PulseSoundCue cue(QString::fromStdString(folder));
            cue.play(sound); // warm-up: connects and decodes
            for (int i = 0; i < runs; ++i) {
                const auto t0 = Clock::now();
                cue.play(sound);
                std::printf("cue_kept %s %.3f\n", name, msSince(t0) - length);
            }
        }
        for (int i = 0; i < runs; ++i) {
            auto cue = std::make_unique<PulseSoundCue>(QString::fromStdString(folder));
            const auto t0 = Clock::now();
            cue->play(sound);
            std::printf("cue_fresh %s %.3f\n", name, msSince(t0) - length);
        }
        if (pa_simple *stream = openStream(s)) {
            playOn(stream, s);
            for (int i = 0; i < runs; ++i) {
                const auto t0 = Clock::now();
                playOn(stream, s);
                std::printf("bare_kept %s %.3f\n", name, msSince(t0) - length);
            }
            pa_simple_free(stream);
        }
        for (int i = 0; i < runs; ++i) {
            const auto t0 = Clock::now();
            pa_simple *stream = openStream(s);
            if (stream)
                playOn(stream, s);
            std::printf("bare_fresh %s %.3f\n", name, msSince(t0) - length);
            if (stream)
                pa_simple_free(stream);
        }
        std::fflush(stdout);
    }
    return 0;
}

int giveUp(const std::string &folder, int runs)
{
    PulseSoundCue cue(QString::fromStdString(folder));
    auto t0 = Clock::now();
    cue.play(Sound::Tick);
    std::printf("cue_giveup_first %.3f\n", msSince(t0));
    for (int i = 0; i < runs; ++i) {
        t0 = Clock::now();
        cue.play(Sound::Tick);
        std::printf("cue_giveup %.3f\n", msSince(t0));
    }
    const Samples s = decode(folder + "/tick.WAV");
    for (int i = 0; i < runs; ++i) {
        t0 = Clock::now();
        pa_simple *stream = openStream(s);
        std::printf("bare_giveup %.3f\n", msSince(t0));
        if (stream)
            pa_simple_free(stream);
    }
    return 0;
}

// Stops a process and returns once it is stopped (state T in its stat line).
void stop(pid_t pid)
{
    kill(pid, SIGSTOP);
    const std::string stat = "/proc/" + std::to_string(pid) + "/stat";
    for (int i = 0; i < 2000; ++i) {
        char line[512] = {};
        if (std::FILE *file = std::fopen(stat.c_str(), "r")) {
            const std::size_t got = std::fread(line, 1, sizeof line - 1, file);
            std::fclose(file);
            const char *end = std::strrchr(line, ')');
            if (got && end && end[1] == ' ' && end[2] == 'T')
                return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int stall(const std::string &folder, int runs, pid_t server)
{
    const double tick = decode(folder + "/" + fileOf(Sound::Tick)).lengthMs();
    for (int i = 0; i < runs; ++i) {
        PulseSoundCue cue(QString::fromStdString(folder));
        cue.play(Sound::Tick); // connects
        stop(server);
        auto t0 = Clock::now();
        cue.play(Sound::Tick);
        std::printf("cue_stall_giveup %.3f\n", msSince(t0) - tick);
        t0 = Clock::now();
        cue.play(Sound::Tick);
        std::printf("cue_stall_skip %.3f\n", msSince(t0));
        std::fflush(stdout);
        kill(server, SIGCONT);
        // The connection given up goes once the server answers again.
        for (int wait = 0; wait < 100; ++wait) {
            t0 = Clock::now();
            cue.play(Sound::Tick);
            if (msSince(t0) >= tick)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    return 0;
}

int ticker(const std::string &folder, int seconds)
{
    PulseSoundCue cue(QString::fromStdString(folder));
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (int i = 0; i < seconds; ++i) {
        next.tv_sec += 1;
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
        }
        cue.play(Sound::Tick);
    }
    return 0;
}

// The start of every sound in a raw recording, in samples: the first sample
// above the threshold after at least a quarter of a second of silence.
std::vector<long> onsetsOf(const std::string &path, int rate)
{
    std::vector<long> found;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return found;
    }
    constexpr int Threshold = 300;
    const long quietNeeded = rate / 4;
    long quiet = quietNeeded, index = 0;
    std::int16_t buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, sizeof(std::int16_t), 4096, file)) > 0) {
        for (std::size_t i = 0; i < got; ++i, ++index) {
            const int v = buffer[i] < 0 ? -int(buffer[i]) : int(buffer[i]);
            if (v > Threshold) {
                if (quiet >= quietNeeded)
                    found.push_back(index);
                quiet = 0;
            } else {
                ++quiet;
            }
        }
    }
    std::fclose(file);
    return found;
}

// The 181 ticks of an Expert game among the sounds recorded: the start-up
// ring comes first (100 ms after launch), the ticks follow Start about a
// second apart, the end-of-game ring follows the last. Each tick is the sound
// nearest to its place on a one-second grid from the first tick, which is the
// sound near Start that puts the most sounds on the grid (the earliest of
// equals). Offsets from the grid: a steady drift grows with k, jitter does not.
int ticks(const std::string &path, int rate, double startAfterLaunch)
{
    constexpr int Ticks = 181;
    const std::vector<long> sounds = onsetsOf(path, rate);
    const auto grid = [&](long first) {
        std::vector<long> found(Ticks, -1);
        for (int k = 0; k < Ticks; ++k) {
            const double place = double(first) + double(k) * rate;
            long nearest = sounds.front();
            for (long s : sounds)
                if (std::abs(double(s) - place) < std::abs(double(nearest) - place))
                    nearest = s;
            if (std::abs(double(nearest) - place) <= 0.45 * rate)
                found[k] = nearest;
        }
        return found;
    };
    const auto count
        = [](const std::vector<long> &t) { return std::count_if(t.begin(), t.end(), [](long v) { return v >= 0; }); };
    // The recorder may have started late: Start is placed by the ring, roughly.
    const double start = sounds.empty() ? 0 : double(sounds.front()) + (startAfterLaunch - 0.1) * rate;
    long first = -1;
    std::vector<long> best;
    for (long s : sounds) {
        if (s < start - 1.5 * rate || s > start + 3.0 * rate)
            continue;
        std::vector<long> t = grid(s);
        if (first < 0 || count(t) > count(best)) {
            first = s;
            best = std::move(t);
        }
    }
    std::printf("ticks_recorded %ld\n", first < 0 ? 0L : long(count(best)));
    if (first < 0 || best.back() < 0)
        return 0;
    std::vector<double> offsets;
    for (int k = 0; k < Ticks; ++k)
        if (best[k] >= 0)
            offsets.push_back(double(best[k] - first) / rate - k);
    double largest = 0;
    for (double v : offsets)
        if (std::abs(v) > std::abs(largest))
            largest = v;
    std::printf("tick_span %.6f\ntick_offset_mid %.6f\ntick_offset_max %.6f\n", double(best.back() - first) / rate,
        offsets[offsets.size() / 2], largest);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: benchsound latency|giveup|ticker FOLDER N, benchsound stall FOLDER N PID, "
                             "benchsound ticks FILE RATE START\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::string where = argv[2];
    const int n = std::atoi(argv[3]);
    if (mode == "latency")
        return latency(where, n);
    if (mode == "giveup")
        return giveUp(where, n);
    if (mode == "stall" && argc > 4)
        return stall(where, n, pid_t(std::atoi(argv[4])));
    if (mode == "ticker")
        return ticker(where, n);
    if (mode == "ticks" && argc > 4)
        return ticks(where, n, std::atof(argv[4]));
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 2;
}
