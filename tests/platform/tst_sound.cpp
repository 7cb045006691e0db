// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound cue on a real sound server: one of those the test command starts,
// named by TEMPOZAP_SOUND_SERVER ("pulseaudio", "pipewire"), whose address is
// in TEMPOZAP_<NAME>_SERVER and whose serving process is TEMPOZAP_<NAME>_PID.
// Every sound is heard whole, as recorded on the server's null sink
// "test_sink" (at the sounds' own 22050 Hz, mono). Then the server is stopped
// (SIGSTOP) under a running game, and under the cue alone: the game's clock
// keeps its schedule and a click is taken while the server is stopped, and
// sounds are heard again once it is resumed.
#include "Fakes.h"
#include "GameScreen.h"
#include "PulseSoundCue.h"
#include "ScoreStore.h"

#include <QElapsedTimer>
#include <QProcess>
#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using namespace std::chrono_literals;
constexpr int Rate = 22050; // the sounds' and the null sink's, mono 16-bit

// The samples of one of the program's sound files, which the asset script
// writes with the plain 44-byte header.
QByteArray samplesOf(Sound sound)
{
    const QByteArray file = contents(QDir(QStringLiteral(TZ_ASSET_DIR)).filePath(QString::fromLatin1(fileOf(sound))));
    return file.mid(36, 4) == "data" ? file.mid(44) : QByteArray();
}

// Samples without the silent ones: a server that runs short on a busy
// machine plays silence until the rest of a sound comes.
QByteArray sounding(const QByteArray &samples)
{
    QByteArray out;
    for (qsizetype at = 0; at + 1 < samples.size(); at += 2) {
        if (samples[at] || samples[at + 1])
            out.append(samples.constData() + at, 2);
    }
    return out;
}

qint64 lengthNs(Sound sound)
{
    return samplesOf(sound).size() / 2 * 1000000000LL / Rate;
}

// What the null sink plays while `during` runs, as raw samples.
QByteArray recorded(const QString &file, const std::function<void()> &during)
{
    QProcess parec;
    parec.setStandardOutputFile(file);
    parec.start(QStringLiteral("parec"),
        {"-d", "test_sink.monitor", "--rate=22050", "--channels=1", "--format=s16le", "--latency-msec=10"});
    // The monitor streams silence too: the first bytes mean the recording runs.
    for (int wait = 0; wait < 200 && QFileInfo(file).size() == 0; ++wait)
        QTest::qWait(50);
    during();
    QTest::qWait(300); // the end of the last sound, through the recorder's own latency
    parec.terminate();
    parec.waitForFinished(5000);
    return contents(file);
}

// The sound server's process stopped from now until resume(), or until
// `longest` has passed: a child process resumes it then, whatever the test's
// thread is doing.
class Stall {
public:
    Stall(pid_t server, std::chrono::milliseconds longest)
        : m_server(server)
    {
        ::kill(m_server, SIGSTOP);
        if ((m_resumer = fork()) == 0) {
            std::this_thread::sleep_for(longest);
            _exit(::kill(server, SIGCONT));
        }
    }
    ~Stall() { resume(); }
    void resume()
    {
        if (m_resumer > 0 && !resumed()) {
            ::kill(m_resumer, SIGKILL);
            waitpid(m_resumer, nullptr, 0);
        }
        m_resumer = 0;
        ::kill(m_server, SIGCONT);
    }
    // The child has resumed the server: the time ran out.
    bool resumed()
    {
        if (m_resumer > 0 && waitpid(m_resumer, nullptr, WNOHANG) == m_resumer) {
            m_resumer = 0;
            m_resumed = true;
        }
        return m_resumed;
    }
    // The process is in fact stopped (state T in its stat line).
    bool stopped() const
    {
        const QByteArray stat = contents(QStringLiteral("/proc/%1/stat").arg(m_server));
        const qsizetype after = stat.lastIndexOf(')');
        return after > 0 && stat.mid(after + 2, 1) == "T";
    }

private:
    const pid_t m_server;
    pid_t m_resumer = 0;
    bool m_resumed = false;
};

