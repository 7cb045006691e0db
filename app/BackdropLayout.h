// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Layout.h"

// The backdrop: over the desktop work area, from its top edge and this much
// taller than it. Its size is the work area's, not its own.
namespace BackdropLayout {
inline constexpr Layout::Window Form{"Background", "Tempozap - backdrop", 0, 0, Paint::Blue};
inline constexpr int ExtraHeight = 400; // twips
} // namespace BackdropLayout
