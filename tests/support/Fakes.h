#pragma once
#include "MessageBoxes.h"
#include "SoundCue.h"

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>

// Remembers every sound asked for, in order, and plays nothing.
class RecordingSound final : public SoundCue {
public:
    void play(const QString &fileName) override { played << fileName; }
    QStringList played;
};

// Answers message boxes from a script (then OK, or No to a question) and
// remembers each prompt, with its title after a bar: "Are you sure?|Quit the Game".
class ScriptedMessages final : public MessageBoxes {
public:
    MsgAnswer ask(QWidget *, const QString &prompt, const QString &title, MsgButtons buttons, MsgIcon) override
    {
        asked << prompt + QLatin1Char('|') + title;
        if (answers.empty())
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<MsgAnswer> answers;
    QStringList asked;
};

// A timer of a screen going off, as its interval runs out; false when it is not running.
inline bool fire(QObject *screen, const char *timer)
{
    auto *t = screen->findChild<QTimer *>(QString::fromLatin1(timer));
    if (!t || !t->isActive())
        return false;
    QTimerEvent due(t->timerId());
    QCoreApplication::sendEvent(t, &due);
    return true;
}

// Runs the deletions that closing windows scheduled.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The shown top-level window of that name, or nullptr.
inline QWidget *shownWindow(const QString &name)
{
    settle();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name)
            return w;
    }
    return nullptr;
}

// The names of the shown top-level windows, in no particular order.
inline QStringList shownWindows()
{
    settle();
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    names.sort();
    return names;
}

// A control of a shown window; fails the test when there is none.
template <typename W = QWidget> W *control(const QString &window, const QString &name)
{
    QWidget *w = shownWindow(window);
    W *found = w ? w->findChild<W *>(name) : nullptr;
    if (!found)
        qFatal("no control %s on a shown window %s", qPrintable(name), qPrintable(window));
    return found;
}

// A real left click in the middle of a control.
inline void click(const QString &window, const QString &name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}
