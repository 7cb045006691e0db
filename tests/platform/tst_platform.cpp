// The platform layer against the real thing: sounds through a real sound
// server (what reaches its null sink is exactly the file's samples, once, and
// the call returns only after the sound), the animated clock, and where the
// program finds its files.
#include "AnimatedPicture.h"
#include "ProgramFolder.h"
#include "PulseSoundCue.h"

#include <QElapsedTimer>
#include <QMovie>
#include <QProcess>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <pulse/simple.h>
#include <sndfile.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr int Rate = 22050;
using Samples = std::vector<qint16>;

// A sound whose samples are never zero, so that silence and sound cannot be confused.
Samples tone(int milliseconds, double frequency, int channels = 1)
{
    Samples samples(std::size_t(Rate * milliseconds / 1000 * channels));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double v = 9000.0 * std::sin(2.0 * M_PI * frequency * double(i / channels) / Rate);
        samples[i] = qint16(v >= 0 ? v + 100 : v - 100);
    }
    return samples;
}

void writeWav(const QString &path, const Samples &samples, int rate = Rate, int channels = 1)
{
    SF_INFO info{0, rate, channels, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    QVERIFY(file);
    sf_write_short(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
}

// What the null sink plays, recorded on a thread from the start to the end of its life.
class Recorder {
public:
    Recorder()
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, Rate, 1};
        pa_buffer_attr attr{std::uint32_t(-1), 0, 0, 0, Rate * 2 / 100}; // 10 ms fragments
        m_stream = pa_simple_new(nullptr, "tempozap-test", PA_STREAM_RECORD, "test_sink.monitor", "monitor", &format,
            nullptr, &attr, nullptr);
        if (m_stream)
            m_thread = std::thread([this] {
                Samples chunk(220);
                while (!m_stop && pa_simple_read(m_stream, chunk.data(), chunk.size() * 2, nullptr) >= 0)
                    heard.insert(heard.end(), chunk.begin(), chunk.end());
            });
        QTest::qSleep(100);
    }
    // The recording so far; the recorder stops.
    Samples stop()
    {
        QTest::qSleep(300);
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_stream)
            pa_simple_free(m_stream);
        m_stream = nullptr;
        return heard;
    }
    ~Recorder() { stop(); }

private:
    pa_simple *m_stream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    Samples heard;
};

