#include "TopTenList.h"

#include <QLocale>
#include <QTest>

class TestTopTenList : public QObject {
    Q_OBJECT
private slots:
    void linesSortAscendingWithoutRegardToCase_data();
    void linesSortAscendingWithoutRegardToCase();
    void visibleLinesRunHighestFirst();
    void removeLowestDropsEntryZero();
    void qualificationIsStrictlyGreater_data();
    void qualificationIsStrictlyGreater();
    void newLineHasFixedLayout_data();
    void newLineHasFixedLayout();
};

void TestTopTenList::linesSortAscendingWithoutRegardToCase_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");

    const QStringList ordered{"00100 ZED 01/01/20", "00500 AMY 02/02/20", "00500 BOB 02/02/20", "01000 CAT 03/03/20"};
    QTest::newRow("shuffled") << QStringList{ordered[2], ordered[0], ordered[3], ordered[1]} << ordered;
    QTest::newRow("case is ignored")
        << QStringList{"00500 bob 01/01/20", "00500 AMY 01/01/20", "00500 Ann 01/01/20"}
        << QStringList{"00500 AMY 01/01/20", "00500 Ann 01/01/20", "00500 bob 01/01/20"};
    QTest::newRow("space before digit before letter")
        << QStringList{"00500 A   01/01/20", "00500 AB  01/01/20", "00500 A1  01/01/20", "00500 1   01/01/20"}
        << QStringList{"00500 1   01/01/20", "00500 A   01/01/20", "00500 A1  01/01/20", "00500 AB  01/01/20"};
    QTest::newRow("equal lines keep their order of arrival")
        << QStringList{"00500 ab  01/01/20", "00500 AB  01/01/20", "00100 ZZ  01/01/20"}
        << QStringList{"00100 ZZ  01/01/20", "00500 ab  01/01/20", "00500 AB  01/01/20"};
}

void TestTopTenList::linesSortAscendingWithoutRegardToCase()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);

    QCOMPARE(TopTenList(added).lines(), expected);
    TopTenList oneByOne;
    for (const QString &line : added)
        oneByOne.add(line);
    QCOMPARE(oneByOne.lines(), expected);
}

void TestTopTenList::visibleLinesRunHighestFirst()
{
    // Equal scores: BOB shows above AMY. Missing lines are empty at the top.
    TopTenList list(QStringList{"00500 BOB 05/05/25", "00900 TOP 01/01/20", "00500 AMY 05/05/25"});
    QStringList expected(7, QString());
    expected << "00900 TOP 01/01/20" << "00500 BOB 05/05/25" << "00500 AMY 05/05/25";
    QCOMPARE(list.visibleLines(), expected);
}

void TestTopTenList::removeLowestDropsEntryZero()
{
    TopTenList list(QStringList{"00100 BOB 01/01/20", "00100 AMY 01/01/20", "00900 X   01/01/20"});
    list.removeLowest();
    QCOMPARE(list.lines(), (QStringList{"00100 BOB 01/01/20", "00900 X   01/01/20"}));
    TopTenList empty;
    empty.removeLowest();
    QCOMPARE(empty.count(), 0);
}

void TestTopTenList::qualificationIsStrictlyGreater_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("qualifies");

    const QStringList fiveHundred{"00500 AB  01/01/20", "09000 CD  01/01/20"};
    QTest::newRow("equal to lowest") << fiveHundred << 500 << false;
    QTest::newRow("one above lowest") << fiveHundred << 501 << true;
    const QStringList cleared(TopTenList::Size, "00000             ");
    QTest::newRow("after reset, zero") << cleared << 0 << false;
    QTest::newRow("after reset, most negative") << cleared << -32768 << false;
    QTest::newRow("after reset, one") << cleared << 1 << true;
    QTest::newRow("empty list, zero") << QStringList{} << 0 << false;
    QTest::newRow("lowest line not a number reads 0") << QStringList{"     AB  01/01/20"} << 1 << true;
}

void TestTopTenList::qualificationIsStrictlyGreater()
{
    QFETCH(QStringList, lines);
    QFETCH(int, score);
    QFETCH(bool, qualifies);
    QCOMPARE(TopTenList(lines).qualifies(score), qualifies);
}

void TestTopTenList::newLineHasFixedLayout_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("initials");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");

    QTest::newRow("one initial") << 7 << "X" << QDate(2026, 7, 4) << "00007 X   07/04/26";
    QTest::newRow("three initials") << 12345 << "ABC" << QDate(2031, 12, 25) << "12345 ABC 12/25/31";
    QTest::newRow("single space") << 1 << " " << QDate(2000, 1, 1) << "00001     01/01/00";
}

void TestTopTenList::newLineHasFixedLayout()
{
    QFETCH(int, score);
    QFETCH(QString, initials);
    QFETCH(QDate, date);
    QFETCH(QString, line);

    QCOMPARE(makeTopTenLine(score, initials, date), line);
    // The date does not follow the locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString made = makeTopTenLine(score, initials, date);
    QLocale::setDefault(before);
    QCOMPARE(made, line);
}

QTEST_GUILESS_MAIN(TestTopTenList)
#include "test_toptenlist.moc"