// Plays a sound and tells whether it took its whole length: a sound skipped
// or given up returns sooner.
bool heardToTheEnd(SoundCue &cue, Sound sound)
{
    QElapsedTimer t;
    t.start();
    cue.play(sound);
    return t.nsecsElapsed() >= lengthNs(sound);
}

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
    QString m_name;
    pid_t m_server = 0;
    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        m_name = qEnvironmentVariable("TEMPOZAP_SOUND_SERVER");
        const QString prefix = QStringLiteral("TEMPOZAP_%1_").arg(m_name.toUpper());
        const QByteArray address = qgetenv(qPrintable(prefix + "SERVER"));
        m_server = pid_t(qEnvironmentVariableIntValue(qPrintable(prefix + "PID")));
        if (m_name.isEmpty() || address.isEmpty() || m_server <= 0)
            QSKIP("no sound server named: tools/test starts them");
        qputenv("PULSE_SERVER", address);
        QVERIFY2(::kill(m_server, 0) == 0, "the sound server's process is not there");
    }

    void everySoundIsHeardWhole_data()
    {
        QTest::addColumn<Sound>("sound");
        for (const Sound sound : {Sound::Right, Sound::Wrong, Sound::Tick, Sound::Ring})
            QTest::newRow(fileOf(sound)) << sound;
    }
    // On a connection kept from an earlier sound, as the clock's ticks are:
    // the cue returns only once the sound has taken its length, and the sink's
    // recording holds the file's samples, every one in its order (with silence
    // between them where the server ran short). A busy machine can make a
    // server lose samples: such a try is made again, a few times.
    void everySoundIsHeardWhole()
    {
        QFETCH(Sound, sound);
        const QByteArray expected = sounding(samplesOf(sound));
        QVERIFY(!expected.isEmpty());
        PulseSoundCue cue(QStringLiteral(TZ_ASSET_DIR));
        QTRY_VERIFY(heardToTheEnd(cue, Sound::Tick)); // the connection made
        QStringList tries; // each: the time past the sound's length, and the whole ones recorded
        bool whole = false;
        while (tries.size() < 5 && !whole) {
            qint64 pastLength = 0;
            const QByteArray heard = recorded(m_folder.filePath(QStringLiteral("heard.raw")), [&] {
                QElapsedTimer t;
                t.start();
                cue.play(sound);
                pastLength = t.nsecsElapsed() - lengthNs(sound);
            });
            const qsizetype found = sounding(heard).count(expected);
            whole = pastLength >= 0 && found == 1;
            tries << QStringLiteral("%1 ms/%2").arg(double(pastLength) / 1e6, 0, 'f', 1).arg(found);
        }
        QVERIFY2(whole,
            qPrintable(QStringLiteral("time past the sound's length / whole sounds recorded, in each try: %1")
                           .arg(tries.join(QStringLiteral(", ")))));
    }

    // The server stopped for 6 s in the middle of a game on the real game
    // screen, its clock driven by its own timer: the clock goes on, second by
    // second, and PASS is taken while the server is stopped; once it is
    // resumed, the clock shows the time that has really passed and sounds are
    // heard again.
    void aStalledServerNeverStopsTheGame()
    {
        Surroundings s;
        ScoreStore store(s.folder.path(), QString());
        PulseSoundCue cue(QStringLiteral(TZ_ASSET_DIR));
        GameScreen game(GameChoice(GameChoice::Operation::Multiplication, GameChoice::Level::Expert),
            {store, cue, s.random, s.messages, s.calendar}, QStringLiteral(TZ_ASSET_DIR));
        game.show();
        const QString name = game.objectName();
        const auto text = [&](const char *label) { return control<QLabel>(name, label)->text(); };
        // The first tick shows 3:00, each one after a second less.
        const auto ticks = [&] { return 3 * 60 + 1 - text("lblMin").toInt() * 60 - text("lblSec").toInt(); };
        QElapsedTimer running;
        click(name, "cmdStart");
        running.start();
        QTRY_COMPARE_WITH_TIMEOUT(text("lblSec"), QStringLiteral("58"), 10000); // three ticks heard

        const int before = ticks();
        QElapsedTimer stalled;
        stalled.start();
        Stall stall(m_server, 6s);
        QTRY_VERIFY2_WITH_TIMEOUT(stall.stopped(), "the server did not stop", 2000);
        QTest::qWait(3000);
        QVERIFY2(!stall.resumed(), "the game stood still while the server was stopped");
        click(name, "lblPass");
        QCOMPARE(text("lblScore"), QStringLiteral("-00025"));
        const double passAt = msSince(stalled);
        QTest::qWait(5500 - int(stalled.elapsed()));
        const int during = ticks() - before;
        const double countedAt = msSince(stalled);
        QVERIFY2(!stall.resumed(), "the game stood still while the server was stopped");
        QVERIFY2(during >= 4,
            qPrintable(
                QStringLiteral("%1 ticks shown in %2 s of a stall").arg(during).arg(countedAt / 1000, 0, 'f', 1)));

        QTRY_VERIFY_WITH_TIMEOUT(stall.resumed(), 5000);
        QTest::qWait(1500);
        const qint64 seconds = running.elapsed() / 1000;
        QVERIFY2(qAbs(ticks() - seconds) <= 1,
            qPrintable(QStringLiteral("%1 ticks shown %2 s after Start").arg(ticks()).arg(seconds)));
        QTRY_VERIFY_WITH_TIMEOUT(heardToTheEnd(cue, Sound::Ring), 10000);
        figure(QStringLiteral("sound, %1 stopped for 6 s mid-game: %2 ticks shown in the first %3 s, PASS taken "
                              "%4 s in; %5 ticks %6 s after Start, a ring heard whole after the resume")
                   .arg(m_name)
                   .arg(during)
                   .arg(countedAt / 1000, 0, 'f', 1)
                   .arg(passAt / 1000, 0, 'f', 1)
                   .arg(ticks())
                   .arg(seconds));
    }

    // Stopped with a connection kept, or before the first connection: the
    // sound in hand is given up (after its length and a grace, or after the
    // time a connection may take), the next one is skipped at once, and the
    // cue is closed without waiting for the server.
    void aStalledServerIsLeftAtOnce_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::newRow("kept connection") << true;
        QTest::newRow("no connection yet") << false;
    }
    void aStalledServerIsLeftAtOnce()
    {
        QFETCH(bool, connected);
        auto cue = std::make_unique<PulseSoundCue>(QStringLiteral(TZ_ASSET_DIR));
        if (connected)
            QVERIFY(heardToTheEnd(*cue, Sound::Tick));
        Stall stall(m_server, 15s);
        QTRY_VERIFY2_WITH_TIMEOUT(stall.stopped(), "the server did not stop", 2000);
        QElapsedTimer t;
        t.start();
        cue->play(Sound::Tick);
        const double givenUp = msSince(t);
        t.restart();
        cue->play(Sound::Ring);
        const double skipped = msSince(t);
        t.restart();
        cue.reset();
        const double closed = msSince(t);
        QVERIFY2(!stall.resumed(), "the cue waited for the stopped server");
        figure(QStringLiteral("sound, %1 stopped, %2: the tick given up after %3 ms, the next sound skipped "
                              "in %4 ms, the cue closed in %5 ms")
                   .arg(m_name, QString::fromLatin1(QTest::currentDataTag()))
                   .arg(givenUp, 0, 'f', 1)
                   .arg(skipped, 0, 'f', 2)
                   .arg(closed, 0, 'f', 2));
        stall.resume();
        // The server answers again: a new cue is heard.
        PulseSoundCue again(QStringLiteral(TZ_ASSET_DIR));
        QTRY_VERIFY_WITH_TIMEOUT(heardToTheEnd(again, Sound::Tick), 10000);
    }
};

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
