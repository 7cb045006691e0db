// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QStringList>
#include <QTimer>
#include <QWidget>

// What a screen reader needs beyond what the toolkit gives plain widgets:
//  - a top-level window is a frame, or a dialog when it is one, so that its
//    title and texts are read when it opens (the toolkit makes it a filler);
//  - a key label (KeyLabel) is a push button whose press action clicks it;
//  - an Announcer speaks what changes on a screen.
// Installed once, when the application starts, before any window is made.
void installAccessibility();

// Says texts through the screen reader without changing anything seen or
// heard: a child of a window, of no size, that draws nothing and never takes
// the focus. Texts said in one turn of the event loop are joined into one
// utterance. With Qt 6.8 and later an utterance is the toolkit's announcement;
// before, it is the name of a notification that starts showing, which a
// screen reader reads some milliseconds later, so a text stays until the
// window is shown again. A key or mouse press, or leaving the active window,
// cuts off what is being read: a text is best said in the window that stays
// active.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);
    void say(const QString &text);

signals:
    void said(const QString &text); // each utterance, whether a screen reader listens or not

private:
    void flush();

    QStringList m_pending;
    QTimer m_flush;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QList<QWidget *> m_items; // the notifications, taking turns
    int m_next = 0;
#endif
};
