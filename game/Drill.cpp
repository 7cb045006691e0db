// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"

#include "RandomSource.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The squares with a single candidate, tested in this order, and their roots.
constexpr std::array<std::array<int, 2>, 8> SingleFactor{
    {{144, 12}, {121, 11}, {100, 10}, {81, 9}, {64, 8}, {49, 7}, {25, 5}, {1, 1}}};

// Two-candidate numbers that offer the larger factor first.
constexpr std::array<int, 7> LargerFactorFirst{63, 96, 99, 108, 110, 120, 132};
} // namespace

void Score::add(int points)
{
    constexpr int low = std::numeric_limits<std::int16_t>::min();
    constexpr int high = std::numeric_limits<std::int16_t>::max();
    m_value = static_cast<std::int16_t>(std::clamp(m_value + points, low, high));
}

std::vector<int> Drill::candidatesOf(int n)
{
    std::vector<int> factors;
    for (int f = 1; f <= 12; ++f) {
        if (n % f == 0 && n / f <= 12)
            factors.push_back(f);
    }
    if (std::find(LargerFactorFirst.begin(), LargerFactorFirst.end(), n) != LargerFactorFirst.end())
        std::reverse(factors.begin(), factors.end());
    return factors;
}

Drill::Drill(RandomSource &random, int minutes)
    : m_random(random)
    , m_shown{minutes, 0}
    , m_drawList(Board.begin(), Board.end())
{
    m_onBoard.fill(true);
}

void Drill::start()
{
    if (m_phase != Phase::Ready)
        return;
    m_minutesLeft = m_shown.minutes;
    m_secondsLeft = 0;
    m_phase = Phase::Running;
    pickNextEquation();
}

void Drill::press(int key)
{
    const bool timeLeft = m_shown.minutes > 0 || m_shown.seconds > 0;
    if (m_phase != Phase::Ready && timeLeft && key >= 1 && key <= 12)
        m_answer = key;
}

Drill::Outcome Drill::submit()
{
    if (!m_answer || !m_factor || m_phase == Phase::Ended)
        return {};
    const bool right = m_target == *m_answer * *m_factor;
    m_answer.reset();
    if (!right) {
        m_score.add(WrongPoints);
        return {Sound::Wrong, false};
    }
    m_score.add(RightPoints);
    removeCurrentProduct();
    const bool ended = refillOrEndGame();
    pickNextEquation();
    return {Sound::Right, ended};
}

Drill::Outcome Drill::pass()
{
    if (!m_target || m_phase == Phase::Ended)
        return {};
    m_score.add(PassPoints);
    m_passed.insert(std::upper_bound(m_passed.begin(), m_passed.end(), *m_target), *m_target);
    m_answer.reset();
    removeCurrentProduct();
    refillOrEndGame(); // a passed number always comes back: passing never ends the game
    pickNextEquation();
    return {Sound::Wrong, false};
}

Drill::Outcome Drill::tick()
{
    if (m_phase != Phase::Running)
        return {};
    m_shown = {m_minutesLeft, m_secondsLeft};
    if (m_secondsLeft != 0) {
        --m_secondsLeft;
    } else if (m_minutesLeft == 0) {
        endGame();
        return {Sound::Tick, true};
    } else {
        m_secondsLeft = 59;
        --m_minutesLeft;
    }
    return {Sound::Tick, false};
}

void Drill::pickNextEquation()
{
    if (m_drawList.empty())
        return;
    m_target = m_drawList[drawPosition(int(m_drawList.size()))];
    chooseShownFactor();
}

void Drill::chooseShownFactor()
{
    const int n = *m_target;
    for (const auto &[square, root] : SingleFactor) {
        if (n == square) {
            m_factor = root;
            return;
        }
    }
    m_candidates = candidatesOf(n);
    m_factor = m_candidates[drawPosition(int(m_candidates.size()))];
}

void Drill::removeCurrentProduct()
{
    for (int i = 0; i < BoardSize; ++i) {
        if (Board[i] == *m_target)
            m_onBoard[i] = false;
    }
    m_drawList.erase(std::find(m_drawList.begin(), m_drawList.end(), *m_target));
}

bool Drill::refillOrEndGame()
{
    if (!m_drawList.empty())
        return false;
    if (m_passed.empty()) {
        endGame();
        return true;
    }
    // The passed numbers return to their own places on the board, and to the
    // draw list in ascending order.
    for (int i = 0; i < BoardSize; ++i) {
        if (std::binary_search(m_passed.begin(), m_passed.end(), Board[i])) {
            m_onBoard[i] = true;
            m_drawList.push_back(Board[i]);
        }
    }
    m_passed.clear();
    return false;
}

void Drill::endGame()
{
    m_phase = Phase::Ended;
    m_answer.reset();
    m_factor.reset();
    m_target.reset();
    // Points for every second the clock shows.
    m_score.add((m_shown.minutes * 60 + m_shown.seconds) * PointsPerSecond);
}

int Drill::drawPosition(int count)
{
    // k = floor(count x r + 1), 1-based; kept within 1..count even when the
    // product rounds up to count for r just below 1.
    const double r = m_random.draw();
    const int k = static_cast<int>(std::floor(count * r + 1.0));
    return std::clamp(k, 1, count) - 1;
}
