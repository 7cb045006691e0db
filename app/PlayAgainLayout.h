// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Layout.h"

// The play-again dialog; its message and first button are written by its mode.
namespace PlayAgainLayout {
using namespace Layout;
inline constexpr Window Form{"frmOptions", "Tempozap", 5430, 1395, Paint::Yellow};
inline constexpr Label Message{"Label1", {360, 120, 4695, 495}, "", {Face::SansSerif, 13.5, Qt::AlignHCenter}};
inline constexpr Button Play{"cmdPlay", {368, 660, 2175, 495}, "", 13.5};
inline constexpr Button Quit{"cmdQuit", {2888, 660, 2175, 495}, "QUIT GAME", 13.5};
} // namespace PlayAgainLayout
