// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>

// Which of the toolkit's platforms the program runs on, chosen before the
// application object is made.
//
// In a Wayland session that also offers an X server (XWayland, as GNOME and
// Plasma do), the program runs as an X client: there the compositor honours
// where each window goes, that the backdrop stays below the others and which
// windows stay off the task bar, while a native Wayland window can state none
// of that. If that X server cannot be reached, the toolkit goes on to native
// Wayland. A platform the player names (QT_QPA_PLATFORM, or -platform on the
// command line) is left as it is, and so is a session without Wayland.
struct DisplaySession {
    QByteArray qpaPlatform; // QT_QPA_PLATFORM
    QByteArray sessionType; // XDG_SESSION_TYPE
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray x11Display; // DISPLAY
    bool platformArgument = false; // -platform on the command line
};

// The platform list to give the toolkit, or an empty one for its own choice.
QByteArray platformFor(const DisplaySession &session);

// Reads the session from the environment and the command line and states the
// choice in QT_QPA_PLATFORM. Call it before the application object is made.
void choosePlatform(int argc, char **argv);
