// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "GameChoice.h"
#include "Layout.h"

#include <array>

// The start screen, made in this order; options are placed in their frames.
namespace StartLayout {
using namespace Layout;

inline constexpr Window Form{"frmStart", "Tempozap", 9300, 3675, Paint::Yellow};

inline constexpr std::array<Picture, 3> Titles{{
    {"Image1", {0, 120, 3000, 750}, "StartTitle1.png", "Tempozap"},
    {"Image2", {0, 780, 3000, 750}, "Title2.png"},
    {"Image3", {0, 1440, 3000, 750}, "StartTitle3.png"},
}};
// Over the right-hand edge of the title pictures.
inline constexpr Picture Clock{"AnimatedGif1", {2400, 120, 2295, 2535}, "CLOCK.gif", "Clock"};

template <typename Value> struct Option {
    Choice option;
    Value value;
};

inline constexpr Frame GameFrame{"Frame1", {4920, 240, 3375, 1095}, "Choose Game"};
inline constexpr std::array<Option<GameChoice::Operation>, 2> Games{{
    {{"optMult(0)", {360, 240, 2055, 375}, "Multiplication"}, GameChoice::Operation::Multiplication},
    {{"optDiv(1)", {360, 600, 2055, 375}, "Division"}, GameChoice::Operation::Division},
}};
inline constexpr Frame LevelFrame{"Frame2", {4920, 1920, 3375, 1575}, "Choose Level"};
inline constexpr std::array<Option<GameChoice::Level>, 3> Levels{{
    {{"optNovice(0)", {360, 240, 2655, 495}, "5 minutes - Novice"}, GameChoice::Level::Novice},
    {{"optIntermediate(1)", {360, 600, 2655, 495}, "4 minutes - Intermediate"}, GameChoice::Level::Intermediate},
    {{"optExpert(2)", {360, 960, 2655, 495}, "3 minutes - Expert"}, GameChoice::Level::Expert},
}};
// What is chosen when the screen opens.
inline constexpr GameChoice FirstChoice{GameChoice::Operation::Multiplication, GameChoice::Level::Intermediate};

inline constexpr Button Play{"cmdPlay", {360, 2880, 1215, 495}, "Play", 9.75};
inline constexpr Button Cancel{"cmdCancel", {1740, 2880, 1215, 495}, "Cancel", 9.75};
inline constexpr Button Rules{"cmdRules", {3120, 2880, 1215, 495}, "Rules", 9.75};

} // namespace StartLayout
