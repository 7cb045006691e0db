// The drill played by the test: whole games, the clock, the score and the pool.
#include "DrillEngine.h"
#include "Fakes.h"
#include "RandomSource.h"

#include <QtTest>
#include <map>
#include <set>

namespace {

// Always the same value: pins every draw to the first or the last entry.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(float value) : m_value(value) {}
    float draw() override { return m_value; }

private:
    float m_value;
};

struct Game {
    explicit Game(std::uint64_t seed = 7, const QString &minutes = QStringLiteral("5"))
        : random(seed), engine(random, sound)
    {
        engine.setMinutesText(minutes);
    }
    SeededRandomSource random;
    RecordingSound sound;
    DrillEngine engine;
};

int target(const DrillEngine &e) { return e.targetText().toInt(); }
int rightAnswer(const DrillEngine &e) { return target(e) / e.factorText().toInt(); }
QString equation(const DrillEngine &e) { return e.targetText() + '/' + e.factorText(); }
QString clock(const DrillEngine &e) { return e.minutesText() + ':' + e.secondsText(); }

void answer(DrillEngine &e, int key)
{
    e.lblLeft_Click(key - 1);
    e.lblGo_Click();
}

QStringList texts(const std::vector<int> &numbers)
{
    QStringList out;
    for (int n : numbers)
        out << QString::number(n);
    return out;
}

// Between events the draw list holds the visible board numbers in ascending
// order, and every number is on the board, passed or cleared, never two of these.
void checkPool(const DrillEngine &e)
{
    QStringList visible;
    for (int i = 0; i < DrillEngine::BoardSize; ++i) {
        const int n = DrillEngine::boardNumbers()[i];
        const QString passed = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        if (e.boardVisible(i))
            visible << QString::number(n);
        QVERIFY(!(e.boardVisible(i) && e.passedList().contains(passed)));
    }
    QCOMPARE(e.drawList(), visible);
    QCOMPARE(e.RemainingCount(), visible.size());
    QVERIFY(std::is_sorted(e.passedList().begin(), e.passedList().end()));
}

// Everything a handler that must do nothing could change.
QString snapshot(const DrillEngine &e)
{
    QStringList parts{e.startCaption(), clock(e), e.scoreText(), e.answerText(), equation(e),
                      e.drawList().join(','), e.passedList().join(','), QString::number(e.intScore())};
    for (bool flag : {e.GameOver(), e.powerOn(), e.imgOverVisible(), e.tmrGameEnabled(), e.tmrOverEnabled(),
                      e.tmrSignEnabled(), e.tmrScoresEnabled()})
        parts << QString::number(flag);
    return parts.join('|');
}

} // namespace

