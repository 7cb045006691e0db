// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "FormBuilder.h"

#include <array>

// The design of the two game screens: every control's name, place (twips,
// in the window's client area), caption and look. Both screens share most
// of it; what differs is in the two variants at the end. The screens are
// built from these tables, and the tests read their places from here.
namespace GameLayout {

struct Label {
    const char *name;
    TwipsRect place;
    const char *text;
    LabelLook look;
};

inline constexpr int Width = 12255;
inline constexpr int Height = 9000;

inline constexpr qreal Digits = 48; // the equation's numbers, in Arial
inline constexpr qreal Heading = 13.5;

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

inline constexpr TwipsRect Start{8790, 1680, 1935, 495}; // cmdStart

// Keypad panel.
inline constexpr TwipsRect KeypadPanel{360, 2040, 2535, 3615}; // Shape1
inline constexpr Label KeypadHeading{
    "Label10", {600, 1680, 1935, 495}, "Keypad", {Face::SansSerif, 12, Qt::AlignHCenter}};
inline constexpr TwipsRect PowerLamp{2400, 2100, 225, 225}; // shpPower
inline constexpr LabelLook KeyLook{Face::SansSerif, 18, Qt::AlignHCenter, Paint::DarkGrey, true};
// Key k (1..12) of the keypad, in rows of three.
constexpr TwipsRect key(int k)
{
    return {480 + 750 * ((k - 1) % 3), 2400 + 600 * ((k - 1) / 3), 735, 495};
}
inline constexpr Label Go{
    "lblGo", {480, 4800, 2175, 495}, "GO", {Face::SansSerif, 13.5, Qt::AlignHCenter, Paint::Green, true}};

// Top Ten and Passed boxes.
inline constexpr Label TopTenHeading{
    "Label7", {9480, 2520, 2655, 495}, "Top Ten Scores", {Face::SansSerif, Heading, Qt::AlignHCenter}};
inline constexpr TwipsRect TopTen{9450, 3000, 2655, 2430}; // lstVisible
inline constexpr Label PassedHeading{
    "Label3", {10800, 5520, 855, 255}, "Passed", {Face::SansSerif, 9.75, Qt::AlignHCenter}};
inline constexpr TwipsRect Passed{10800, 5880, 855, 2760}; // lstPassed

// The board: five rows of 12, 12, 12, 12 and 11 labels.
inline constexpr LabelLook BoardLook{Face::SansSerif, 18, Qt::AlignHCenter, Paint::Blue, true};
inline constexpr std::array<int, 5> BoardTops{5820, 6420, 7020, 7620, 8220};
inline constexpr std::array<int, 12> BoardRow1{840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7200, 7995, 8790, 9600};
inline constexpr std::array<int, 12> BoardRows2To4{
    840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7215, 8010, 8805, 9600};
inline constexpr std::array<int, 11> BoardRow5{1155, 1950, 2745, 3540, 4335, 5130, 5925, 6735, 7530, 8325, 9120};
// The place of board label i (0..58).
constexpr TwipsRect boardLabel(int i)
{
    const int row = i / 12;
    const int left = row == 0 ? BoardRow1[i % 12] : row == 4 ? BoardRow5[i % 12] : BoardRows2To4[i % 12];
    return {left, BoardTops[row], 735, 495};
}

// The program's title over three pictures, and the Game Over picture.
inline constexpr std::array<const char *, 3> TitleFiles{"Title1.png", "Title2.png", "Title3.png"};
inline constexpr TwipsRect DivisionSign{5160, 3240, 600, 600}; // Image4

// The controls that take the keyboard focus, in the order of a variant's tab chain.
enum class Focus { Start, TopTen, Passed };

// What differs between the two screens.
struct Variant {
    const char *formName;
    const char *title;
    const char *targetName; // the label of the drawn number
    // The equation row, its headings, PASS and the board heading.
    std::array<Label, 9> equation;
    TwipsRect bar; // Shape2, the yellow bar behind the equation
    std::array<TwipsRect, 3> titles; // Image1 .. Image3, at their natural size
    TwipsRect gameOver; // imgOver
    bool divisionSign; // Image4
    std::array<Focus, 3> tabOrder;
};

inline constexpr LabelLook HeadingLook{Face::SansSerif, Heading, Qt::AlignHCenter};
inline constexpr LabelLook PassLook{Face::SansSerif, 13.5, Qt::AlignLeft, Paint::Red, true};
inline constexpr LabelLook BoardHeadingLook{Face::SansSerif, 18, Qt::AlignLeft};
constexpr LabelLook digits(Qt::Alignment align)
{
    return {Face::Arial, Digits, align};
}

inline constexpr Variant Multiplication{
    "frmMZemrit",
    "Tempozap - Multiplication",
    "lblProduct",
    {{{"Label8", {4200, 2760, 1935, 495}, "Multipliers", HeadingLook},
        {"Label9", {7200, 2760, 1815, 375}, "Product", HeadingLook},
        {"Label1", {3480, 3120, 3195, 1095}, "X", digits(Qt::AlignHCenter)},
        {"lblLeft(60)", {3480, 3120, 1215, 1095}, "?", digits(Qt::AlignRight)},
        {"lblRight(61)", {5460, 3120, 1215, 1095}, "?", digits(Qt::AlignLeft)},
        {"lblEqual", {6600, 3120, 615, 1095}, "=", digits(Qt::AlignHCenter)},
        {"lblProduct", {7200, 3120, 1815, 1095}, "?", digits(Qt::AlignLeft)},
        {"lblPass", {7560, 4320, 975, 495}, "PASS", PassLook},
        {"Label5", {4080, 5280, 4095, 495}, "Products Remaining", BoardHeadingLook}}},
    {3120, 3120, 6135, 1095},
    {{{4560, 120, 1935, 915}, {4027, 960, 3000, 750}, {4350, 1680, 2355, 945}}},
    {1627, 6120, 9000, 1875},
    false,
    {Focus::Passed, Focus::TopTen, Focus::Start},
};

inline constexpr Variant Division{
    "frmDZemrit",
    "Tempozap - Division",
    "lblDividend",
    {{{"Label1", {3480, 2520, 1335, 375}, "Dividend",
          {Face::SansSerif, Heading, Qt::AlignHCenter, Paint::None, false, true}},
        {"Label8", {5880, 2520, 1215, 495}, "Divisor", HeadingLook},
        {"Label9", {7560, 2520, 1695, 375}, "Quotient", HeadingLook},
        {"lblDividend", {3240, 3000, 1815, 1095}, "?", digits(Qt::AlignRight)},
        {"lblRight(61)", {5880, 3000, 1215, 1095}, "?", digits(Qt::AlignLeft)},
        {"lblEqual", {7080, 3000, 615, 1095}, "=", digits(Qt::AlignHCenter)},
        {"lblLeft(60)", {7800, 3000, 1215, 1095}, "?", digits(Qt::AlignLeft)},
        {"lblPass", {3600, 4320, 975, 495}, "PASS", PassLook},
        {"Label5", {4080, 5280, 4095, 495}, "Dividends Remaining", BoardHeadingLook}}},
    {3240, 3000, 6135, 1215},
    {{{4620, 0, 1935, 915}, {4080, 840, 3000, 750}, {4410, 1560, 2355, 945}}},
    {1800, 6240, 9000, 1875},
    true,
    {Focus::Start, Focus::Passed, Focus::TopTen},
};

} // namespace GameLayout
