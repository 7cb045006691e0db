// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *form, std::function<bool(QKeyEvent *)> handler)
    : QObject(form)
    , m_form(form)
    , m_handler(std::move(handler))
{
    // Key presses go to the focused control; the application sees them all first.
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    return target->window() == m_form && m_handler(static_cast<QKeyEvent *>(event));
}
