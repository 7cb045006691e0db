// The drill played by the test: the candidate table, the clock and its
// bonus, refills, the draw, the score's range and the end-of-game steps.
#include "Drill.h"
#include "RandomSource.h"

#include <QtTest>
#include <map>
#include <set>

namespace {
using Phase = Drill::Phase;
using Sound = Drill::Sound;

// Always the same value: pins every draw to the first or the last entry.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(float value)
        : m_value(value)
    {
    }
    float draw() override { return m_value; }

private:
    float m_value;
};

int rightAnswer(const Drill &d)
{
    return *d.target() / *d.factor();
}

Drill::Outcome answer(Drill &d, int key)
{
    d.press(key);
    return d.submit();
}

QString clock(const Drill &d)
{
    return QStringLiteral("%1:%2").arg(d.shownTime().minutes).arg(d.shownTime().seconds, 2, 10, QLatin1Char('0'));
}

QString equation(const Drill &d)
{
    const auto text = [](std::optional<int> n) { return n ? QString::number(*n) : QStringLiteral("?"); };
    return text(d.answer()) + 'x' + text(d.factor()) + '=' + text(d.target());
}

// Between two events every number is on the board (and in the draw list,
// once, in board order), passed, or cleared; the equation's answer is a key.
void checkPool(const Drill &d)
{
    std::vector<int> onBoard;
    for (int i = 0; i < Drill::BoardSize; ++i) {
        const int n = Drill::Board[i];
        if (d.onBoard(i))
            onBoard.push_back(n);
        QVERIFY(!(d.onBoard(i) && std::binary_search(d.passed().begin(), d.passed().end(), n)));
    }
    QCOMPARE(d.drawList(), onBoard);
    QVERIFY(std::is_sorted(d.passed().begin(), d.passed().end()));
    if (d.phase() == Phase::Running) {
        QVERIFY(std::find(onBoard.begin(), onBoard.end(), *d.target()) != onBoard.end());
        QVERIFY(*d.target() % *d.factor() == 0 && rightAnswer(d) >= 1 && rightAnswer(d) <= 12);
    }
}
} // namespace

