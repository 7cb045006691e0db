// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QRect>

class QWidget;

// The desktop work area (the screen without panels and task bars), in pixels,
// of the screen a window is on.
class WorkArea {
public:
    virtual ~WorkArea() = default;
    virtual QRect of(const QWidget *window) const = 0;
};

class ScreenWorkArea final : public WorkArea {
public:
    QRect of(const QWidget *window) const override;
};
