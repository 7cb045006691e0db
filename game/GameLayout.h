// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Drill.h"
#include "Layout.h"

#include <array>

// The design of the two game screens: every control's name, place (twips,
// in the window's client area), caption and look. Both screens share most
// of it; what differs is in the two variants at the end. The screens are
// built from these tables, made in the order given here, bottom to top.
namespace GameLayout {
using namespace Layout;

inline constexpr int Width = 12255;
inline constexpr int Height = 9000;

inline constexpr qreal Digits = 48; // the equation's numbers, in Arial
inline constexpr qreal Heading = 13.5;
inline constexpr qreal KeyPoints = 18;

// Clock box: the yellow seconds label is the box; minutes, colon and heading lie on it.
inline constexpr Label Seconds{
    "lblSec", {270, 120, 3015, 1455}, "00", {Face::Arial, 72, Qt::AlignRight, Paint::Yellow, true}};
inline constexpr Label Minutes{"lblMin", {390, 120, 855, 1455}, "0", {Face::Arial, 72, Qt::AlignLeft}};
inline constexpr Label Colon{"Label2", {1350, 420, 375, 1095}, ":", {Face::Arial, 48, Qt::AlignLeft}};
inline constexpr Label TimeHeading{
    "Label4", {450, 120, 2775, 375}, "Time Remaining", {Face::SansSerif, 12, Qt::AlignHCenter}};

inline constexpr Label ScoreBox{
    "lblScore", {7530, 120, 4455, 1455}, "00000", {Face::Arial, 72, Qt::AlignRight, Paint::Yellow, true}};
inline constexpr Label ScoreHeading{"Label6", {8490, 120, 2775, 375}, "Score", {Face::SansSerif, 12, Qt::AlignHCenter}};

inline constexpr Button Start{"cmdStart", {8790, 1680, 1935, 495}, "Start", Heading};

// Keypad panel.
inline constexpr Shape KeypadPanel{"Shape1", {360, 2040, 2535, 3615}, ShapeKind::RoundedRectangle, Paint::Grey};
inline constexpr Shape PowerLamp{"shpPower", {2400, 2100, 225, 225}, ShapeKind::Circle, Paint::Red};
inline constexpr LabelLook KeyLook{Face::SansSerif, KeyPoints, Qt::AlignHCenter, Paint::DarkGrey, true};
// Key k (1..12) of the keypad, in four rows of three: 1 2 3 / 4 5 6 / 7 8 9 / 10 11 12.
inline constexpr std::array<Label, 12> Keys = [] {
    constexpr std::array<const char *, 12> names{"lblLeft(0)", "lblLeft(1)", "lblLeft(2)", "lblLeft(3)", "lblLeft(4)",
        "lblLeft(5)", "lblLeft(6)", "lblLeft(7)", "lblLeft(8)", "lblLeft(9)", "lblLeft(10)", "lblLeft(11)"};
    constexpr std::array<const char *, 12> captions{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    std::array<Label, 12> keys{};
    for (int i = 0; i < 12; ++i)
        keys[i] = {names[i], {480 + 750 * (i % 3), 2400 + 600 * (i / 3), 735, 495}, captions[i], KeyLook};
    return keys;
}();
inline constexpr Label Go{
    "lblGo", {480, 4800, 2175, 495}, "GO", {Face::SansSerif, Heading, Qt::AlignHCenter, Paint::Green, true}};
inline constexpr Label KeypadHeading{
    "Label10", {600, 1680, 1935, 495}, "Keypad", {Face::SansSerif, 12, Qt::AlignHCenter}};

// Top Ten and Passed boxes.
inline constexpr Label TopTenHeading{
    "Label7", {9480, 2520, 2655, 495}, "Top Ten Scores", {Face::SansSerif, Heading, Qt::AlignHCenter}};
inline constexpr List TopTen{"lstVisible", {9450, 3000, 2655, 2430}, Paint::Red, 9.75, "Top Ten Scores"};
inline constexpr Label PassedHeading{
    "Label3", {10800, 5520, 855, 255}, "Passed", {Face::SansSerif, 9.75, Qt::AlignHCenter}};
inline constexpr List Passed{"lstPassed", {10800, 5880, 855, 2760}, Paint::Blue, 12, "Passed"};

// The board: five rows of 12, 12, 12, 12 and 11 labels, one for each number
// of the drill's board, in its order (the captions are the numbers).
inline constexpr std::array<Label, Drill::BoardSize> Board = [] {
    constexpr std::array<const char *, Drill::BoardSize> names{"lblAnswer(0)", "lblAnswer(1)", "lblAnswer(2)",
        "lblAnswer(3)", "lblAnswer(4)", "lblAnswer(5)", "lblAnswer(6)", "lblAnswer(7)", "lblAnswer(8)",
        "lblAnswer(9)", "lblAnswer(10)", "lblAnswer(11)", "lblAnswer(12)", "lblAnswer(13)", "lblAnswer(14)",
        "lblAnswer(15)", "lblAnswer(16)", "lblAnswer(17)", "lblAnswer(18)", "lblAnswer(19)", "lblAnswer(20)",
        "lblAnswer(21)", "lblAnswer(22)", "lblAnswer(23)", "lblAnswer(24)", "lblAnswer(25)", "lblAnswer(26)",
        "lblAnswer(27)", "lblAnswer(28)", "lblAnswer(29)", "lblAnswer(30)", "lblAnswer(31)", "lblAnswer(32)",
        "lblAnswer(33)", "lblAnswer(34)", "lblAnswer(35)", "lblAnswer(36)", "lblAnswer(37)", "lblAnswer(38)",
        "lblAnswer(39)", "lblAnswer(40)", "lblAnswer(41)", "lblAnswer(42)", "lblAnswer(43)", "lblAnswer(44)",
        "lblAnswer(45)", "lblAnswer(46)", "lblAnswer(47)", "lblAnswer(48)", "lblAnswer(49)", "lblAnswer(50)",
        "lblAnswer(51)", "lblAnswer(52)", "lblAnswer(53)", "lblAnswer(54)", "lblAnswer(55)", "lblAnswer(56)",
        "lblAnswer(57)", "lblAnswer(58)"};
    constexpr std::array<int, 5> tops{5820, 6420, 7020, 7620, 8220};
    constexpr std::array<int, 12> row1{840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7200, 7995, 8790, 9600};
    constexpr std::array<int, 12> rows2To4{840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7215, 8010, 8805, 9600};
    constexpr std::array<int, 11> row5{1155, 1950, 2745, 3540, 4335, 5130, 5925, 6735, 7530, 8325, 9120};
    constexpr LabelLook look{Face::SansSerif, KeyPoints, Qt::AlignHCenter, Paint::Blue, true};
    std::array<Label, Drill::BoardSize> board{};
    for (int i = 0; i < Drill::BoardSize; ++i) {
        const int row = i / 12, column = i % 12;
        const int left = row == 0 ? row1[column] : row == 4 ? row5[column] : rows2To4[column];
        board[i] = {names[i], {left, tops[row], 735, 495}, nullptr, look};
    }
    return board;
}();

// The controls that take the keyboard focus, in the order of a variant's tab chain.
enum class Focus { Start, TopTen, Passed };

// What differs between the two screens.
struct Variant {
    Window window;
    Shape bar; // Shape2, the yellow bar behind the equation
    std::array<Label, 4> signs; // the headings over the equation, its operator and its "="
    Label answer; // lblLeft(60), the slot the keypad fills
    Label factor; // lblRight(61), the shown factor or divisor
    Label target; // the number drawn from the board
    Label pass;
    Label boardHeading;
    std::array<Picture, 3> titles; // the program's title over three pictures, at their natural size
    Picture gameOver; // read only when the game ends
    Picture divisionSign; // none (no name) on the multiplication screen
    std::array<Focus, 3> tabOrder;
};

inline constexpr LabelLook HeadingLook{Face::SansSerif, Heading, Qt::AlignHCenter};
inline constexpr LabelLook PassLook{Face::SansSerif, Heading, Qt::AlignLeft, Paint::Red, true};
inline constexpr LabelLook BoardHeadingLook{Face::SansSerif, KeyPoints, Qt::AlignLeft};
constexpr LabelLook digits(Qt::Alignment align)
{
    return {Face::Arial, Digits, align};
}
constexpr std::array<Picture, 3> titles(TwipsRect first, TwipsRect second, TwipsRect third)
{
    return {{{"Image1", first, "Title1.png", "Tempozap"}, {"Image2", second, "Title2.png"},
        {"Image3", third, "Title3.png"}}};
}

inline constexpr Variant Multiplication{
    {"frmMZemrit", "Tempozap - Multiplication", Width, Height, Paint::Teal},
    {"Shape2", {3120, 3120, 6135, 1095}, ShapeKind::Rectangle, Paint::Yellow},
    {{{"Label8", {4200, 2760, 1935, 495}, "Multipliers", HeadingLook},
        {"Label9", {7200, 2760, 1815, 375}, "Product", HeadingLook},
        {"Label1", {3480, 3120, 3195, 1095}, "X", digits(Qt::AlignHCenter)},
        {"lblEqual", {6600, 3120, 615, 1095}, "=", digits(Qt::AlignHCenter)}}},
    {"lblLeft(60)", {3480, 3120, 1215, 1095}, "?", digits(Qt::AlignRight)},
    {"lblRight(61)", {5460, 3120, 1215, 1095}, "?", digits(Qt::AlignLeft)},
    {"lblProduct", {7200, 3120, 1815, 1095}, "?", digits(Qt::AlignLeft)},
    {"lblPass", {7560, 4320, 975, 495}, "PASS", PassLook},
    {"Label5", {4080, 5280, 4095, 495}, "Products Remaining", BoardHeadingLook},
    titles({4560, 120, 1935, 915}, {4027, 960, 3000, 750}, {4350, 1680, 2355, 945}),
    {"imgOver", {1627, 6120, 9000, 1875}, "GameOver.png", "Game Over"},
    {},
    {Focus::Passed, Focus::TopTen, Focus::Start},
};

inline constexpr Variant Division{
    {"frmDZemrit", "Tempozap - Division", Width, Height, Paint::Teal},
    {"Shape2", {3240, 3000, 6135, 1215}, ShapeKind::Rectangle, Paint::Yellow},
    {{{"Label1", {3480, 2520, 1335, 375}, "Dividend",
          {Face::SansSerif, Heading, Qt::AlignHCenter, Paint::None, false, true}},
        {"Label8", {5880, 2520, 1215, 495}, "Divisor", HeadingLook},
        {"Label9", {7560, 2520, 1695, 375}, "Quotient", HeadingLook},
        {"lblEqual", {7080, 3000, 615, 1095}, "=", digits(Qt::AlignHCenter)}}},
    {"lblLeft(60)", {7800, 3000, 1215, 1095}, "?", digits(Qt::AlignLeft)},
    {"lblRight(61)", {5880, 3000, 1215, 1095}, "?", digits(Qt::AlignLeft)},
    {"lblDividend", {3240, 3000, 1815, 1095}, "?", digits(Qt::AlignRight)},
    {"lblPass", {3600, 4320, 975, 495}, "PASS", PassLook},
    {"Label5", {4080, 5280, 4095, 495}, "Dividends Remaining", BoardHeadingLook},
    titles({4620, 0, 1935, 915}, {4080, 840, 3000, 750}, {4410, 1560, 2355, 945}),
    {"imgOver", {1800, 6240, 9000, 1875}, "GameOver.png", "Game Over"},
    {"Image4", {5160, 3240, 600, 600}, "DivSign.png", "divided by"},
    {Focus::Start, Focus::Passed, Focus::TopTen},
};

} // namespace GameLayout
