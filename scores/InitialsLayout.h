// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Layout.h"

// The initials dialog; the box, OK and Cancel follow each other in the tab order.
namespace InitialsLayout {
using namespace Layout;
inline constexpr Window Form{"frmInitials", "CONGRATULATIONS !", 6465, 2355, Paint::Cyan};
inline constexpr Label Qualified{
    "Label1", {240, 120, 4335, 375}, "You qualify for the Top Ten Scores list. ", {Face::SansSerif, 9.75}};
inline constexpr Label Prompt{"Label2", {240, 600, 4455, 615},
    "Enter your initials below and click \"OK\" to\nadd your score to the list !",
    {Face::SansSerif, 9.75, Qt::AlignLeft, Paint::None, false, false, true}};
inline constexpr int MaxInitials = 3;
// Named by its prompt, as one line.
inline constexpr TextBox Initials{"Text1", {2280, 1320, 1215, 555}, 24, MaxInitials,
    "Enter your initials below and click \"OK\" to add your score to the list !"};
inline constexpr Button Ok{"OKButton", {5040, 120, 1215, 375}, "OK", 9.75};
inline constexpr Button Cancel{"CancelButton", {5040, 600, 1215, 375}, "Cancel", 9.75};
} // namespace InitialsLayout
