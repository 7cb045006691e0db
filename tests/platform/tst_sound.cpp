// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound cue on a real sound server: one of those the test command starts,
// named by TEMPOZAP_SOUND_SERVER ("pulseaudio", "pipewire"), whose address is
// in TEMPOZAP_<NAME>_SERVER and whose serving process is TEMPOZAP_<NAME>_PID.
// A sound takes its whole length on it. Stopped (SIGSTOP), the server is left
// at once: the cue gives up the sound in hand, skips the next and closes
// without waiting for it, and sounds are heard again once it is resumed.
#include "Fakes.h"
#include "PulseSoundCue.h"

#include <QElapsedTimer>
#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using namespace std::chrono_literals;
constexpr int Rate = 22050; // the sounds', mono 16-bit

// The samples of one of the program's sound files, which the asset script
// writes with the plain 44-byte header.
QByteArray samplesOf(Sound sound)
{
    const QByteArray file = contents(QDir(QStringLiteral(TZ_ASSET_DIR)).filePath(QString::fromLatin1(fileOf(sound))));
    return file.mid(36, 4) == "data" ? file.mid(44) : QByteArray();
}

qint64 lengthNs(Sound sound)
{
    return samplesOf(sound).size() / 2 * 1000000000LL / Rate;
}

// The sound server's process stopped from now to the end of the scope, or
// until `longest` has passed: a child process resumes it then, whatever the
// test's thread is doing.
class Stall {
public:
    Stall(pid_t server, std::chrono::seconds longest)
        : m_server(server)
    {
        ::kill(m_server, SIGSTOP);
        if ((m_resumer = fork()) == 0) {
            std::this_thread::sleep_for(longest);
            _exit(::kill(server, SIGCONT));
        }
    }
    ~Stall()
    {
        ::kill(m_resumer, SIGKILL);
        waitpid(m_resumer, nullptr, 0);
        ::kill(m_server, SIGCONT);
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
    pid_t m_resumer;
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
        std::optional<Stall> stall(std::in_place, m_server, 15s);
        QTRY_VERIFY2_WITH_TIMEOUT(stall->stopped(), "the server did not stop", 2000);
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
        QVERIFY2(givenUp + skipped + closed < 15000, "the cue waited for the stopped server");
        figure(QString::asprintf("sound, %s stopped, %s: the tick given up after %.1f ms, the next sound skipped "
                                 "in %.2f ms, the cue closed in %.2f ms",
            qPrintable(m_name), QTest::currentDataTag(), givenUp, skipped, closed));
        stall.reset();
        // The server answers again: a new cue is heard.
        PulseSoundCue again(QStringLiteral(TZ_ASSET_DIR));
        QTRY_VERIFY_WITH_TIMEOUT(heardToTheEnd(again, Sound::Tick), 10000);
    }
};

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
