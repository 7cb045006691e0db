// A score list being rewritten when the process dies: a child process saves
// two lists, A and B, in turn as fast as it can and is killed with SIGKILL at
// a random moment, many times over. After every kill the file must hold A or
// B byte for byte: never a mix, a cut-off file or no file at all.
#include "ScoreFile.h"
#include "ScoreTestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scoretest;

namespace {

TopTenList listOf(int base, const char *initials)
{
    QStringList lines;
    for (int i = 0; i < TopTenList::Size; ++i)
        lines << makeTopTenLine(base + 97 * i, QString::fromLatin1(initials), QDate(2026, 1 + i, 1 + 2 * i));
    return TopTenList(lines);
}

// The child: rewrites the list for ever, first with the list that is not on
// disk, then with the one that is, and so on, until it is killed (or, should
// the test itself die, when its parent goes).
[[noreturn]] void rewriteForever(const QString &path, const TopTenList &first, const TopTenList &second)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (;;) {
        ScoreFile::save(path, first);
        ScoreFile::save(path, second);
    }
}

}

class TestSaveCrash : public QObject {
    Q_OBJECT
private slots:
    void killedRewriteLeavesOldOrNewList_data();
    void killedRewriteLeavesOldOrNewList();
};

void TestSaveCrash::killedRewriteLeavesOldOrNewList_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("trials");
    QTest::newRow("disk folder") << QDir::tempPath() << 300;
    // Memory-backed folders make a save fast, so kills land on every step of it.
    if (QDir(QStringLiteral("/dev/shm")).exists())
        QTest::newRow("memory folder") << QStringLiteral("/dev/shm") << 300;
}

void TestSaveCrash::killedRewriteLeavesOldOrNewList()
{
    QFETCH(QString, base);
    QFETCH(int, trials);
    QTemporaryDir folder(base + QStringLiteral("/tempozap-savecrash-XXXXXX"));
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("MIScores.dat"));
    const TopTenList a = listOf(100, "AAA"), b = listOf(5000, "BB");
    const QByteArray bytesA = ScoreFile::serialise(a), bytesB = ScoreFile::serialise(b);
    QCOMPARE(bytesA.size(), 180);
    QVERIFY(bytesA != bytesB);

    // How long one save takes here, so that the kills spread over several of them.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        QVERIFY(ScoreFile::save(path, i % 2 ? b : a));
    const qint64 saveMicros = std::max<qint64>(clock.nsecsElapsed() / 20 / 1000, 1);
    // And how long a new process takes to finish its first save.
    qint64 firstSaveMicros = 0;
    for (int i = 0; i < 5; ++i) {
        clock.restart();
        std::fflush(nullptr);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0)
            _exit(ScoreFile::save(path, i % 2 ? a : b) ? 0 : 1);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        firstSaveMicros = std::max<qint64>(firstSaveMicros, clock.nsecsElapsed() / 1000);
    }
    QVERIFY(ScoreFile::save(path, a));

    std::mt19937 random(20260704);
    // Kills from before the first save ends to a few saves later.
    std::uniform_int_distribution<qint64> delay(0, firstSaveMicros + 3 * saveMicros);
    bool onDiskIsA = true;
    int lost = 0, strays = 0, sawOld = 0, sawNew = 0;
    QStringList strayNames;
    for (int trial = 0; trial < trials; ++trial) {
        std::fflush(nullptr);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (onDiskIsA)
                rewriteForever(path, b, a);
            rewriteForever(path, a, b);
        }
        usleep(useconds_t(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const QByteArray bytes = bytesOf(path);
        if (bytes == bytesA || bytes == bytesB) {
            ++((bytes == bytesA) == onDiskIsA ? sawOld : sawNew);
            onDiskIsA = bytes == bytesA;
        } else {
            ++lost;
            qWarning("trial %d: the file holds %lld bytes that are neither list", trial, qlonglong(bytes.size()));
            QVERIFY(ScoreFile::save(path, a)); // start the next trial from a whole list
            onDiskIsA = true;
        }
        QCOMPARE(ScoreFile::load(path).lines(), (bytes == bytesB ? b : a).lines());

        // The new list is written to an unnamed file, synced, then given a
        // temporary name beside the list and renamed over it. A kill between
        // those last two steps leaves that name behind: at most one per kill,
        // and it always holds a whole list.
        int straysNow = 0;
        for (const QString &name : entriesOf(folder.path())) {
            if (name == QLatin1String("MIScores.dat"))
                continue;
            ++straysNow;
            strayNames << name;
            const QByteArray stray = bytesOf(folder.filePath(name));
            QVERIFY2(stray == bytesA || stray == bytesB, qPrintable(name));
            QVERIFY(QFile::remove(folder.filePath(name)));
        }
        QVERIFY(straysNow <= 1);
        strays += straysNow;
    }

    std::printf("%d trials, %d lists lost (old list %d times, new list %d times; "
                "a save takes about %lld us, %lld us in a new process; %d temporary files left beside the list%s%s)\n",
                trials, lost, sawOld, sawNew, qlonglong(saveMicros), qlonglong(firstSaveMicros), strays,
                strays ? ": " : "", qPrintable(strayNames.mid(0, 3).join(QStringLiteral(", "))));
    QCOMPARE(lost, 0);
    // Both outcomes happen, so the kills really fell inside the rewriting.
    QVERIFY(sawOld > 0 && sawNew > 0);
}

QTEST_GUILESS_MAIN(TestSaveCrash)
#include "test_savecrash.moc"
