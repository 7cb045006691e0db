// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPlatform.h"

#include <cstring>

QByteArray platformFor(const DisplaySession &session)
{
    if (!session.qpaPlatform.isEmpty() || session.platformArgument)
        return {};
    const bool wayland = session.sessionType == "wayland" || !session.waylandDisplay.isEmpty();
    if (!wayland || session.x11Display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

void choosePlatform(int argc, char **argv)
{
    DisplaySession session{
        qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
    // The toolkit reads -platform NAME (or --platform) from the command line.
    for (int i = 1; i < argc; ++i)
        session.platformArgument |= !std::strcmp(argv[i], "-platform") || !std::strcmp(argv[i], "--platform");
    const QByteArray platform = platformFor(session);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
