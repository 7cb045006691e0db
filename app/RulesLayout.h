// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Layout.h"

// The rules screen: the text first in the tab order, then CLOSE.
namespace RulesLayout {
using namespace Layout;
inline constexpr Window Form{"frmRules", "Tempozap - Rules", 10170, 8175, Paint::Red};
inline constexpr TextBox Text{"Text1", {360, 1200, 9495, 6615}, 9.75, 0, "Instructions and Game Play"};
inline constexpr Button Close{"cmdClose", {4358, 195, 1215, 495}, "CLOSE", 12};
} // namespace RulesLayout
