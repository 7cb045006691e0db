// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Lets a form see every key press before the control that has the focus
// does: the handler gets each key pressed in the form or any of its
// controls, and takes it by returning true. It lives as long as the form.
class KeyPreview final : public QObject {
public:
    KeyPreview(QWidget *form, std::function<bool(QKeyEvent *)> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_form;
    std::function<bool(QKeyEvent *)> m_handler;
};
