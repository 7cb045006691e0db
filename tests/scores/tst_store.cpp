// The six lists on disk: a new line is written in place of the lowest, whole
// or not at all; surroundings that refuse a write leave the old file as it
// was and say so; a process killed while rewriting never loses a list.
#include "Figures.h"
#include "ScoreRecord.h"
#include "ScoreStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>
#include <random>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const GameChoice Choice(GameChoice::Operation::Division, GameChoice::Level::Intermediate);

QByteArray listOf(int base, const char *initials)
{
    QByteArray bytes;
    for (int i = 0; i < 10; ++i)
        bytes += makeTopTenLine(base + 97 * i, QString::fromLatin1(initials), QDate(2026, 1 + i, 1 + i)).toLatin1();
    return bytes;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Acts as the unprivileged "nobody" while it lives, when the test runs as root
// (root reads and writes past permission bits).
struct OrdinaryUser {
    OrdinaryUser() { switched = geteuid() == 0 && setegid(65534) == 0 && seteuid(65534) == 0; }
    ~OrdinaryUser()
    {
        if (switched && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot become root again");
    }
    bool switched = false;
};
} // namespace

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void aNewLineReplacesTheLowest()
    {
        QTemporaryDir folder;
        const QString lists = folder.filePath("scores"); // made by the first write
        const ScoreStore store(lists, folder.filePath("none"));
        TopTenList list = store.load(Choice);
        QCOMPARE(list.lines(), ScoreRecord::parse({}).lines());
        QVERIFY(!QDir(lists).exists()); // loading never writes
        QVERIFY(store.record(Choice, list, makeTopTenLine(250, "X", QDate(2026, 7, 4))));
        QCOMPARE(store.path(Choice), lists + "/DIScores.dat");
        QCOMPARE(read(store.path(Choice)), ScoreRecord::blankList().left(162) + "00250 X   07/04/26");
        QCOMPARE(store.load(Choice).lines(), list.lines());
        QCOMPARE(QDir(lists).entryList(QDir::Files), QStringList{"DIScores.dat"});
    }

    // A write the surroundings refuse: the store says so and the file keeps every byte.
    void refusedWriteKeepsTheList_data()
    {
        QTest::addColumn<uint>("fileMode");
        QTest::addColumn<uint>("folderMode");
        QTest::addColumn<int>("lowest"); // what the game shows
        // The game shows blank lines for a list it cannot read; writing them
        // over the file would lose the ten scores it holds.
        QTest::newRow("unreadable list") << 0000u << 0777u << 0;
        QTest::newRow("read-only folder") << 0644u << 0555u << 1000;
        QTest::newRow("full disk") << 0644u << 0777u << 1000;
    }
    void refusedWriteKeepsTheList()
    {
        QFETCH(uint, fileMode);
        QFETCH(uint, folderMode);
        QFETCH(int, lowest);
        QTemporaryDir folder;
        const bool full = QByteArray(QTest::currentDataTag()) == "full disk";
        if (full && (geteuid() != 0 || mount("tempozap", qPrintable(folder.path()), "tmpfs", 0, "size=4k") != 0))
            QSKIP("a full disk needs root, to mount a small memory disk");
        const ScoreStore store(folder.path(), QString());
        const QString path = store.path(Choice);
        const QByteArray old = listOf(1000, "OLD");
        write(path, old);
        QVERIFY(chmod(qPrintable(path), fileMode) == 0 && chmod(qPrintable(folder.path()), folderMode) == 0);
        bool saved = true;
        {
            OrdinaryUser user;
            TopTenList list = store.load(Choice);
            QCOMPARE(list.lowestScore(), lowest);
            saved = store.record(Choice, list, makeTopTenLine(30000, "NEW", QDate(2026, 7, 4)));
        }
        QVERIFY(chmod(qPrintable(folder.path()), 0700) == 0 && chmod(qPrintable(path), 0600) == 0);
        QVERIFY(!saved);
        QCOMPARE(read(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"DIScores.dat"});
        if (full)
            QVERIFY(umount(qPrintable(folder.path())) == 0);
    }

    void resetCopiesTheBlankListOrTenBlankRecords_data()
    {
        QTest::addColumn<QByteArray>("blankList");
        QTest::addColumn<QByteArray>("written");
        const QByteArray own = QByteArray("00000 NEW 01/01/26").repeated(10);
        QTest::newRow("a whole blank list") << own << own;
        QTest::newRow("a damaged blank list") << own.left(170) << ScoreRecord::blankList();
        QTest::newRow("no blank list") << QByteArray() << ScoreRecord::blankList();
    }
    void resetCopiesTheBlankListOrTenBlankRecords()
    {
        QFETCH(QByteArray, blankList);
        QFETCH(QByteArray, written);
        QTemporaryDir folder;
        if (!blankList.isEmpty())
            write(folder.filePath("ScoresClear.dat"), blankList);
        const ScoreStore store(folder.filePath("lists"), folder.filePath("ScoresClear.dat"));
        const GameChoice other(GameChoice::Operation::Multiplication, GameChoice::Level::Novice);
        QVERIFY(store.reset({Choice, other}).isEmpty());
        QCOMPARE(read(store.path(Choice)), written);
        QCOMPARE(read(store.path(other)), written);
        QCOMPARE(QDir(folder.filePath("lists")).entryList(QDir::Files).size(), 2);
    }

    // A child process saves two lists, A and B, in turn as fast as it can and
    // is killed at a random moment, hundreds of times: the file always holds
    // A or B byte for byte, never a mix, a cut-off file or no file at all.
    void killedRewriteLeavesTheOldOrTheNewList_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("disk") << QDir::tempPath();
        // In memory a save is fast, so the kills land on every step of it.
        if (QDir(QStringLiteral("/dev/shm")).exists())
            QTest::newRow("memory") << QStringLiteral("/dev/shm");
    }
    void killedRewriteLeavesTheOldOrTheNewList()
    {
        QFETCH(QString, base);
        QTemporaryDir folder(base + "/tempozap-kill-XXXXXX");
        const ScoreStore store(folder.path(), QString());
        const QString path = store.path(Choice);
        const QByteArray a = listOf(100, "AAA"), b = listOf(5000, "BB");
        const auto save = [&](const QByteArray &bytes) {
            TopTenList list = ScoreRecord::parse(bytes);
            return store.record(Choice, list, list.lines().first()); // the lowest in place of itself
        };
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i)
            QVERIFY(save(i % 2 ? a : b));
        const qint64 saveMicros = std::max<qint64>(clock.nsecsElapsed() / 20000, 1);
        QCOMPARE(read(path), a);

        std::mt19937 random(20260704);
        std::uniform_int_distribution<int> delay(0, int(200 + 4 * saveMicros));
        const int trials = 250;
        int lost = 0, sawOld = 0, sawNew = 0;
        QByteArray onDisk = a;
        for (int trial = 0; trial < trials; ++trial) {
            const pid_t child = fork();
            if (child == 0) {
                prctl(PR_SET_PDEATHSIG, SIGKILL);
                for (const QByteArray &next = onDisk == a ? b : a;;) {
                    save(next);
                    save(onDisk);
                }
            }
            usleep(useconds_t(delay(random)));
            kill(child, SIGKILL);
            QCOMPARE(waitpid(child, nullptr, 0), child);
            const QByteArray bytes = read(path);
            if (bytes != a && bytes != b) {
                ++lost;
                QVERIFY(save(a));
            } else {
                ++(bytes == onDisk ? sawOld : sawNew);
            }
            onDisk = read(path);
            // A kill between the new file's link and its rename leaves its
            // temporary name beside the list, always holding a whole list.
            for (const QString &name : QDir(folder.path()).entryList(QDir::Files)) {
                if (name != "DIScores.dat") {
                    QVERIFY2(read(folder.filePath(name)) == a || read(folder.filePath(name)) == b, qPrintable(name));
                    QFile::remove(folder.filePath(name));
                }
            }
        }
        figure(QStringLiteral("kill trials (%1): %2 trials, %3 lists lost (the old list %4 times, the new %5 times)")
                   .arg(QTest::currentDataTag())
                   .arg(trials)
                   .arg(lost)
                   .arg(sawOld)
                   .arg(sawNew));
        QCOMPARE(lost, 0);
        QVERIFY(sawOld > 0 && sawNew > 0); // the kills fell inside the rewriting
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
