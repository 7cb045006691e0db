// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// What a top-level window is to the window manager.
//  - Main: the program's one entry in the task bar and pager.
//  - Secondary: any other window of the program; kept out of the task bar
//    and the pager.
//  - Backdrop: the full-screen backdrop; kept below the program's other
//    windows (also when it is clicked) and out of the task bar and pager.
// On X11 this is stated through the window manager state hints; elsewhere
// only what the toolkit itself offers (staying at the bottom) applies.
enum class WindowRole { Main, Secondary, Backdrop };

// Gives a top-level window its role. Call it before the window is first
// shown; the hints are stated again each time it is shown.
void setWindowRole(QWidget *window, WindowRole role);
WindowRole windowRole(const QWidget *window);

// Places a top-level window in the middle of the screen it will appear on.
void centreOnScreen(QWidget *window);

// Shows a window over the program's others as the active one. A window that
// opens has the focus on the first control of its tab order (unless it chose
// another); one shown again has it where it was.
void present(QWidget *window);
