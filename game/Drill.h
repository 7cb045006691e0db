// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "SoundCue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class RandomSource;

// A signed 16-bit score that stops at either end of its range instead of
// wrapping round (656 wrong answers in a row from 0 reach the floor).
class Score {
public:
    int value() const { return m_value; }
    void add(int points);

private:
    std::int16_t m_value = 0;
};

// One game of the drill: the board of the 59 products of the 12 x 12 table,
// the equation drawn from it, the clock and the score. A screen calls its
// verbs on clicks and timer ticks and shows its state; each verb reports
// what the screen has to do beyond showing the state (a sound to play, the
// end of the game).
//
// An equation is "answer x factor = target": the target is drawn from the
// numbers still on the board, the factor from its candidates, and the player
// supplies the answer with the keypad.
class Drill {
public:
    // The points a move is worth, and a second left on the clock at the end.
    static constexpr int RightPoints = 200;
    static constexpr int WrongPoints = -50;
    static constexpr int PassPoints = -25;
    static constexpr int PointsPerSecond = 50;

    static constexpr int BoardSize = 59;
    // The board's numbers in index order.
    static constexpr std::array<int, BoardSize> Board{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 18, 20, 21, 22,
        24, 25, 27, 28, 30, 32, 33, 35, 36, 40, 42, 44, 45, 48, 49, 50, 54, 55, 56, 60, 63, 64, 66, 70, 72, 77, 80, 81,
        84, 88, 90, 96, 99, 100, 108, 110, 120, 121, 132, 144};
    // The factors f in 1..12 with n / f also in 1..12, in the order they are offered.
    static std::vector<int> candidatesOf(int n);

    enum class Phase { Ready, Running, Ended };
    struct Time {
        int minutes = 0;
        int seconds = 0;
        friend bool operator==(const Time &, const Time &) = default;
    };
    struct Outcome {
        std::optional<Sound> sound; // to be played before the new state is shown
        bool ended = false; // the game has just ended
    };

    Drill(RandomSource &random, int minutes);

    // Start: the clock starts and the first equation is drawn. Only from
    // Ready; later calls change nothing.
    void start();
    // A keypad key, 1..12, into the answer slot; taken only once the game has
    // been started and while the clock shows time left.
    void press(int key);
    // GO: checks the answer. Right: +200 and the number leaves the board.
    // Wrong: -50 and the same equation stays.
    Outcome submit();
    // PASS: -25, and the number waits in the passed list until the board is empty.
    Outcome pass();
    // One second of the clock, while running. The clock shows the time reached
    // on the previous tick, so N minutes take N x 60 + 1 ticks.
    Outcome tick();

    Phase phase() const { return m_phase; }
    Time shownTime() const { return m_shown; }
    int score() const { return m_score.value(); }
    std::optional<int> answer() const { return m_answer; }
    std::optional<int> factor() const { return m_factor; }
    std::optional<int> target() const { return m_target; }
    bool onBoard(int index) const { return m_onBoard[index]; }
    // The numbers on the board, in the order they are drawn from.
    const std::vector<int> &drawList() const { return m_drawList; }
    // The candidates of the last target that had more than one.
    const std::vector<int> &candidates() const { return m_candidates; }
    // The passed numbers, ascending.
    const std::vector<int> &passed() const { return m_passed; }

private:
    void pickNextEquation();
    void chooseShownFactor();
    void removeCurrentProduct();
    bool refillOrEndGame();
    void endGame();
    int drawPosition(int count);

    RandomSource &m_random;
    Phase m_phase = Phase::Ready;
    Time m_shown;
    int m_minutesLeft = 0;
    int m_secondsLeft = 0;
    Score m_score;
    std::optional<int> m_answer;
    std::optional<int> m_factor;
    std::optional<int> m_target;
    std::array<bool, BoardSize> m_onBoard{};
    std::vector<int> m_drawList;
    std::vector<int> m_candidates;
    std::vector<int> m_passed;
};
