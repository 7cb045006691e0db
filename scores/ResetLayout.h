// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "GameChoice.h"
#include "Layout.h"

#include <array>

// The reset screen, made in this order; the check boxes are placed in their frames.
namespace ResetLayout {
using namespace Layout;
inline constexpr Window Form{"frmReset", "Tempozap", 7020, 3615, Paint::Yellow};
inline constexpr Label Text{"Label1", {240, 120, 3135, 2295},
    "Use this form to reset Top Ten Scorers' lists to zero. Choose Game/s and Level/s and click \"Reset\" button. ",
    {Face::SansSerif, 12, Qt::AlignLeft, Paint::None, false, false, true}};

// A check box and the list it resets.
struct Box {
    Choice box;
    GameChoice list;
};
struct Game {
    Frame frame;
    std::array<Box, 3> boxes;
};
constexpr Game game(const char *frameName, int top, const char *caption, GameChoice::Operation operation,
    std::array<const char *, 3> boxNames)
{
    using Level = GameChoice::Level;
    return {{frameName, {4440, top, 2295, 1575}, caption},
        {{{{boxNames[0], {120, 360, 1815, 255}, "Novice"}, {operation, Level::Novice}},
            {{boxNames[1], {120, 780, 1815, 255}, "Intermediate"}, {operation, Level::Intermediate}},
            {{boxNames[2], {120, 1200, 1815, 255}, "Expert"}, {operation, Level::Expert}}}}};
}
inline constexpr std::array<Game, 2> Games{
    game("Frame1", 120, "Multiplication", GameChoice::Operation::Multiplication, {"chkMN", "chkMI", "chkME"}),
    game("Frame2", 1920, "Division", GameChoice::Operation::Division, {"chkDN", "chkDI", "chkDE"}),
};

inline constexpr Button Reset{"cmdReset", {480, 2640, 1215, 495}, "Reset", 9.75};
inline constexpr Button Cancel{"cmdCancel", {1920, 2640, 1215, 495}, "Cancel", 9.75};
} // namespace ResetLayout
