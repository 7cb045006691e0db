// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Calendar.h"
#include "MessageBoxes.h"
#include "RandomSource.h"
#include "SoundCue.h"
#include "WorkArea.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <deque>
#include <functional>

// Remembers the file of every sound asked for, in order, and plays nothing.
struct RecordingSound final : SoundCue {
    void play(Sound sound) override { played << QString::fromLatin1(fileOf(sound)); }
    QStringList played;
};

// Answers OK to a message and No (or the answer set) to a question, and remembers each prompt with its title.
// With real set, the program's own box is shown until onAsk has run, then closed with Escape.
struct ScriptedMessages final : MessageBoxes {
    MsgAnswer ask(QWidget *parent, const QString &prompt, const QString &title, MsgButtons buttons,
        MsgIcon icon) override
    {
        asked << prompt + '|' + title;
        if (real) {
            QTimer::singleShot(0, [this] {
                if (onAsk)
                    onAsk();
                QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
            });
            ModalMessageBoxes().ask(parent, prompt, title, buttons, icon);
        } else if (onAsk) {
            onAsk();
        }
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
    }
    QStringList asked;
    std::function<void()> onAsk; // what happens while the box is up
    MsgAnswer answer = MsgAnswer::No;
    bool real = false;
};

// One day, always.
struct FixedCalendar final : Calendar {
    QDate today() const override { return day; }
    QDate day{2026, 7, 4};
};

// A desktop whose panels take the top 24 and the bottom 40 pixels of an 1280 x 1024 screen.
struct FakeWorkArea final : WorkArea {
    QRect of(const QWidget *) const override { return area; }
    QRect area{0, 24, 1280, 960};
};

inline QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// What a test runs the program's parts in: a folder of its own, silent
// sounds, scripted answers and a seeded random source.
struct Surroundings {
    QString file(const QString &name) const { return folder.filePath(name); }
    QByteArray read(const QString &name) const { return contents(file(name)); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    QTemporaryDir folder;
    RecordingSound sound;
    ScriptedMessages messages;
    SeededRandomSource random{7};
    FixedCalendar calendar;
    FakeWorkArea workArea;
};

// A timer of a screen going off, as its interval runs out; false when it is not running.
inline bool fire(QObject *screen, const char *timer)
{
    auto *t = screen->findChild<QTimer *>(timer);
    QTimerEvent due(t && t->isActive() ? t->timerId() : 0);
    return due.timerId() && QCoreApplication::sendEvent(t, &due);
}

// The shown top-level window of that name, or nullptr.
inline QWidget *shownWindow(const QString &name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name)
            return w;
    }
    return nullptr;
}

// A control of a shown window; the test ends when there is none.
template <typename W = QWidget> W *control(const QString &window, const QString &name)
{
    W *found = shownWindow(window) ? shownWindow(window)->findChild<W *>(name) : nullptr;
    if (!found)
        qFatal("no control %s on a shown window %s", qPrintable(name), qPrintable(window));
    return found;
}

// A real left click in the middle of a control.
inline void click(const QString &window, const QString &name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

// A figure a long test measured ("250 trials, 0 lists lost"): printed, and
// added to the file TEMPOZAP_FIGURES names, which the test command shows at its end.
inline void figure(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    QFile file(qEnvironmentVariable("TEMPOZAP_FIGURES"));
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write(line.toUtf8() + '\n');
}
