// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Top Ten lists in memory and on disk: the record codec and the order of
// the lines; the store, which writes a list whole or not at all and says so
// when the surroundings refuse, never cutting a list short; the initials that
// may go into a line.
#include "Fakes.h"
#include "InitialsDialog.h"
#include "ResetScreen.h"
#include "ScoreRecord.h"
#include "ScoreStore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {
const GameChoice Choice(GameChoice::Operation::Division, GameChoice::Level::Intermediate);
const QString Blank = "00000             ";

QByteArray listOf(int base, const char *initials)
{
    QByteArray bytes;
    for (int i = 0; i < 10; ++i)
        bytes += makeTopTenLine(base + 97 * i, initials, QDate(2026, 1 + i, 1 + i)).toLatin1();
    return bytes;
}
} // namespace

class ScoresTest : public QObject {
    Q_OBJECT
private slots:
    // Any bytes load as exactly ten well-formed lines, lowest first.
    void filesLoadAsTenLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lowest");
        QTest::addColumn<QStringList>("highest"); // the first lines shown
        QTest::newRow("empty") << QByteArray() << Blank << QStringList{Blank};
        QTest::newRow("in any order, case ignored")
            << QByteArray("00700 CAT 01/01/2500500 BOB 02/03/2500500 amy 02/03/25") << Blank
            << QStringList{"00700 CAT 01/01/25", "00500 BOB 02/03/25", "00500 amy 02/03/25", Blank};
        QTest::newRow("separators read as spaces, a cut-off record dropped")
            << QByteArray("01234xABCy12/31/2900999 CUT 01") << Blank << QStringList{"01234 ABC 12/31/29", Blank};
        QTest::newRow("a score that is not five digits")
            << QByteArray("0x500 BAD 01/01/25-0500 NEG 01/01/25") << Blank << QStringList{Blank};
        QTest::newRow("eleven records keep the ten highest")
            << listOf(100, "AAA") + makeTopTenLine(99, "LOW", QDate(2026, 1, 1)).toLatin1() << "00100 AAA 01/01/26"
            << QStringList{"00973 AAA 10/10/26"};
    }
    void filesLoadAsTenLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lowest);
        QFETCH(QStringList, highest);
        const TopTenList list = ScoreRecord::parse(bytes);
        QCOMPARE(list.count(), 10);
        QCOMPARE(list.lines().first(), lowest);
        QCOMPARE(list.lowestScore(), lowest.left(5).toInt());
        QVERIFY(!list.admits(list.lowestScore()) && list.admits(list.lowestScore() + 1)); // only a score above it
        QCOMPARE(list.visibleLines().mid(0, highest.size()), highest);
        const QByteArray written = ScoreRecord::serialise(list);
        QVERIFY(ScoreRecord::isWellFormedList(written));
        QCOMPARE(ScoreRecord::parse(written).lines(), list.lines());
        for (const QByteArray &broken : {QByteArray(written).replace(40, 1, "x"), written.left(162) + "0000x"})
            QVERIFY(!ScoreRecord::isWellFormedList(broken)); // a letter in a score, a short file
    }

    void aNewLineTakesTheLowestOnesPlace()
    {
        QCOMPARE(makeTopTenLine(250, "X", QDate(2026, 7, 4)), QStringLiteral("00250 X   07/04/26"));
        QCOMPARE(makeTopTenLine(-5, "ABCD", QDate(2030, 12, 31)), QStringLiteral("00000 ABC 12/31/30"));
        QCOMPARE(makeTopTenLine(123456, "AB", QDate(2026, 1, 2)), QStringLiteral("99999 AB  01/02/26"));
        Surroundings s;
        const ScoreStore store(s.file("lists"), s.file("none")); // the folder is made by the first write
        TopTenList list = store.load(Choice);
        QCOMPARE(list.lines(), ScoreRecord::parse({}).lines());
        QVERIFY(!QDir(s.file("lists")).exists()); // loading never writes
        QVERIFY(store.record(Choice, list, makeTopTenLine(250, "X", QDate(2026, 7, 4))));
        QCOMPARE(s.read("lists/DIScores.dat"), ScoreRecord::blankList().left(162) + "00250 X   07/04/26");
        QCOMPARE(store.load(Choice).lines(), list.lines());
        for (int i = 0; i < 10; ++i)
            list.removeLowest();
        QCOMPARE(list.lowestScore(), 0); // an empty list
        QCOMPARE(list.visibleLines(), QStringList(10, QString()));
    }

    // A write the surroundings refuse: the store says so and the file keeps every byte.
    void refusedWriteKeepsTheList_data()
    {
        QTest::addColumn<uint>("fileMode");
        QTest::addColumn<uint>("folderMode");
        QTest::addColumn<int>("lowest"); // what the game shows
        // A list that cannot be read shows blank lines, and writing them would lose its scores.
        QTest::newRow("unreadable list") << 0000u << 0777u << 0;
        QTest::newRow("read-only folder") << 0644u << 0555u << 1000;
        QTest::newRow("full disk") << 0644u << 0777u << 1000;
    }
    void refusedWriteKeepsTheList()
    {
        QFETCH(uint, fileMode);
        QFETCH(uint, folderMode);
        QFETCH(int, lowest);
        Surroundings s;
        const bool full = QTest::currentDataTag() == QByteArray("full disk");
        if (full && (geteuid() != 0 || mount("tempozap", qPrintable(s.folder.path()), "tmpfs", 0, "size=4k") != 0))
            QSKIP("a full disk needs root, to mount a small memory disk");
        const auto unmount = qScopeGuard([&] { // also when a check fails
            if (full)
                umount(qPrintable(s.folder.path()));
        });
        const ScoreStore store(s.folder.path(), QString());
        s.write("DIScores.dat", listOf(1000, "OLD"));
        QVERIFY(chmod(qPrintable(s.file("DIScores.dat")), fileMode) == 0);
        QVERIFY(chmod(qPrintable(s.folder.path()), folderMode) == 0);
        // Root reads and writes past permission bits: the store works as nobody.
        const bool user = geteuid() == 0 && setegid(65534) == 0 && seteuid(65534) == 0;
        TopTenList list = store.load(Choice);
        const int shown = list.lowestScore();
        const bool saved = store.record(Choice, list, makeTopTenLine(30000, "NEW", QDate(2026, 7, 4)));
        QVERIFY(!user || (seteuid(0) == 0 && setegid(0) == 0));
        chmod(qPrintable(s.folder.path()), 0700);
        chmod(qPrintable(s.file("DIScores.dat")), 0600);
        QCOMPARE(std::pair(shown, saved), std::pair(lowest, false));
        QCOMPARE(s.read("DIScores.dat"), listOf(1000, "OLD"));
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"DIScores.dat"});
    }

    void resetWritesTheBlankListOrTenBlankRecords()
    {
        const QByteArray own = QByteArray("00000 NEW 01/01/26").repeated(10), blank = ScoreRecord::blankList();
        for (const auto &[template_, written] : {std::pair(own, own), {own.left(170), blank}, {QByteArray(), blank}}) {
            Surroundings s;
            if (!template_.isEmpty())
                s.write("ScoresClear.dat", template_);
            const ScoreStore store(s.file("lists"), s.file("ScoresClear.dat"));
            QVERIFY(store.reset({Choice, GameChoice(GameChoice::Operation::Multiplication, GameChoice::Level::Novice)})
                        .isEmpty());
            QCOMPARE(s.read("lists/DIScores.dat") + s.read("lists/MNScores.dat"), written + written);
            QCOMPARE(QDir(s.file("lists")).entryList(QDir::Files).size(), 2);
        }
    }

    void aResetThatFailsNamesTheListsLeft()
    {
        Surroundings s;
        s.write("file", "x");
        s.messages.answer = MsgAnswer::Yes;
        const ScoreStore store(s.file("file/lists"), QString()); // no folder can be made in a file
        ResetScreen reset(store, s.messages);
        for (const char *box : {"chkMN", "chkDI"})
            reset.findChild<QCheckBox *>(box)->setChecked(true);
        QTest::mouseClick(reset.findChild<QPushButton *>("cmdReset"), Qt::LeftButton);
        QCOMPARE(s.messages.asked,
            (QStringList{"Reset Selected Lists?|Reset to Zero",
                "These lists could not be reset:\nDivision Intermediate\nMultiplication Novice|Reset to Zero"}));
    }

    // The box holds the three letters a line keeps, as they will show in the list.
    void initialsBoxTakesThreeCapitals()
    {
        Surroundings s;
        InitialsDialog dialog(s.messages);
        auto *box = dialog.findChild<QLineEdit *>("Text1");
        QTest::keyClicks(box, "jonas");
        QCOMPARE(box->text(), "JON");
    }

    void initialsAreUpperCaseBytes()
    {
        for (const auto &[typed, kept] : {std::pair("abc", "ABC"), {"1 ?", "1 ?"}, {"é", "É"}, {"ÿ", ""}, {"ž", ""}}) {
            QString text = QString::fromUtf8(typed); // ÿ has no upper case of one byte, ž none at all
            QCOMPARE(InitialsDialog::toInitials(text), *kept != 0);
            QVERIFY(!*kept || text == QString::fromUtf8(kept));
        }
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
