// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drill's tables: the candidates and the draw, the clock and its bonus,
// refills, the score's range and the end-of-game steps.
#include "Drill.h"
#include "RandomSource.h"

#include <QtTest>
#include <map>

namespace {

// Always the same value: pins every draw to one end of its list.
struct FixedRandom final : RandomSource {
    float value = 0;
    float draw() override { return value; }
};

Drill::Outcome answer(Drill &d, int key)
{
    d.press(key ? key : *d.target() / *d.factor()); // 0: the right one
    return d.submit();
}

QString shown(const Drill &d)
{
    const auto text = [](std::optional<int> n) { return n ? QByteArray::number(*n) : QByteArray("?"); };
    return QString::asprintf("%d:%02d %sx%s=%s", d.shownTime().minutes, d.shownTime().seconds, text(d.answer()).data(),
        text(d.factor()).data(), text(d.target()).data());
}
} // namespace

class DrillTest : public QObject {
    Q_OBJECT
private slots:
    // Passing every number over and over draws every number once a round,
    // each with a factor among its candidates, chosen evenly.
    void everyEquationHasItsAnswerOnTheKeypad()
    {
        QCOMPARE(Drill::candidatesOf(24), (std::vector<int>{2, 3, 4, 6, 8, 12})); // no 1: 24 is off the keypad
        QCOMPARE(Drill::candidatesOf(36), (std::vector<int>{3, 4, 6, 9, 12}));
        QCOMPARE(Drill::candidatesOf(132), (std::vector<int>{12, 11})); // the larger first
        QCOMPARE(Drill::candidatesOf(63), (std::vector<int>{9, 7}));
        SeededRandomSource random(2024);
        Drill d(random, 5);
        d.start();
        const std::map<int, int> roots{{1, 1}, {25, 5}, {49, 7}, {64, 8}, {81, 9}, {100, 10}, {121, 11}, {144, 12}};
        std::map<int, std::map<int, int>> seen; // number -> factor -> times
        for (int draw = 0; draw < 59 * 1200; ++draw) {
            const int n = *d.target(), f = *d.factor();
            ++seen[n][f];
            QVERIFY(roots.count(n) ? f == roots.at(n) : d.candidates() == Drill::candidatesOf(n));
            QVERIFY(n % f == 0 && n / f <= 12);
            QCOMPARE(d.pass().sound, Sound::Wrong);
        }
        QCOMPARE(int(seen.size()), 59);
        QCOMPARE(int(seen[12].size()), 6); // each factor of 12 about 200 times in 1200
        for (const auto &[f, times] : seen[12])
            QVERIFY2(times > 140 && times < 260, qPrintable(QStringLiteral("%1: %2").arg(f).arg(times)));
        QCOMPARE(d.score(), -32768); // the score stops at its floor...
        answer(d, 0);
        QCOMPARE(d.score(), -32568); // ...and climbs back from it
        FixedRandom last; // a draw just below 1 takes the last entry: 144, then 132 with its smaller factor
        last.value = std::nextafter(1.0f, 0.0f);
        Drill pinned(last, 3);
        pinned.start();
        answer(pinned, 0);
        QCOMPARE(shown(pinned), QStringLiteral("3:00 ?x11=132"));
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
        QVERIFY(!d.tick().sound); // not before Start
        d.start();
        d.press(7); // typed but never sent: dropped at the end
        QStringList clock;
        for (Drill::Outcome o; !o.ended && clock.size() < 1000; clock << shown(d).left(4)) {
            QCOMPARE((o = d.tick()).sound, Sound::Tick);
            if (clock.size() == 1) { // a second Start changes nothing: not the clock, not the equation
                const QString before = shown(d);
                d.start();
                QCOMPARE(shown(d), before);
            }
        }
        QCOMPARE(clock.size(), ticks);
        QCOMPARE(clock.first() + clock.value(1, "0:59"),
            QStringLiteral("%1:00%2:59").arg(minutes).arg(minutes - 1 + !minutes));
        QCOMPARE(shown(d), QStringLiteral("0:00 ?x?=?"));
        QCOMPARE(d.score(), 0); // no bonus at 0:00
        QVERIFY(!d.tick().sound);
    }

    // Whole games to the cleared board; the bonus comes with the last answer.
    void wholeGames_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("passed");
        QTest::addColumn<int>("wrong"); // a wrong answer first on the multiples of this number
        QTest::addColumn<int>("score");
        QTest::newRow("all right before the first tick") << 0 << QList<int>{} << 0 << 11800 + 15000;
        QTest::newRow("all right at 2:35") << 146 << QList<int>{} << 0 << 11800 + 7750;
        QTest::newRow("wrong on multiples of 3, at 4:51") << 10 << QList<int>{} << 3 << 11800 - 50 * 29 + 14550;
        QTest::newRow("7, 144 and 12 passed, at 4:00") << 61 << QList<int>{7, 144, 12} << 0 << 11800 - 75 + 12000;
        QTest::newRow("every number passed, at 0:01") << 300 << QList<int>{0} << 0 << 11800 - 59 * 25 + 50;
    }
    void wholeGames()
    {
        QFETCH(int, ticks);
        QFETCH(QList<int>, passed);
        QFETCH(int, wrong);
        QFETCH(int, score);
        SeededRandomSource random(99);
        Drill d(random, 5);
        d.start();
        for (int i = 0; i < ticks; ++i)
            d.tick();
        std::vector<int> done, longest;
        int cleared = 0;
        for (Drill::Outcome o; !o.ended;) {
            const int n = *d.target();
            const bool first = std::find(done.begin(), done.end(), n) == done.end();
            const QString equation = shown(d);
            if (first && (passed.contains(n) || passed == QList<int>{0})) {
                o = d.pass();
            } else if (first && wrong && n % wrong == 0) {
                QCOMPARE((o = answer(d, n / *d.factor() % 12 + 1)).sound, Sound::Wrong);
                QCOMPARE(shown(d), equation); // the same equation stays
            } else {
                QCOMPARE((o = answer(d, 0)).sound, Sound::Right);
                ++cleared;
            }
            QVERIFY(!d.answer());
            int shown = 0; // on the board: every number neither cleared nor waiting among the passed
            for (int i = 0; i < Drill::BoardSize; ++i)
                shown += d.onBoard(i);
            QCOMPARE(shown + int(d.passed().size()), Drill::BoardSize - cleared);
            done.push_back(n);
            longest = std::max(longest, d.passed(), [](auto &a, auto &b) { return a.size() < b.size(); });
        }
        QCOMPARE(d.score(), score);
        if (passed.size() == 3)
            QCOMPARE(longest, (std::vector<int>{7, 12, 144})); // they wait in order
        // Time was left: the keypad still fills the slot; GO, PASS and the clock do nothing.
        const QString ended = shown(d).replace("?x", "7x");
        d.press(7);
        QVERIFY(!d.submit().sound && !d.pass().sound && !d.tick().sound);
        QCOMPARE(shown(d) + QString::number(d.score()), ended + QString::number(score));
    }
};

QTEST_GUILESS_MAIN(DrillTest)
#include "tst_drill.moc"