// The recording without its silences.
Samples sounds(const Samples &recording)
{
    Samples heard;
    std::copy_if(recording.begin(), recording.end(), std::back_inserter(heard), [](qint16 s) { return s != 0; });
    return heard;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void soundPlaysTheFileOnceAndReturnsAfterIt_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("a tick") << 50;
        QTest::newRow("a ring") << 1200;
    }
    void soundPlaysTheFileOnceAndReturnsAfterIt()
    {
        QFETCH(int, milliseconds);
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QSKIP("needs a sound server with a null sink named test_sink (the test command starts one)");
        QTemporaryDir folder;
        const Samples cue = tone(milliseconds, 660);
        writeWav(folder.filePath("cue.WAV"), cue);
        PulseSoundCue sound(folder.path());
        sound.play("cue.WAV"); // connects: a null sink with nothing attached is slow the first time
        Recorder recorder;
        QElapsedTimer clock;
        clock.start();
        sound.play("cue.WAV");
        QVERIFY2(clock.elapsed() >= milliseconds - 5, qPrintable(QString::number(clock.elapsed())));
        const Samples recording = recorder.stop();
        const auto at = std::find_if(recording.begin(), recording.end(), [](qint16 s) { return s != 0; });
        QVERIFY(recording.end() - at >= std::ptrdiff_t(cue.size()));
        QVERIFY(std::equal(cue.begin(), cue.end(), at)); // the very samples, whole
        QVERIFY(std::all_of(at + std::ptrdiff_t(cue.size()), recording.end(), [](qint16 s) { return s == 0; }));
    }

    // Sounds of different formats follow each other whole, and a connection
    // the server has dropped is made anew for the next sound.
    void soundsFollowEachOtherAndOutliveALostConnection()
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QSKIP("needs a sound server with a null sink named test_sink");
        QTemporaryDir folder;
        const Samples mono = tone(100, 500), stereo = tone(150, 1000, 2);
        writeWav(folder.filePath("a.WAV"), mono);
        writeWav(folder.filePath("b.WAV"), stereo, Rate, 2);
        PulseSoundCue sound(folder.path());
        sound.play("a.WAV");
        Recorder recorder;
        sound.play("b.WAV");
        sound.play("a.WAV");
        // The server drops the cue's connection: the next sound is lost, the one after it heard.
        QProcess::execute("sh", {"-c", "pacmd kill-client $(pactl list clients | awk '/^Client #/ {n = substr($2, 2)} "
                                       "/application.name = \"Tempozap\"/ {print n}')"});
        sound.play("a.WAV");
        sound.play("a.WAV");
        Samples expected;
        for (std::size_t i = 0; i < stereo.size(); i += 2) // the sink mixes the two channels down
            expected.push_back(stereo[i]);
        expected.insert(expected.end(), mono.begin(), mono.end());
        expected.insert(expected.end(), mono.begin(), mono.end());
        QCOMPARE(sounds(recorder.stop()), expected);
    }

    void soundWithNothingToPlayReturnsAtOnce()
    {
        QTemporaryDir folder;
        writeWav(folder.filePath("cue.WAV"), tone(50, 700));
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.filePath("no-socket")));
        QElapsedTimer clock;
        clock.start();
        {
            PulseSoundCue sound(folder.path());
            for (int i = 0; i < 5; ++i) {
                sound.play("cue.WAV");
                sound.play("missing.WAV");
            }
        }
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        qputenv("PULSE_SERVER", server);
    }

    void animationRunsOnlyWhileStartedAndShown()
    {
        AnimatedPicture picture;
        picture.setPath(QStringLiteral(TZ_ASSET_DIR "/CLOCK.gif"));
        QVERIFY(picture.movie()->frameCount() > 1);
        picture.start();
        QVERIFY(picture.isRunning());
        QCOMPARE(picture.movie()->state(), QMovie::NotRunning); // not decoded while unseen
        picture.show();
        QCOMPARE(picture.movie()->state(), QMovie::Running);
        picture.stop();
        QVERIFY(!picture.isRunning());
        QCOMPARE(picture.movie()->state(), QMovie::Paused);
        picture.start();
        picture.hide();
        QVERIFY(picture.isRunning());
        QCOMPARE(picture.movie()->state(), QMovie::Paused);
        picture.show();
        QCOMPARE(picture.movie()->state(), QMovie::Running);
    }

    void theExecutablesFolderDecidesWhereFilesAre_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("scores"); // empty: installed, the player's own folder
        QTest::newRow("build folder") << QStringList{"bin/ScoresClear.dat"} << false << "bin"
                                      << "bin";
        QTest::newRow("a portable folder that lost all but its scores")
            << QStringList{"bin/MEScores.dat"} << false << "bin"
            << "bin";
        QTest::newRow("installed") << QStringList{"share/tempozap/ring.WAV"} << false << "share/tempozap"
                                   << "";
        QTest::newRow("installed elsewhere: the system's data folders")
            << QStringList{"xdg/tempozap/ScoresClear.dat"} << false << "xdg/tempozap"
            << "";
        QTest::newRow("a read-only copy of the portable folder") << QStringList{"bin/CLOCK.gif"} << true << "bin"
                                                                 << "";
    }
    void theExecutablesFolderDecidesWhereFilesAre()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, readOnly);
        QFETCH(QString, data);
        QFETCH(QString, scores);
        if (readOnly && geteuid() == 0)
            QSKIP("every folder is writable for root");
        QTemporaryDir root;
        const QDir r(root.path());
        r.mkpath("bin");
        for (const QString &file : files)
            touch(r.filePath(file));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(r.filePath("xdg")));
        if (readOnly)
            QFile::setPermissions(r.filePath("bin"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const ProgramFolder::Locations found = ProgramFolder::locate(r.filePath("bin"), r.filePath("user"));
        QFile::setPermissions(
            r.filePath("bin"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(found.mode, scores.isEmpty() ? ProgramFolder::Mode::Installed : ProgramFolder::Mode::Portable);
        QCOMPARE(found.data, r.filePath(data));
        QCOMPARE(found.scores, r.filePath(scores.isEmpty() ? "user" : scores));
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
