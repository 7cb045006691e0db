#include "Fakes.h"
#include "ScoreFile.h"
#include "ScoreTestFiles.h"

#include <QTest>

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
    void pathIsProgramFolderAndCode();
    void listSurvivesRoundTrip();
    void recordsInAnyOrderLoadTheSameList();
    void separatorsReadAsSpaces();
    void serialisedLinesAreCutOrPaddedTo18Bytes();
    void malformedFilesLoadAsTenLines_data();
    void malformedFilesLoadAsTenLines();
    void savingReplacesTheWholeFile();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
};

void TestScoreFile::pathIsProgramFolderAndCode()
{
    TempProgramFolder folder;
    QCOMPARE(ScoreFile::pathFor("DE"), folder.file("DEScores.dat"));
}

void TestScoreFile::listSurvivesRoundTrip()
{
    TempProgramFolder folder;
    QStringList lines;
    for (int i = 0; i < TopTenList::Size; ++i)
        lines << makeTopTenLine(1000 * (i + 1), QString(QChar('A' + i)), QDate(2025, 1 + i, 10 + i));
    lines[4] = QStringLiteral("04000 \u00c9\u00c0\u00df 05/05/25"); // one byte each in the file
    const TopTenList list(lines);

    const QString path = ScoreFile::pathFor("MN");
    QVERIFY(ScoreFile::save(path, list));
    const QByteArray bytes = bytesOf(path);
    QCOMPARE(bytes.size(), 180);
    QCOMPARE(bytes.left(18), list.lines().at(0).toLatin1());
    QCOMPARE(bytes.right(18), list.lines().at(9).toLatin1());
    QCOMPARE(ScoreFile::load(path).lines(), list.lines());
}

void TestScoreFile::recordsInAnyOrderLoadTheSameList()
{
    const QByteArray a = record("00500", "BOB"), b = record("00500", "AMY"), c = record("09999", "TOP");
    const QStringList expected = withBlanks({"00500 AMY 01/02/03", "00500 BOB 01/02/03", "09999 TOP 01/02/03"});
    QCOMPARE(ScoreFile::parse(a + b + c).lines(), expected);
    QCOMPARE(ScoreFile::parse(c + a + b).lines(), expected);
    QCOMPARE(ScoreFile::parse(b + c + a).lines(), expected);
}

void TestScoreFile::separatorsReadAsSpaces()
{
    const TopTenList list = ScoreFile::parse(record("00042", "JK ", "11/12/13", '\0', '#'));
    QCOMPARE(list.lines().last(), QStringLiteral("00042 JK  11/12/13"));
}

void TestScoreFile::serialisedLinesAreCutOrPaddedTo18Bytes()
{
    const TopTenList list(QStringList{"00001 A", "00002 B   01/01/01 and more"});
    QCOMPARE(ScoreFile::serialise(list), QByteArray("00001 A           00002 B   01/01/01"));
}

void TestScoreFile::malformedFilesLoadAsTenLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("directory");
    QTest::addColumn<QStringList>("expected");

    const QStringList blank(TopTenList::Size, Blank);
    QTest::newRow("missing") << QByteArray() << false << false << blank;
    QTest::newRow("directory at the path") << QByteArray() << false << true << blank;
    QTest::newRow("empty") << QByteArray() << true << false << blank;
    QTest::newRow("shorter than one record") << QByteArray("00500 AB  01/0") << true << false << blank;
    QTest::newRow("trailing partial record")
        << (record("00700", "AB ") + QByteArray("00900 CD  0")) << true << false
        << withBlanks({"00700 AB  01/02/03"});
    QTest::newRow("score field not digits")
        << (record("0050A", "BAD") + record(" 0500", "BAD") + record("-0050", "BAD") + record("00300", "OK "))
        << true << false << withBlanks({"00300 OK  01/02/03"});

    QByteArray twelve;
    QStringList topTen;
    const int scores[] = {700, 100, 1200, 300, 1100, 500, 900, 200, 1000, 400, 800, 600};
    for (int s : scores)
        twelve += record(QByteArray::number(s).rightJustified(5, '0').constData(), "XY ");
    for (int s = 300; s <= 1200; s += 100)
        topTen << QStringLiteral("%1 XY  01/02/03").arg(s, 5, 10, QChar('0'));
    QTest::newRow("more than ten records keeps the ten highest") << twelve << true << false << topTen;
}

void TestScoreFile::malformedFilesLoadAsTenLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, present);
    QFETCH(bool, directory);
    QFETCH(QStringList, expected);

    TempProgramFolder folder;
    const QString path = ScoreFile::pathFor("MI");
    if (present)
        writeBytes(path, bytes);
    if (directory)
        QVERIFY(QDir(folder.path()).mkdir("MIScores.dat"));
    const QStringList before = entriesOf(folder.path());
    const QDateTime modified = QFileInfo(path).lastModified();

    const TopTenList list = ScoreFile::load(path);
    QCOMPARE(list.lines(), expected);
    QCOMPARE(list.count(), TopTenList::Size);
    QVERIFY(list.lines().at(0).at(4).isDigit());

    // Loading never writes: nothing created, nothing changed.
    QCOMPARE(entriesOf(folder.path()), before);
    QCOMPARE(QFileInfo(path).isDir(), directory);
    if (present) {
        QCOMPARE(bytesOf(path), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
    }
}

void TestScoreFile::savingReplacesTheWholeFile()
{
    TempProgramFolder folder;
    const QString path = ScoreFile::pathFor("DI");
    writeBytes(path, QByteArray(400, 'x'));
    const TopTenList list = ScoreFile::parse(record("00250", "NEW"));
    QVERIFY(ScoreFile::save(path, list));
    QCOMPARE(bytesOf(path), ScoreFile::serialise(list));
    QCOMPARE(bytesOf(path).size(), 180);
    QCOMPARE(entriesOf(folder.path()), QStringList{"DIScores.dat"});
}

void TestScoreFile::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("write fails midway") << "limit";
    QTest::newRow("folder does not exist") << "nofolder";
    QTest::newRow("path is a directory") << "directory";
}

void TestScoreFile::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, how);

    TempProgramFolder folder;
    const QByteArray old = record("00800", "OLD").repeated(10);
    QString path = ScoreFile::pathFor("ME");
    writeBytes(path, old);
    if (how == "nofolder")
        path = folder.file("gone/MEScores.dat");
    if (how == "directory") {
        path = ScoreFile::pathFor("DN");
        QVERIFY(QDir(folder.path()).mkdir("DNScores.dat"));
    }
    const QStringList before = entriesOf(folder.path());

    const TopTenList list = ScoreFile::parse(record("00900", "NEW"));
    bool saved = true;
    if (how == "limit") {
        FileSizeLimit limit(100);
        saved = ScoreFile::save(path, list);
    } else {
        saved = ScoreFile::save(path, list);
    }

    QVERIFY(!saved);
    QCOMPARE(bytesOf(ScoreFile::pathFor("ME")), old);
    QCOMPARE(entriesOf(folder.path()), before); // no temporary file left behind
}

QTEST_GUILESS_MAIN(TestScoreFile)
#include "test_scorefile.moc"
