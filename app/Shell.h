// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "GameChoice.h"
#include "PlayAgainDialog.h"
#include "ProgramFolder.h"
#include "ScoreStore.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class Backdrop;
class GameScreen;
class InitialsDialog;
class MessageBoxes;
class RandomSource;
class ResetScreen;
class RulesScreen;
class SoundCue;
class StartScreen;

// The application: it makes each screen when it is first needed, connects
// the screens' outcomes to what follows, and forgets a screen once it has
// closed, so that the next use makes it afresh. Every game is played on a
// new game screen.
class Shell final : public QObject {
    Q_OBJECT
public:
    Shell(const ProgramFolder::Locations &folders, SoundCue &sound, RandomSource &random, MessageBoxes &messages);
    ~Shell() override;

    // The backdrop, then the start screen over it.
    void start();

    // What ends the program once every window is closed; tests replace it.
    std::function<void()> endProgram = [] { QCoreApplication::quit(); };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename T> T *track(QPointer<T> &slot, T *screen);
    template <typename T> void unload(QPointer<T> &slot);

    void play(const GameChoice &choice);
    void offer(PlayAgainDialog::Mode mode);
    void openInitials();
    void openRules();
    void openReset();
    void showStartScreen();
    void playAgain();
    void quit();

    ProgramFolder::Locations m_folders;
    SoundCue &m_sound;
    RandomSource &m_random;
    MessageBoxes &m_messages;
    ScoreStore m_store;

    QPointer<Backdrop> m_backdrop;
    QPointer<StartScreen> m_startScreen;
    QPointer<GameScreen> m_game;
    QPointer<PlayAgainDialog> m_playAgain;
    QPointer<InitialsDialog> m_initials;
    QPointer<RulesScreen> m_rules;
    QPointer<ResetScreen> m_reset;
    bool m_quitting = false;
};