class DrillTest : public QObject {
    Q_OBJECT
private slots:
    void candidates_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<std::vector<int>>("candidates");
        QTest::newRow("12, six") << 12 << std::vector<int>{1, 2, 3, 4, 6, 12};
        QTest::newRow("24 has no 1") << 24 << std::vector<int>{2, 3, 4, 6, 8, 12};
        QTest::newRow("36 has no 2") << 36 << std::vector<int>{3, 4, 6, 9, 12};
        QTest::newRow("56 ascending") << 56 << std::vector<int>{7, 8};
        QTest::newRow("144 single") << 144 << std::vector<int>{12};
        QTest::newRow("132 larger first") << 132 << std::vector<int>{12, 11};
        QTest::newRow("63 larger first") << 63 << std::vector<int>{9, 7};
    }
    void candidates()
    {
        QFETCH(int, number);
        QFETCH(std::vector<int>, candidates);
        QCOMPARE(Drill::candidatesOf(number), candidates);
    }

    // Passing every number over and over: each round draws every number once,
    // each with a factor that leaves its answer on the keypad.
    void everyEquationHasItsAnswerOnTheKeypad()
    {
        SeededRandomSource random(2024);
        Drill d(random, 5);
        d.start();
        const std::map<int, int> roots{{1, 1}, {25, 5}, {49, 7}, {64, 8}, {81, 9}, {100, 10}, {121, 11}, {144, 12}};
        std::map<int, std::map<int, int>> seen; // number -> factor -> times
        for (int draw = 0; draw < 59 * 1200; ++draw) {
            const int n = *d.target();
            if (roots.count(n))
                QCOMPARE(*d.factor(), roots.at(n));
            else
                QCOMPARE(d.candidates(), Drill::candidatesOf(n));
            ++seen[n][*d.factor()];
            QCOMPARE(d.pass().sound, Sound::Wrong);
        }
        checkPool(d);
        QCOMPARE(int(seen.size()), 59);
        QVERIFY(!seen[24].count(1));
        QVERIFY(!seen[36].count(2));
        QCOMPARE(int(seen[12].size()), 6); // each factor of 12 about 200 times in 1200
        for (const auto &[f, times] : seen[12])
            QVERIFY2(times > 140 && times < 260, qPrintable(QStringLiteral("factor %1: %2").arg(f).arg(times)));
        QCOMPARE(d.score(), -32768); // the score stops at its floor
    }

    void drawStaysWithinTheList_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("next");
        QTest::newRow("zero takes the first entries") << 0.0f << "?x1=1"
                                                      << "?x1=2";
        QTest::newRow("just below one takes the last") << std::nextafter(1.0f, 0.0f) << "?x12=144"
                                                       << "?x11=132";
    }
    void drawStaysWithinTheList()
    {
        QFETCH(float, r);
        QFETCH(QString, first);
        QFETCH(QString, next);
        FixedRandom random(r);
        Drill d(random, 3);
        d.start();
        QCOMPARE(equation(d), first);
        answer(d, rightAnswer(d));
        QCOMPARE(equation(d), next);
    }

    void clockRunsNMinutesAndOneTick_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("ticks");
        QTest::newRow("novice") << 5 << 301;
        QTest::newRow("expert") << 3 << 181;
        QTest::newRow("no minutes") << 0 << 1;
    }
    void clockRunsNMinutesAndOneTick()
    {
        QFETCH(int, minutes);
        QFETCH(int, ticks);
        SeededRandomSource random(1);
        Drill d(random, minutes);
        QCOMPARE(d.tick().sound, Sound::None); // not before Start
        d.start();
        d.start(); // a second Start changes nothing
        d.press(7); // a number typed but never sent is dropped at the end
        QStringList shown;
        Drill::Outcome outcome;
        while (!outcome.ended && shown.size() < 1000) {
            outcome = d.tick();
            QCOMPARE(outcome.sound, Sound::Tick);
            shown << clock(d);
        }
        QCOMPARE(shown.size(), ticks);
        QCOMPARE(shown.first(), QStringLiteral("%1:00").arg(minutes));
        if (ticks > 1)
            QCOMPARE(shown.at(1), QStringLiteral("%1:59").arg(minutes - 1));
        QCOMPARE(shown.last(), QStringLiteral("0:00"));
        QCOMPARE(d.phase(), Phase::Ended);
        QCOMPARE(d.score(), 0); // no bonus at 0:00
        QCOMPARE(equation(d), QStringLiteral("?x?=?"));
        QCOMPARE(int(d.drawList().size()), 59); // the pool is left as it was
        QCOMPARE(d.tick().sound, Sound::None);
    }

    // Whole games played to the cleared board; the bonus comes with the last answer.
    void wholeGames_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("play");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<std::vector<int>>("mostPassed");
        QTest::newRow("all right before the first tick") << 0 << "right" << 15000 << std::vector<int>{};
        QTest::newRow("all right at 2:35") << 146 << "right" << 7750 << std::vector<int>{};
        QTest::newRow("wrong once on multiples of 3") << 10 << "wrong" << 14550 << std::vector<int>{};
        QTest::newRow("7, 144 and 12 passed once") << 61 << "7,144,12" << 12000 << std::vector<int>{7, 12, 144};
        QTest::newRow("every number passed once") << 300 << "all" << 50 << std::vector<int>{};
    }
    void wholeGames()
    {
        QFETCH(int, ticks);
        QFETCH(QString, play);
        QFETCH(int, bonus);
        QFETCH(std::vector<int>, mostPassed);
        SeededRandomSource random(99);
        Drill d(random, 5);
        d.start();
        for (int i = 0; i < ticks; ++i)
            d.tick();
        const QString frozen = clock(d);
        std::set<int> passed, wronged;
        std::vector<int> longestPassed;
        int cleared = 0;
        int before = 0;
        Drill::Outcome outcome;
        while (!outcome.ended) {
            const int n = *d.target();
            before = d.score();
            if ((play == "all" || play.split(',').contains(QString::number(n))) && !passed.count(n)) {
                passed.insert(n);
                outcome = d.pass();
                QCOMPARE(d.score(), before - 25);
            } else if (play == "wrong" && n % 3 == 0 && !wronged.count(n)) {
                wronged.insert(n);
                const QString shown = equation(d);
                outcome = answer(d, rightAnswer(d) % 12 + 1);
                QCOMPARE(outcome.sound, Sound::Wrong);
                QCOMPARE(equation(d), shown); // the same equation stays
                QCOMPARE(d.score(), before - 50);
            } else {
                outcome = answer(d, rightAnswer(d));
                QCOMPARE(outcome.sound, Sound::Right);
                ++cleared;
            }
            QVERIFY(!d.answer());
            checkPool(d);
            if (d.passed().size() > longestPassed.size())
                longestPassed = d.passed();
        }
        QCOMPARE(cleared, 59);
        QCOMPARE(d.score() - before, 200 + bonus);
        QCOMPARE(d.score(), 59 * 200 - 25 * int(passed.size()) - 50 * int(wronged.size()) + bonus);
        if (!mostPassed.empty())
            QCOMPARE(longestPassed, mostPassed);
        QCOMPARE(d.phase(), Phase::Ended);
        QCOMPARE(equation(d), QStringLiteral("?x?=?")); // no further equation
        QCOMPARE(clock(d), frozen);

        // Time was left: the keypad still fills the slot; GO, PASS and the clock do nothing.
        d.press(7);
        QCOMPARE(equation(d), QStringLiteral("7x?=?"));
        const int score = d.score();
        QCOMPARE(d.submit().sound, Sound::None);
        QCOMPARE(d.pass().sound, Sound::None);
        QCOMPARE(d.tick().sound, Sound::None);
        QCOMPARE(d.score(), score);
        QCOMPARE(clock(d), frozen);
    }

    void passingTheOnlyNumberLeftBringsItBack()
    {
        SeededRandomSource random(8);
        Drill d(random, 5);
        d.start();
        while (d.drawList().size() > 1)
            answer(d, rightAnswer(d));
        const int last = *d.target();
        QVERIFY(!d.pass().ended);
        QVERIFY(d.passed().empty());
        QCOMPARE(d.drawList(), std::vector<int>{last});
        QCOMPARE(*d.target(), last);
        QCOMPARE(d.phase(), Phase::Running);
    }

    // Wrong answers lower the score to its 16-bit floor, and a right one climbs back from it.
    void scoreStopsAtTheSixteenBitFloor_data()
    {
        QTest::addColumn<int>("wrongs");
        QTest::addColumn<int>("score");
        QTest::newRow("one") << 1 << -50;
        QTest::newRow("655") << 655 << -32750;
        QTest::newRow("656 stops at the floor") << 656 << -32768;
    }
    void scoreStopsAtTheSixteenBitFloor()
    {
        QFETCH(int, wrongs);
        QFETCH(int, score);
        SeededRandomSource random(4);
        Drill d(random, 60);
        d.start();
        for (int i = 0; i < wrongs; ++i)
            answer(d, rightAnswer(d) % 12 + 1);
        QCOMPARE(d.score(), score);
        answer(d, rightAnswer(d));
        QCOMPARE(d.score(), score + 200);
    }

    void keypad_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("slot");
        QTest::newRow("before Start") << 5 << false << 0 << QList<int>{7} << "?";
        QTest::newRow("7 then 12") << 5 << true << 3 << QList<int>{7, 12} << "12";
        QTest::newRow("not keys") << 5 << true << 0 << QList<int>{4, 0, 13, 60} << "4";
        QTest::newRow("0:00 before the first tick") << 0 << true << 0 << QList<int>{7} << "?";
        QTest::newRow("0:01 shown") << 1 << true << 60 << QList<int>{7} << "7";
        QTest::newRow("after the time-out") << 1 << true << 61 << QList<int>{7} << "?";
    }
    void keypad()
    {
        QFETCH(int, minutes);
        QFETCH(bool, start);
        QFETCH(int, ticks);
        QFETCH(QList<int>, keys);
        QFETCH(QString, slot);
        SeededRandomSource random(6);
        Drill d(random, minutes);
        if (start)
            d.start();
        for (int i = 0; i < ticks; ++i)
            d.tick();
        for (int key : keys)
            d.press(key);
        QCOMPARE(equation(d).section('x', 0, 0), slot);
    }

    void nothingToActOn()
    {
        SeededRandomSource random(12);
        Drill d(random, 1);
        QCOMPARE(d.submit().sound, Sound::None);
        QCOMPARE(d.pass().sound, Sound::None);
        QCOMPARE(equation(d), QStringLiteral("?x?=?"));
        d.start();
        QCOMPARE(d.submit().sound, Sound::None); // no answer yet
        QCOMPARE(d.score(), 0);
        QCOMPARE(int(d.drawList().size()), 59);
    }

    void endOfGame_data()
    {
        QTest::addColumn<int>("lowest");
        QTest::addColumn<bool>("qualifies");
        QTest::newRow("equal does not qualify") << 200 << false;
        QTest::newRow("one point more qualifies") << 199 << true;
    }
    void endOfGame()
    {
        QFETCH(int, lowest);
        QFETCH(bool, qualifies);
        SeededRandomSource random(13);
        Drill d(random, 1);
        d.start();
        answer(d, rightAnswer(d));
        for (int i = 0; i < 61; ++i)
            d.tick();
        QCOMPARE(d.score(), 200);
        const Drill::Check check = d.checkTopTen(lowest);
        QCOMPARE(check.sound, Sound::Ring);
        QCOMPARE(check.qualifies, qualifies);
        const QList<bool> due{d.initialsDue(), d.initialsDue(), d.initialsDue(), d.initialsDue(), d.initialsDue()};
        QCOMPARE(due, (QList<bool>{false, false, false, true, false})); // the fourth second
    }
};

QTEST_GUILESS_MAIN(DrillTest)
#include "tst_drill.moc"
