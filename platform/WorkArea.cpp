// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect ScreenWorkArea::of(const QWidget *window) const
{
    QScreen *screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
