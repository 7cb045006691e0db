// The sound cue against a real sound server: what reaches the speaker is
// exactly the file's samples, once, and the call returns only after the sound.
#include "Fakes.h"
#include "ProgramFolder.h"
#include "PulseSoundCue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <pulse/simple.h>
#include <sndfile.h>
#include <thread>
#include <vector>

namespace {
constexpr int Rate = 22050;

// A test sound whose samples are never zero, so silence and sound cannot be confused.
std::vector<qint16> makeSamples(int count, double frequency)
{
    std::vector<qint16> samples(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const double v = 9000.0 * std::sin(2.0 * M_PI * frequency * i / Rate);
        samples[std::size_t(i)] = qint16(v >= 0 ? v + 100 : v - 100);
    }
    return samples;
}

void writeWav(const QString &path, const std::vector<qint16> &samples)
{
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    QVERIFY(file);
    QCOMPARE(sf_write_short(file, samples.data(), sf_count_t(samples.size())), sf_count_t(samples.size()));
    sf_close(file);
}

// Records the null sink's monitor on a thread until stopped.
class Recorder {
public:
    bool open()
    {
        pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, Rate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.fragsize = Rate * 2 / 100; // 10 ms
        int error = 0;
        m_stream = pa_simple_new(nullptr, "tempozap-test", PA_STREAM_RECORD, "test_sink.monitor",
                                 "monitor", &sampleFormat, nullptr, &attr, &error);
        if (!m_stream)
            return false;
        m_thread = std::thread([this] {
            std::vector<qint16> chunk(220);
            while (!m_stop) {
                int err = 0;
                if (pa_simple_read(m_stream, chunk.data(), chunk.size() * 2, &err) < 0)
                    break;
                samples.insert(samples.end(), chunk.begin(), chunk.end());
            }
        });
        return true;
    }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_stream)
            pa_simple_free(m_stream);
        m_stream = nullptr;
    }
    ~Recorder() { stop(); }
    std::vector<qint16> samples;

private:
    pa_simple *m_stream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

// Positions in the recording where a run of non-zero samples starts.
std::vector<std::size_t> soundStarts(const std::vector<qint16> &rec)
{
    std::vector<std::size_t> starts;
    bool inSound = false;
    for (std::size_t i = 0; i < rec.size(); ++i) {
        if (rec[i] != 0 && !inSound)
            starts.push_back(i);
        inSound = rec[i] != 0;
    }
    return starts;
}
}

class SoundCueTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QSKIP("needs a sound server with a null sink named test_sink (tools/test starts one)");
    }

    void playsExactlyTheFileOnceAndReturnsAfterIt_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<double>("frequency");
        QTest::newRow("tick-length") << 50 << 880.0;
        QTest::newRow("beep-length") << 250 << 440.0;
        QTest::newRow("ring-length") << 1200 << 660.0;
    }
    void playsExactlyTheFileOnceAndReturnsAfterIt()
    {
        QFETCH(int, milliseconds);
        QFETCH(double, frequency);
        TempProgramFolder folder;
        const auto samples = makeSamples(Rate * milliseconds / 1000, frequency);
        writeWav(folder.file(QStringLiteral("cue.WAV")), samples);

        PulseSoundCue cue;
        cue.PlaySoundCue(QStringLiteral("cue.WAV")); // connects; may be slow on an idle null sink

        Recorder recorder;
        QVERIFY(recorder.open());
        QTest::qSleep(100);
        QElapsedTimer clock;
        clock.start();
        cue.PlaySoundCue(QStringLiteral("cue.WAV"));
        const qint64 took = clock.elapsed();
        QTest::qSleep(300);
        recorder.stop();

        QVERIFY2(took >= milliseconds - 5, qPrintable(QStringLiteral("returned after %1 ms").arg(took)));
        const auto starts = soundStarts(recorder.samples);
        QCOMPARE(starts.size(), std::size_t(1));
        const std::size_t at = starts.front();
        QVERIFY(at + samples.size() <= recorder.samples.size());
        QVERIFY(std::equal(samples.begin(), samples.end(), recorder.samples.begin() + std::ptrdiff_t(at)));
        QVERIFY(std::all_of(recorder.samples.begin() + std::ptrdiff_t(at + samples.size()),
                            recorder.samples.end(), [](qint16 s) { return s == 0; }));
    }

    void twoCuesArriveInOrderWithoutOverlap()
    {
        TempProgramFolder folder;
        const auto first = makeSamples(Rate / 10, 500.0);
        const auto second = makeSamples(Rate / 5, 1000.0);
        writeWav(folder.file(QStringLiteral("a.WAV")), first);
        writeWav(folder.file(QStringLiteral("b.WAV")), second);
        PulseSoundCue cue;
        cue.PlaySoundCue(QStringLiteral("a.WAV"));
        Recorder recorder;
        QVERIFY(recorder.open());
        QTest::qSleep(100);
        cue.PlaySoundCue(QStringLiteral("a.WAV"));
        cue.PlaySoundCue(QStringLiteral("b.WAV"));
        QTest::qSleep(300);
        recorder.stop();

        std::vector<qint16> expected(first);
        expected.insert(expected.end(), second.begin(), second.end());
        const auto starts = soundStarts(recorder.samples);
        QVERIFY(!starts.empty());
        // Between the two sounds there may be a short silence, never a cut or a mix.
        std::vector<qint16> heard;
        for (qint16 s : recorder.samples)
            if (s != 0)
                heard.push_back(s);
        QCOMPARE(heard.size(), expected.size());
        QVERIFY(heard == expected);
    }

    void missingFileReturnsAtOnce()
    {
        TempProgramFolder folder;
        PulseSoundCue cue;
        QElapsedTimer clock;
        clock.start();
        cue.PlaySoundCue(QStringLiteral("nothing-here.WAV"));
        QVERIFY(clock.elapsed() < 500);
    }

    void noServerReturnsAtOnceAndLaterSoundsStillPlay()
    {
        TempProgramFolder folder;
        writeWav(folder.file(QStringLiteral("cue.WAV")), makeSamples(Rate / 20, 700.0));
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.file(QStringLiteral("no-socket"))));
        {
            PulseSoundCue cue;
            QElapsedTimer clock;
            clock.start();
            for (int i = 0; i < 5; ++i)
                cue.PlaySoundCue(QStringLiteral("cue.WAV"));
            QVERIFY(clock.elapsed() < 500);
        }
        qputenv("PULSE_SERVER", server);
    }
};

QTEST_GUILESS_MAIN(SoundCueTest)
#include "tst_soundcue.moc"