class DrillEngineTest : public QObject {
    Q_OBJECT
private slots:
    void candidateOrder_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("candidates");
        QTest::newRow("12, six") << 12 << "1,2,3,4,6,12";
        QTest::newRow("24 has no 1") << 24 << "2,3,4,6,8,12";
        QTest::newRow("36 has no 2") << 36 << "3,4,6,9,12";
        QTest::newRow("56 ascending") << 56 << "7,8";
        QTest::newRow("144 single") << 144 << "12";
        QTest::newRow("132 larger first") << 132 << "12,11";
        QTest::newRow("63 larger first") << 63 << "9,7";
    }
    void candidateOrder()
    {
        QFETCH(int, number);
        QFETCH(QString, candidates);
        QCOMPARE(texts(DrillEngine::candidatesOf(number)).join(','), candidates);
    }

    // Passing every number over and over: each round draws every number once.
    void everyEquationHasItsAnswerOnTheKeypad()
    {
        Game g(2024);
        DrillEngine &e = g.engine;
        e.cmdStart_Click();
        const std::map<int, int> roots{{1, 1}, {25, 5}, {49, 7}, {64, 8}, {81, 9}, {100, 10}, {121, 11}, {144, 12}};
        std::map<int, std::map<int, int>> seen; // number -> factor -> times
        for (int draw = 0; draw < 59 * 1200; ++draw) {
            const int n = target(e);
            const int f = e.factorText().toInt();
            const auto candidates = DrillEngine::candidatesOf(n);
            QVERIFY2(n % f == 0 && n / f >= 1 && n / f <= 12, qPrintable(equation(e)));
            if (roots.count(n))
                QCOMPARE(f, roots.at(n));
            else
                QCOMPARE(e.candidateList(int(candidates.size())), texts(candidates));
            ++seen[n][f];
            e.lblPass_Click();
        }
        QCOMPARE(int(seen.size()), 59);
        QVERIFY(!seen[24].count(1));
        QVERIFY(!seen[36].count(2));
        QCOMPARE(int(seen[12].size()), 6); // each factor of 12 about 200 times in 1200
        for (const auto &[f, times] : seen[12])
            QVERIFY2(times > 140 && times < 260, qPrintable(QStringLiteral("factor %1: %2").arg(f).arg(times)));
        QCOMPARE(e.intScore(), -32768); // the score stops at its floor
    }

    void drawStaysWithinTheList_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("next");
        QTest::newRow("zero takes the first entries") << 0.0f << "1/1" << "2/1";
        QTest::newRow("just below one takes the last") << std::nextafter(1.0f, 0.0f) << "144/12" << "132/11";
    }
    void drawStaysWithinTheList()
    {
        QFETCH(float, r);
        QFETCH(QString, first);
        QFETCH(QString, next);
        FixedRandom random(r);
        RecordingSound sound;
        DrillEngine e(random, sound);
        e.setMinutesText(QStringLiteral("3"));
        e.cmdStart_Click();
        QCOMPARE(equation(e), first);
        answer(e, rightAnswer(e));
        QCOMPARE(equation(e), next);
    }

    void clockRunsNMinutesAndOneTick_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("ticks");
        QTest::newRow("novice") << "5" << 301;
        QTest::newRow("intermediate") << "4" << 241;
        QTest::newRow("expert") << "3" << 181;
        QTest::newRow("no minutes written") << "0" << 1;
    }
    void clockRunsNMinutesAndOneTick()
    {
        QFETCH(QString, minutes);
        QFETCH(int, ticks);
        Game g(1, minutes);
        DrillEngine &e = g.engine;
        e.cmdStart_Click();
        e.lblLeft_Click(6); // a number typed but never sent is dropped at the end
        QStringList shown;
        while (e.tmrGameEnabled() && shown.size() < 1000) {
            e.tmrGame_Timer();
            shown << clock(e);
        }
        QCOMPARE(shown.size(), ticks);
        QCOMPARE(shown.first(), minutes + QStringLiteral(":00"));
        if (ticks > 1)
            QCOMPARE(shown.at(1), QString::number(minutes.toInt() - 1) + QStringLiteral(":59"));
        QCOMPARE(shown.last(), QStringLiteral("0:00"));
        QCOMPARE(g.sound.played.count(QStringLiteral("tick.WAV")), ticks);
        QVERIFY(e.GameOver() && !e.powerOn() && e.tmrOverEnabled() && e.tmrSignEnabled());
        QCOMPARE(e.intScore(), 0); // no bonus at 0:00
        QCOMPARE(e.answerText() + " " + equation(e), QStringLiteral("? ?/?"));
        QCOMPARE(e.RemainingCount(), 59); // the pool is left as it was
    }

    // Whole games played to the cleared board; the bonus comes with the last answer.
    void wholeGames_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("play");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("passedAtMost");
        QTest::newRow("all right before the first tick") << 0 << "right" << 15000 << "";
        QTest::newRow("all right at 2:35") << 146 << "right" << 7750 << "";
        QTest::newRow("wrong once on multiples of 3") << 10 << "wrong" << 14550 << "";
        QTest::newRow("7, 144 and 12 passed once") << 61 << "7,144,12" << 12000 << "007,012,144";
        QTest::newRow("every number passed once") << 300 << "all" << 50 << "";
    }
    void wholeGames()
    {
        QFETCH(int, ticks);
        QFETCH(QString, play);
        QFETCH(int, bonus);
        QFETCH(QString, passedAtMost);
        Game g(99);
        DrillEngine &e = g.engine;
        e.cmdStart_Click();
        for (int i = 0; i < ticks; ++i)
            e.tmrGame_Timer();
        const QString frozen = clock(e);
        std::set<int> passed, wronged;
        int cleared = 0;
        QStringList longestPassed;
        int before = 0;
        while (!e.GameOver()) {
            const int n = target(e);
            before = e.intScore();
            if ((play == QLatin1String("all") || play.split(',').contains(QString::number(n))) && !passed.count(n)) {
                passed.insert(n);
                e.lblPass_Click();
                QCOMPARE(e.intScore(), before - 25);
            } else if (play == QLatin1String("wrong") && n % 3 == 0 && !wronged.count(n)) {
                wronged.insert(n);
                const QString shown = equation(e);
                answer(e, rightAnswer(e) % 12 + 1);
                QCOMPARE(equation(e), shown); // the same equation stays
                QCOMPARE(e.intScore(), before - 50);
                QCOMPARE(g.sound.played.last(), QStringLiteral("badbeep.WAV"));
            } else {
                answer(e, rightAnswer(e));
                ++cleared;
            }
            checkPool(e);
            if (e.passedList().size() > longestPassed.size())
                longestPassed = e.passedList();
        }
        QCOMPARE(cleared, 59);
        QCOMPARE(e.intScore() - before, 200 + bonus);
        QCOMPARE(e.intScore(), 59 * 200 - 25 * int(passed.size()) - 50 * int(wronged.size()) + bonus);
        QCOMPARE(e.scoreText(), DrillEngine::formatScore(e.intScore()));
        if (!passedAtMost.isEmpty())
            QCOMPARE(longestPassed.join(','), passedAtMost);
        QCOMPARE(g.sound.played.count(QStringLiteral("goodbeep.WAV")), 59);
        QVERIFY(!e.tmrGameEnabled() && e.tmrOverEnabled() && e.tmrSignEnabled() && !e.powerOn());
        QCOMPARE(equation(e), QStringLiteral("?/?")); // no further equation
        QCOMPARE(clock(e), frozen);

        // Time was left: the keypad still fills the slot; GO, PASS and the clock do nothing.
        e.lblLeft_Click(6);
        QCOMPARE(e.answerText(), QStringLiteral("7"));
        const QString ended = snapshot(e);
        e.lblGo_Click();
        e.lblPass_Click();
        e.tmrGame_Timer();
        QCOMPARE(snapshot(e), ended);
    }

    void passingTheOnlyNumberLeftBringsItBack()
    {
        Game g(8);
        DrillEngine &e = g.engine;
        e.cmdStart_Click();
        while (e.RemainingCount() > 1)
            answer(e, rightAnswer(e));
        const QString last = e.targetText();
        e.lblPass_Click();
        QVERIFY(e.passedList().isEmpty());
        QCOMPARE(e.drawList(), QStringList{last});
        QCOMPARE(e.targetText(), last);
        checkPool(e);
        QVERIFY(!e.GameOver());
    }

    // Wrong answers lower the score to its 16-bit floor and a right one climbs back from it.
    void scoreStopsAtTheSixteenBitFloor_data()
    {
        QTest::addColumn<int>("wrongs");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterRight");
        QTest::newRow("one") << 1 << "-00050" << "00150";
        QTest::newRow("655") << 655 << "-32750" << "-32550";
        QTest::newRow("656 stops at the floor") << 656 << "-32768" << "-32568";
    }
    void scoreStopsAtTheSixteenBitFloor()
    {
        QFETCH(int, wrongs);
        QFETCH(QString, shown);
        QFETCH(QString, afterRight);
        Game g(4, QStringLiteral("60"));
        DrillEngine &e = g.engine;
        e.cmdStart_Click();
        for (int i = 0; i < wrongs; ++i)
            answer(e, rightAnswer(e) % 12 + 1);
        QCOMPARE(e.scoreText(), shown);
        QCOMPARE(e.intScore(), shown.toInt());
        answer(e, rightAnswer(e));
        QCOMPARE(e.scoreText(), afterRight);
    }

    void keypad_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("slot");
        QTest::newRow("before Start") << "5" << false << 0 << QList<int>{6} << "?";
        QTest::newRow("7 then 12") << "5" << true << 3 << QList<int>{6, 11} << "12";
        QTest::newRow("the slot and non-keys") << "5" << true << 0 << QList<int>{3, 60, 12, -1} << "4";
        QTest::newRow("0:00 before the first tick") << "0" << true << 0 << QList<int>{6} << "?";
        QTest::newRow("0:01 shown") << "1" << true << 60 << QList<int>{6} << "7";
        QTest::newRow("after the time-out") << "1" << true << 61 << QList<int>{6} << "?";
    }
    void keypad()
    {
        QFETCH(QString, minutes);
        QFETCH(bool, start);
        QFETCH(int, ticks);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, slot);
        Game g(6, minutes);
        DrillEngine &e = g.engine;
        if (start)
            e.cmdStart_Click();
        for (int i = 0; i < ticks; ++i)
            e.tmrGame_Timer();
        const qsizetype sounds = g.sound.played.size();
        for (int index : clicks)
            e.lblLeft_Click(index);
        QCOMPARE(e.answerText(), slot);
        QCOMPARE(g.sound.played.size(), sounds);
    }

    // Handlers that find nothing to act on change nothing and play nothing.
    void inertHandlers_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("handler");
        for (const char *when : {"before Start", "after the time-out"}) {
            for (const char *handler : {"GO", "PASS", "GO with an answer", "tick", "scores", "over"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(when, handler))) << when << handler;
        }
        QTest::newRow("before Start, sign") << "before Start" << "sign";
        QTest::newRow("running, GO without an answer") << "running" << "GO";
    }
    void inertHandlers()
    {
        QFETCH(QString, when);
        QFETCH(QString, handler);
        Game g(12, QStringLiteral("1"));
        DrillEngine &e = g.engine;
        if (when != QLatin1String("before Start"))
            e.cmdStart_Click();
        if (when == QLatin1String("after the time-out")) {
            for (int i = 0; i < 61; ++i)
                e.tmrGame_Timer();
            QCOMPARE(e.tmrOver_Timer(0), DrillEngine::TopTenCheck::DoesNotQualify);
        }
        if (handler == QLatin1String("GO with an answer"))
            e.lblLeft_Click(0);
        const QString before = snapshot(e);
        const qsizetype sounds = g.sound.played.size();
        if (handler.startsWith(QLatin1String("GO")))
            e.lblGo_Click();
        else if (handler == QLatin1String("PASS"))
            e.lblPass_Click();
        else if (handler == QLatin1String("tick"))
            e.tmrGame_Timer();
        else if (handler == QLatin1String("scores"))
            QVERIFY(!e.tmrScores_Timer());
        else if (handler == QLatin1String("over"))
            QCOMPARE(e.tmrOver_Timer(-100), DrillEngine::TopTenCheck::NotDue);
        else
            e.tmrSign_Timer();
        QCOMPARE(snapshot(e), before);
        QCOMPARE(g.sound.played.size(), sounds);
    }

    void startTurnsToQuitForGood()
    {
        Game g;
        DrillEngine &e = g.engine;
        QCOMPARE(e.drawList().first(), QStringLiteral("1"));
        checkPool(e);
        QCOMPARE(e.cmdStart_Click(), DrillEngine::StartResult::Started);
        QVERIFY(e.powerOn() && e.tmrGameEnabled());
        QCOMPARE(e.startCaption(), QStringLiteral("Quit"));
        QVERIFY(!equation(e).contains('?'));
        const QString running = snapshot(e);
        QCOMPARE(e.cmdStart_Click(), DrillEngine::StartResult::QuitRequested);
        QCOMPARE(snapshot(e), running); // the clock keeps running behind the question
    }

    void endOfGameCheck_data()
    {
        QTest::addColumn<int>("lowest");
        QTest::addColumn<bool>("qualifies");
        QTest::newRow("equal does not qualify") << 200 << false;
        QTest::newRow("one point more qualifies") << 199 << true;
    }
    void endOfGameCheck()
    {
        QFETCH(int, lowest);
        QFETCH(bool, qualifies);
        Game g(13, QStringLiteral("1"));
        DrillEngine &e = g.engine;
        e.cmdStart_Click();
        answer(e, rightAnswer(e));
        for (int i = 0; i < 61; ++i)
            e.tmrGame_Timer();
        QCOMPARE(e.intScore(), 200);
        QCOMPARE(e.tmrOver_Timer(lowest),
                 qualifies ? DrillEngine::TopTenCheck::Qualifies : DrillEngine::TopTenCheck::DoesNotQualify);
        QCOMPARE(g.sound.played.last(), QStringLiteral("ring.WAV"));
        QVERIFY(!e.tmrOverEnabled());
        QCOMPARE(e.tmrScoresEnabled(), qualifies);
    }
};

QTEST_GUILESS_MAIN(DrillEngineTest)
#include "tst_drillengine.moc"
