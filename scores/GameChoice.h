// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Which game is played: multiplication or division, at one of three levels.
// The level gives the game's minutes; the two together name the game's Top
// Ten list and its file. The lists' own screens choose among them too, which
// is why the choice lives here, below the game.
class GameChoice {
public:
    enum class Operation { Multiplication, Division };
    enum class Level { Novice, Intermediate, Expert };

    constexpr GameChoice(Operation operation, Level level)
        : m_operation(operation)
        , m_level(level)
    {
    }

    constexpr Operation operation() const { return m_operation; }
    constexpr Level level() const { return m_level; }
    // 5, 4 or 3.
    constexpr int minutes() const { return m_level == Level::Novice ? 5 : m_level == Level::Intermediate ? 4 : 3; }
    // The operation's letter and the level's: "MN", "MI", "ME", "DN", "DI", "DE".
    QString code() const;
    // The file of the game's Top Ten list: the code, then "Scores.dat".
    QString scoreFileName() const;

    friend constexpr bool operator==(const GameChoice &, const GameChoice &) = default;

private:
    Operation m_operation;
    Level m_level;
};
