// The Top Ten lists in memory and on disk: the record codec, the order of
// the lines, a new line's layout and the initials that may go into one.
#include "InitialsDialog.h"
#include "ScoreRecord.h"

#include <QtTest>

namespace {
QByteArray records(const QList<QByteArray> &list)
{
    QByteArray bytes;
    for (const QByteArray &r : list)
        bytes += r;
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
        QTest::addColumn<QStringList>("lowest"); // the first lines, in list order
        QTest::addColumn<QStringList>("highest"); // the first lines shown, highest first
        const QByteArray bob = "00500 BOB 02/03/25", amy = "00500 amy 02/03/25";
        const QString blank = "00000             ";
        QTest::newRow("empty") << QByteArray() << QStringList{blank} << QStringList{blank};
        QTest::newRow("in any order, case ignored")
            << records({"00700 CAT 01/01/25", bob, amy}) << QStringList{blank}
            << QStringList{"00700 CAT 01/01/25", "00500 BOB 02/03/25", "00500 amy 02/03/25", blank};
        QTest::newRow("separators read as spaces, a cut-off record dropped") << QByteArray("01234xABCy12/31/29")
                + "00999 CUT 01" << QStringList{blank} << QStringList{"01234 ABC 12/31/29", blank};
        QTest::newRow("a record whose score is not five digits is dropped")
            << records({"0x500 BAD 01/01/25", "-0500 NEG 01/01/25", "00300 OK  01/01/25"}) << QStringList{blank}
            << QStringList{"00300 OK  01/01/25", blank};
        QByteArray eleven;
        for (int i = 1; i <= 11; ++i)
            eleven += QStringLiteral("%1 P%2 01/01/25")
                          .arg(i * 100, 5, 10, QLatin1Char('0'))
                          .arg(i, 2, 10, QLatin1Char('0'))
                          .toLatin1();
        QTest::newRow("eleven records keep the ten highest")
            << eleven << QStringList{"00200 P02 01/01/25"} << QStringList{"01100 P11 01/01/25"};
    }
    void filesLoadAsTenLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lowest);
        QFETCH(QStringList, highest);
        const TopTenList list = ScoreRecord::parse(bytes);
        QCOMPARE(list.count(), 10);
        QCOMPARE(list.lines().mid(0, lowest.size()), lowest);
        QCOMPARE(list.visibleLines().mid(0, highest.size()), highest);
        const QByteArray written = ScoreRecord::serialise(list);
        QVERIFY(ScoreRecord::isWellFormedList(written));
        QCOMPARE(ScoreRecord::parse(written).lines(), list.lines());
        QCOMPARE(list.lowestScore(), lowest.first().left(5).toInt());
    }

    void wholeListFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        QTest::newRow("blank list") << ScoreRecord::blankList() << true;
        QTest::newRow("nine records") << ScoreRecord::blankList().left(162) << false;
        QTest::newRow("a letter in a score") << ScoreRecord::blankList().replace(40, 1, "x") << false;
        QTest::newRow("a letter in a last score") << ScoreRecord::blankList().replace(166, 1, "x") << false;
    }
    void wholeListFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        QCOMPARE(ScoreRecord::isWellFormedList(bytes), whole);
        QCOMPARE(ScoreRecord::blankList().size(), 180);
    }

    void aNewLineTakesItsPlace()
    {
        TopTenList list = ScoreRecord::parse(records({"00100 LOW 03/14/24", "00500 BOB 02/03/25"}));
        QCOMPARE(list.lowestScore(), 0);
        for (int i = 0; i < 8; ++i)
            list.removeLowest();
        QCOMPARE(list.lowestScore(), 100);
        list.removeLowest();
        const QString line = makeTopTenLine(250, "X", QDate(2026, 7, 4));
        QCOMPARE(line, QStringLiteral("00250 X   07/04/26"));
        list.add(line);
        QCOMPARE(list.lines(), (QStringList{"00250 X   07/04/26", "00500 BOB 02/03/25"}));
        QCOMPARE(list.visibleLines().mid(7), (QStringList{QString(), "00500 BOB 02/03/25", "00250 X   07/04/26"}));
        QCOMPARE(makeTopTenLine(-5, "ABCD", QDate(2030, 12, 31)), QStringLiteral("00000 ABC 12/31/30"));
        QCOMPARE(makeTopTenLine(123456, "AB", QDate(2026, 1, 2)), QStringLiteral("99999 AB  01/02/26"));
        list.removeLowest();
        list.removeLowest();
        QCOMPARE(list.lowestScore(), 0); // an empty list
    }

    void initialsAreUpperCaseBytes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // empty: refused
        QTest::newRow("letters") << "abc"
                                 << "ABC";
        QTest::newRow("digits, space, punctuation") << "1 ?"
                                                    << "1 ?";
        QTest::newRow("accented, one byte") << QString::fromUtf8("é") << QString::fromUtf8("É");
        QTest::newRow("no one-byte upper case") << QString::fromUtf8("ÿ") << QString();
        QTest::newRow("beyond one byte") << QString::fromUtf8("ž") << QString();
    }
    void initialsAreUpperCaseBytes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QString text = typed;
        QCOMPARE(InitialsDialog::toInitials(text), !kept.isEmpty());
        if (!kept.isEmpty())
            QCOMPARE(text, kept);
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
