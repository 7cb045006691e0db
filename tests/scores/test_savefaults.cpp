// Saving into surroundings that refuse it: a list file that cannot be read
// and a folder that cannot be written. The save reports failure, the file on
// disk keeps every byte, and nothing is left beside it. Root reads and writes
// past permission bits, so as root the test acts as an ordinary user for the
// moment of the load and the save.
#include "ScoreFile.h"
#include "ScoreTestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace scoretest;

namespace {
// Acts as the unprivileged "nobody" while it lives, when the test runs as root.
class OrdinaryUser {
public:
    OrdinaryUser()
    {
        if (geteuid() == 0 && setegid(65534) == 0 && seteuid(65534) == 0)
            m_switched = true;
    }
    ~OrdinaryUser()
    {
        if (m_switched && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot become root again");
    }
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

private:
    bool m_switched = false;
};
}

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void refusedSaveKeepsTheList_data();
    void refusedSaveKeepsTheList();
};

void TestSaveFaults::refusedSaveKeepsTheList_data()
{
    QTest::addColumn<uint>("fileMode");
    QTest::addColumn<uint>("folderMode");
    QTest::addColumn<bool>("loadsBlank");
    // The game shows blank lines for a list it cannot read; writing them
    // over the file would lose the ten scores it holds.
    QTest::newRow("unreadable list") << 0000u << 0777u << true;
    QTest::newRow("unreadable list, read-only folder") << 0000u << 0555u << true;
    QTest::newRow("read-only folder") << 0644u << 0555u << false;
    QTest::newRow("read-only list in read-only folder") << 0444u << 0555u << false;
}

void TestSaveFaults::refusedSaveKeepsTheList()
{
    QFETCH(uint, fileMode);
    QFETCH(uint, folderMode);
    QFETCH(bool, loadsBlank);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("DIScores.dat"));
    QByteArray old;
    for (int i = 0; i < TopTenList::Size; ++i)
        old += record(qPrintable(QStringLiteral("%1").arg(1000 + i, 5, 10, QLatin1Char('0'))), "OLD");
    writeBytes(path, old);
    QVERIFY(chmod(qPrintable(path), fileMode) == 0);
    QVERIFY(chmod(qPrintable(folder.path()), folderMode) == 0);
    const QStringList before = entriesOf(folder.path());

    bool saved = true;
    TopTenList list;
    {
        OrdinaryUser user;
        if (geteuid() != 0 && loadsBlank && QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads files whatever their permissions");
        list = ScoreFile::load(path);
        QCOMPARE(list.lowestScore(), loadsBlank ? 0 : 1000);
        list.removeLowest();
        list.add(makeTopTenLine(30000, QStringLiteral("NEW"), QDate(2026, 7, 4)));
        saved = ScoreFile::save(path, list);
    }
    QVERIFY(chmod(qPrintable(folder.path()), 0700) == 0);
    QVERIFY(chmod(qPrintable(path), 0600) == 0);

    QVERIFY(!saved);
    QCOMPARE(bytesOf(path), old);
    QCOMPARE(entriesOf(folder.path()), before);
}

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "test_savefaults.moc"
