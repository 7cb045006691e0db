#pragma once
#include "MessageBoxes.h"
#include "Navigator.h"
#include "SoundCue.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>

// Remembers every sound asked for, in order, and plays nothing.
class RecordingSound final : public SoundCue {
public:
    void PlaySoundCue(const QString &fileName) override { played << fileName; }
    QStringList played;
};

// Answers message boxes from a script and remembers what was asked.
class ScriptedMessages final : public MessageBoxes {
public:
    struct Asked {
        QString prompt, title;
        MsgButtons buttons;
        MsgIcon icon;
    };
    MsgAnswer ask(QWidget *, const QString &prompt, const QString &title, MsgButtons buttons,
                  MsgIcon icon) override;
    std::deque<MsgAnswer> answers; // empty: Ok for OK boxes, No for questions
    QList<Asked> asked;
};

// Records what a screen asks of the others.
class RecordingNavigator final : public Navigator {
public:
    QString gameLevel() const override { return level; }
    void showPlayAgain(const QString &message, const QString &playCaption) override
    {
        playAgain << (message + QLatin1Char('|') + playCaption);
    }
    void openInitials() override { ++initialsOpened; }
    void showStartScreen() override { ++startShown; }
    void quitProgram() override { ++quits; }

    QString level = QStringLiteral("MI");
    QStringList playAgain;
    int initialsOpened = 0;
    int startShown = 0;
    int quits = 0;
};

// A temporary program folder for one test; the real score files are never touched.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Runs the deletions that closing a window scheduled; true when the window is gone.
template <class W> bool isUnloaded(const QPointer<W> &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

// The names of the top-level windows still shown (after pending deletions).
inline QStringList visibleWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w->objectName();
    return shown;
}

// Deletes every top-level window a test left behind.
inline void deleteAllWindows()
{
    qDeleteAll(QApplication::topLevelWidgets());
}
