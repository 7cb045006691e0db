#include "Fakes.h"
#include "ScoreFile.h"
#include "ScoreTestFiles.h"

#include <QTest>

#include <optional>

using namespace scoretest;

namespace {
const QString Blank = QStringLiteral("00000             ");

QStringList withBlanks(QStringList lines)
{
    while (lines.size() < TopTenList::Size)
        lines.prepend(Blank);
    return lines;
}
}

class TestScoreFile : public QObject {
    Q_OBJECT
private slots:
    void listSurvivesRoundTrip();
    void serialisedLinesAreCutOrPaddedTo18Bytes();
    void filesLoadAsTenLines_data();
    void filesLoadAsTenLines();
    void saveReplacesTheWholeFileOrNothing_data();
    void saveReplacesTheWholeFileOrNothing();
};

void TestScoreFile::listSurvivesRoundTrip()
{
    TempProgramFolder folder;
    QStringList lines;
    for (int i = 0; i < TopTenList::Size; ++i)
        lines << makeTopTenLine(1000 * (i + 1), QString(QChar('A' + i)), QDate(2025, 1 + i, 10 + i));
    lines[4] = QStringLiteral("04000 \u00c9\u00c0\u00df 05/05/25"); // one byte each in the file
    const TopTenList list(lines);

    const QString path = ScoreFile::pathFor("MN");
    QCOMPARE(path, folder.file("MNScores.dat"));
    QVERIFY(ScoreFile::save(path, list));
    QCOMPARE(bytesOf(path), list.lines().join(QString()).toLatin1());
    QCOMPARE(ScoreFile::load(path).lines(), list.lines());
}

void TestScoreFile::serialisedLinesAreCutOrPaddedTo18Bytes()
{
    const TopTenList list(QStringList{"00001 A", "00002 B   01/01/01 and more"});
    QCOMPARE(ScoreFile::serialise(list), QByteArray("00001 A           00002 B   01/01/01"));
}

void TestScoreFile::filesLoadAsTenLines_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file; "dir": a directory at the path
    QTest::addColumn<QStringList>("expected");

    const QStringList blank(TopTenList::Size, Blank);
    const QByteArray a = record("00500", "BOB"), b = record("00500", "AMY"), c = record("09999", "TOP");
    const QStringList abc = withBlanks({"00500 AMY 01/02/03", "00500 BOB 01/02/03", "09999 TOP 01/02/03"});
    QTest::newRow("records in file order") << a + b + c << abc;
    QTest::newRow("records in another order") << c + a + b << abc;
    QTest::newRow("separators read as spaces")
        << record("00042", "JK ", "11/12/13", '\0', '#') << withBlanks({"00042 JK  11/12/13"});
    QTest::newRow("missing") << QByteArray() << blank;
    QTest::newRow("directory at the path") << QByteArray("dir") << blank;
    QTest::newRow("empty") << QByteArray("") << blank;
    QTest::newRow("shorter than one record") << QByteArray("00500 AB  01/0") << blank;
    QTest::newRow("trailing partial record")
        << (record("00700", "AB ") + QByteArray("00900 CD  0")) << withBlanks({"00700 AB  01/02/03"});
    QTest::newRow("score field not digits")
        << (record("0050A", "BAD") + record(" 0500", "BAD") + record("-0050", "BAD") + record("00300", "OK "))
        << withBlanks({"00300 OK  01/02/03"});

    QByteArray twelve;
    QStringList topTen;
    for (int s : {700, 100, 1200, 300, 1100, 500, 900, 200, 1000, 400, 800, 600})
        twelve += record(QByteArray::number(s).rightJustified(5, '0').constData(), "XY ");
    for (int s = 300; s <= 1200; s += 100)
        topTen << QStringLiteral("%1 XY  01/02/03").arg(s, 5, 10, QChar('0'));
    QTest::newRow("more than ten records keeps the ten highest") << twelve << topTen;
}

void TestScoreFile::filesLoadAsTenLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);

    TempProgramFolder folder;
    const QString path = ScoreFile::pathFor("MI");
    const bool directory = bytes == "dir";
    if (directory)
        QVERIFY(QDir(folder.path()).mkdir("MIScores.dat"));
    else if (!bytes.isNull())
        writeBytes(path, bytes);
    const QStringList before = entriesOf(folder.path());
    const QDateTime modified = QFileInfo(path).lastModified();

    QCOMPARE(ScoreFile::load(path).lines(), expected);
    // Loading never writes: nothing created, nothing changed.
    QCOMPARE(entriesOf(folder.path()), before);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    if (!directory && !bytes.isNull())
        QCOMPARE(bytesOf(path), bytes);
}

void TestScoreFile::saveReplacesTheWholeFileOrNothing_data()
{
    QTest::addColumn<QString>("target"); // the file saved to, in the program folder
    QTest::addColumn<int>("sizeLimit");  // 0: no limit on file size
    QTest::addColumn<bool>("saved");
    QTest::newRow("longer old file replaced") << "MEScores.dat" << 0 << true;
    QTest::newRow("write fails midway") << "MEScores.dat" << 100 << false;
    QTest::newRow("folder does not exist") << "gone/MEScores.dat" << 0 << false;
    QTest::newRow("path is a directory") << "DNScores.dat" << 0 << false;
}

void TestScoreFile::saveReplacesTheWholeFileOrNothing()
{
    QFETCH(QString, target);
    QFETCH(int, sizeLimit);
    QFETCH(bool, saved);

    TempProgramFolder folder;
    const QByteArray old = record("00800", "OLD").repeated(10) + "trailing bytes";
    const QString mePath = ScoreFile::pathFor("ME");
    writeBytes(mePath, old);
    QVERIFY(QDir(folder.path()).mkdir("DNScores.dat"));
    const QStringList before = entriesOf(folder.path());

    const TopTenList list = ScoreFile::parse(record("00900", "NEW"));
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit)
            limit.emplace(rlim_t(sizeLimit));
        QCOMPARE(ScoreFile::save(folder.file(target), list), saved);
    }
    QCOMPARE(bytesOf(mePath), saved ? ScoreFile::serialise(list) : old);
    QCOMPARE(bytesOf(mePath).size(), saved ? 180 : old.size());
    QCOMPARE(entriesOf(folder.path()), before); // no temporary file left behind
}

QTEST_GUILESS_MAIN(TestScoreFile)
#include "test_scorefile.moc"
