// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *form, std::function<bool(QKeyEvent *)> handler)
    : QObject(form)
    , m_handler(std::move(handler))
{
    form->installEventFilter(this);
    for (QWidget *control : form->findChildren<QWidget *>())
        control->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *, QEvent *event)
{
    return event->type() == QEvent::KeyPress && m_handler(static_cast<QKeyEvent *>(event));
}
