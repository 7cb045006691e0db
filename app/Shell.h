// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "GameChoice.h"
#include "PlayAgainDialog.h"
#include "ProgramFolder.h"
#include "ScoreStore.h"
#include "WindowRole.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>

class Backdrop;
class Calendar;
class GameScreen;
class InitialsDialog;
class MessageBoxes;
class RandomSource;
class ResetScreen;
class RulesScreen;
class Screen;
class SoundCue;
class StartScreen;
class WorkArea;

// The application: it makes each screen when it is first needed, connects
// the screens' outcomes to what follows, and forgets a screen once it has
// closed, so that the next use makes it afresh. Every game is played on a
// new game screen.
class Shell final : public QObject {
    Q_OBJECT
public:
    // What the screens are given: the program's folders and the platform's services.
    struct Surroundings {
        ProgramFolder::Locations folders;
        SoundCue &sound;
        RandomSource &random;
        MessageBoxes &messages;
        const Calendar &calendar;
        const WorkArea &workArea;
    };
    explicit Shell(const Surroundings &surroundings);
    ~Shell() override;

    // The backdrop, then the start screen over it.
    void start();

    // What ends the program once every window is closed; tests replace it.
    std::function<void()> endProgram = [] { QCoreApplication::quit(); };

private:
    // A new screen in a slot of the shell, which the slot forgets once the
    // screen has closed; every screen is opened through here.
    template <typename T> T *open(QPointer<T> &slot, WindowRole role, T *screen);
    template <typename T> void unload(QPointer<T> &slot);

    void play(const GameChoice &choice);
    void offer(PlayAgainDialog::Mode mode);
    void openInitials();
    void openRules();
    void openReset();
    void showStartScreen();
    void playAgain();
    void quit();

    Surroundings m_surroundings;
    ScoreStore m_store;
    QList<QPointer<Screen>> m_screens; // every screen opened and not yet gone

    QPointer<Backdrop> m_backdrop;
    QPointer<StartScreen> m_startScreen;
    QPointer<GameScreen> m_game;
    QPointer<PlayAgainDialog> m_playAgain;
    QPointer<InitialsDialog> m_initials;
    QPointer<RulesScreen> m_rules;
    QPointer<ResetScreen> m_reset;
    bool m_quitting = false;
};
