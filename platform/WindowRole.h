// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QMargins>
#include <QRect>

class QWidget;

// What a top-level window is to the window manager.
//  - Main: the program's one entry in the task bar and pager.
//  - Secondary: any other window of the program; kept out of the task bar
//    and the pager.
//  - Backdrop: the full-screen backdrop; kept below the program's other
//    windows (also when it is clicked) and out of the task bar and pager.
// On X11 this is stated through the window manager state hints. Native
// Wayland offers no such hints: there the backdrop is maximised (the
// compositor fits it to the work area) and every other window without an
// owner is kept above it as its transient.
enum class WindowRole { Main, Secondary, Backdrop };

// Gives a top-level window its role. Call it before the window is first
// shown; the hints are stated again each time it is shown.
void setWindowRole(QWidget *window, WindowRole role);
WindowRole windowRole(const QWidget *window);

// Keeps a top-level window above another as its transient (a dialog above the
// screen it speaks for), without making it that window's child widget.
// Call it before the window is shown.
void setOwner(QWidget *window, QWidget *owner);

// Centres a top-level window on the screen it will appear on, frame and
// title bar included: the frame is asked of the window manager when the window
// is first shown. Where no window manager tells it (or on native Wayland, where
// the compositor places every window), the client area is centred.
void centreOnScreen(QWidget *window);
// Where a client area of that size goes so that, with the frame around it,
// the whole window is centred on the screen.
QRect centredOnScreen(const QRect &screen, const QSize &client, const QMargins &frame);

// Shows a window over the program's others as the active one. A window that
// opens has the focus on the first control of its tab order (unless it chose
// another); one shown again has it where it was.
void present(QWidget *window);
