// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QRect>

class QWidget;

// The desktop work area (the screen without panels and task bars) of the
// screen a window is on, in twips.
QRect workAreaTwips(const QWidget *window);
