// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shell.h"

#include "Backdrop.h"
#include "GameScreen.h"
#include "InitialsDialog.h"
#include "ResetScreen.h"
#include "RulesScreen.h"
#include "StartScreen.h"
#include "WindowRole.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

namespace {
// The window a dialog was opened from becomes the active one again once the
// dialog has gone.
void returnTo(QWidget *window)
{
    QTimer::singleShot(0, window, [window] { window->activateWindow(); });
}
} // namespace

Shell::Shell(const ProgramFolder::Locations &folders, SoundCue &sound, RandomSource &random, MessageBoxes &messages)
    : m_folders(folders)
    , m_sound(sound)
    , m_random(random)
    , m_messages(messages)
    , m_store(folders.scores, QDir(folders.data).filePath(QStringLiteral("ScoresClear.dat")))
{
}

Shell::~Shell()
{
    for (QWidget *w :
        std::initializer_list<QWidget *>{m_initials, m_playAgain, m_rules, m_reset, m_game, m_startScreen, m_backdrop})
        delete w;
}

template <typename T> T *Shell::track(QPointer<T> &slot, T *screen)
{
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->installEventFilter(this);
    // Only the start screen stands for the program in the task bar.
    setWindowRole(screen,
        std::is_same_v<T, StartScreen>    ? WindowRole::Main
            : std::is_same_v<T, Backdrop> ? WindowRole::Backdrop
                                          : WindowRole::Secondary);
    slot = screen;
    return screen;
}

template <typename T> void Shell::unload(QPointer<T> &slot)
{
    if (T *screen = slot.data()) {
        slot = nullptr;
        screen->close();
    }
}

bool Shell::eventFilter(QObject *watched, QEvent *event)
{
    // A screen closed by any route is gone: forget it at once, so that the
    // next use makes it afresh.
    if (event->type() == QEvent::Close) {
        if (watched == m_playAgain && m_game && !m_quitting)
            returnTo(m_game); // CANCEL, or closed by the window system
        const auto forget = [watched](auto &slot) {
            if (slot.data() == watched)
                slot = nullptr;
        };
        forget(m_backdrop);
        forget(m_startScreen);
        forget(m_game);
        forget(m_playAgain);
        forget(m_initials);
        forget(m_rules);
        forget(m_reset);
    }
    return QObject::eventFilter(watched, event);
}

void Shell::start()
{
    track(m_backdrop, new Backdrop(m_sound))->show();
    auto *screen = track(m_startScreen, new StartScreen(m_messages, m_folders.data));
    connect(screen, &StartScreen::playChosen, this, &Shell::play);
    connect(screen, &StartScreen::rulesRequested, this, &Shell::openRules);
    connect(screen, &StartScreen::resetRequested, this, &Shell::openReset);
    connect(screen, &StartScreen::quitConfirmed, this, &Shell::quit);
    present(screen);
    // Once the start-up ring has played, while the player chooses.
    QTimer::singleShot(
        500, screen, [this, screen] { GameScreen::readPicturesAhead(m_folders.data, screen->devicePixelRatioF()); });
}

void Shell::play(const GameChoice &choice)
{
    auto *game = track(m_game, new GameScreen(choice, m_store, m_sound, m_random, m_messages, m_folders.data));
    connect(game, &GameScreen::quitRequested, this, [this] { offer(PlayAgainDialog::Mode::QuitQuestion); });
    connect(game, &GameScreen::quitConfirmed, this, &Shell::quit);
    connect(game, &GameScreen::qualified, this, &Shell::openInitials);
    connect(game, &GameScreen::finished, this, [this] { offer(PlayAgainDialog::Mode::AnotherGame); });
    present(game);
}

void Shell::offer(PlayAgainDialog::Mode mode)
{
    if (m_quitting)
        return;
    if (!m_playAgain) {
        auto *dialog = track(m_playAgain, new PlayAgainDialog);
        setOwner(dialog, m_game);
        connect(dialog, &PlayAgainDialog::playAgainChosen, this, &Shell::playAgain);
        connect(dialog, &PlayAgainDialog::quitChosen, this, &Shell::quit);
    }
    m_playAgain->setMode(mode);
    present(m_playAgain);
}

void Shell::openInitials()
{
    if (!m_game) // closed by a quit while the initials were due
        return;
    auto *dialog = track(m_initials, new InitialsDialog(m_messages, m_game));
    connect(dialog, &InitialsDialog::initialsEntered, m_game, &GameScreen::enterTopTen);
    connect(dialog, &InitialsDialog::closed, this, [this] { offer(PlayAgainDialog::Mode::AnotherGame); });
    present(dialog);
}

void Shell::openRules()
{
    auto *rules = track(m_rules, new RulesScreen);
    connect(rules, &RulesScreen::closed, m_startScreen, [this] {
        m_startScreen->resumeClock();
        returnTo(m_startScreen);
    });
    present(rules);
}

void Shell::openReset()
{
    auto *reset = track(m_reset, new ResetScreen(m_store, m_messages));
    connect(reset, &ResetScreen::closed, this, &Shell::showStartScreen);
    present(reset);
}

void Shell::showStartScreen()
{
    if (!m_quitting)
        present(m_startScreen);
}

// PLAY AGAIN: the game goes, the start screen comes back with its last choices.
void Shell::playAgain()
{
    unload(m_initials);
    unload(m_game);
    showStartScreen();
    unload(m_playAgain);
}

void Shell::quit()
{
    // Every window goes, whichever dialogs are open, so that nothing is left
    // that could act on a closed game.
    if (m_quitting)
        return;
    m_quitting = true;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close(); // the hidden start screen too
    if (endProgram)
        endProgram();
}
