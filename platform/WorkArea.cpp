// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect workAreaTwips(const QWidget *window)
{
    QScreen *screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect px = screen->availableGeometry();
    return QRect(px.x() * 15, px.y() * 15, px.width() * 15, px.height() * 15);
}
