// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shell.h"

#include "Backdrop.h"
#include "GameScreen.h"
#include "InitialsDialog.h"
#include "ResetScreen.h"
#include "RulesScreen.h"
#include "StartScreen.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {
// The window a dialog was opened from becomes the active one again once the
// dialog has gone.
void returnTo(QWidget *window)
{
    QTimer::singleShot(0, window, [window] { window->activateWindow(); });
}

// Once the start-up ring has played, while the player chooses.
constexpr int ReadAheadDelay = 500; // ms
} // namespace

Shell::Shell(const Surroundings &surroundings)
    : m_surroundings(surroundings)
    , m_store(surroundings.folders.scores,
          QDir(surroundings.folders.data).filePath(QString::fromLatin1(ProgramFolder::BlankList)))
{
}

Shell::~Shell()
{
    for (const QPointer<Screen> &screen : std::as_const(m_screens))
        delete screen.data();
}

template <typename T> T *Shell::open(QPointer<T> &slot, WindowRole role, T *screen)
{
    screen->setAttribute(Qt::WA_DeleteOnClose);
    setWindowRole(screen, role);
    if (role != WindowRole::Backdrop)
        centreOnScreen(screen);
    connect(screen, &Screen::closed, this, [&slot, screen] {
        if (slot == screen)
            slot = nullptr;
    });
    m_screens.removeAll(nullptr);
    m_screens.append(screen);
    slot = screen;
    return screen;
}

// Closes a screen of the shell's own accord: what follows its close by the
// player does not follow.
template <typename T> void Shell::unload(QPointer<T> &slot)
{
    if (T *screen = slot.data()) {
        slot = nullptr;
        disconnect(screen, &Screen::closed, nullptr, nullptr);
        screen->close();
    }
}

void Shell::start()
{
    const Surroundings &s = m_surroundings;
    open(m_backdrop, WindowRole::Backdrop, new Backdrop(s.sound, s.workArea))->show();
    auto *screen = open(m_startScreen, WindowRole::Main, new StartScreen(s.messages, s.folders.data));
    connect(screen, &StartScreen::playChosen, this, &Shell::play);
    connect(screen, &StartScreen::rulesRequested, this, &Shell::openRules);
    connect(screen, &StartScreen::resetRequested, this, &Shell::openReset);
    connect(screen, &StartScreen::quitConfirmed, this, &Shell::quit);
    present(screen);
    QTimer::singleShot(ReadAheadDelay, screen,
        [this, screen] { GameScreen::readPicturesAhead(m_surroundings.folders.data, screen->devicePixelRatioF()); });
}

void Shell::play(const GameChoice &choice)
{
    const Surroundings &s = m_surroundings;
    auto *game = open(m_game, WindowRole::Secondary,
        new GameScreen(choice, {m_store, s.sound, s.random, s.messages, s.calendar}, s.folders.data));
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
        auto *dialog = open(m_playAgain, WindowRole::Secondary, new PlayAgainDialog);
        setOwner(dialog, m_game);
        connect(dialog, &PlayAgainDialog::playAgainChosen, this, &Shell::playAgain);
        connect(dialog, &PlayAgainDialog::quitChosen, this, &Shell::quit);
        connect(dialog, &Screen::closed, this, [this] { // CANCEL, or closed by the window system
            if (m_game && !m_quitting)
                returnTo(m_game);
        });
    }
    m_playAgain->setMode(mode);
    present(m_playAgain);
}

void Shell::openInitials()
{
    if (!m_game) // closed by a quit while the initials were due
        return;
    auto *dialog = open(m_initials, WindowRole::Secondary, new InitialsDialog(m_surroundings.messages, m_game));
    connect(dialog, &InitialsDialog::initialsEntered, m_game, &GameScreen::enterTopTen);
    // OK, Cancel or the title bar.
    connect(dialog, &Screen::closed, this, [this] { offer(PlayAgainDialog::Mode::AnotherGame); });
    present(dialog);
}

void Shell::openRules()
{
    auto *rules = open(m_rules, WindowRole::Secondary, new RulesScreen);
    connect(rules, &Screen::closed, this, [this] {
        if (m_quitting || !m_startScreen)
            return;
        m_startScreen->resumeClock();
        returnTo(m_startScreen);
    });
    present(rules);
}

void Shell::openReset()
{
    auto *reset
        = open(m_reset, WindowRole::Secondary, new ResetScreen(m_store, m_surroundings.messages));
    connect(reset, &Screen::closed, this, &Shell::showStartScreen);
    present(reset);
}

void Shell::showStartScreen()
{
    if (!m_quitting && m_startScreen)
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
