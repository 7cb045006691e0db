// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Drill.h"
#include "GameChoice.h"
#include "Screen.h"
#include "TopTenList.h"

#include <QTimer>
#include <array>
#include <chrono>
#include <vector>

class Announcer;
class Calendar;
class MessageBoxes;
class PlainLabel;
class QLabel;
class QListWidget;
class QPushButton;
class RandomSource;
class ScoreStore;
class ShapeWidget;
class SoundCue;

// The game screen: one game of the chosen operation and level, from Start to
// the end of the game. It shows its game's Top Ten list and, when the score
// makes the list, records the player's initials in it.
class GameScreen final : public Screen {
    Q_OBJECT
public:
    // The screen's timing: the clock's second; after the end, the ring and
    // the Top Ten check, the blinking Game Over sign and the wait before the
    // initials are asked for.
    static constexpr std::chrono::milliseconds ClockTick{1000};
    static constexpr std::chrono::milliseconds RingDelay{250};
    static constexpr std::chrono::milliseconds BlinkInterval{500};
    static constexpr std::chrono::milliseconds InitialsWait{4000};

    struct Services {
        ScoreStore &store;
        SoundCue &sound;
        RandomSource &random;
        MessageBoxes &messages;
        const Calendar &calendar;
    };
    GameScreen(const GameChoice &choice, const Services &services, const QString &pictureFolder,
        QWidget *parent = nullptr);

    // Reads the game screens' pictures ahead, while the player is choosing,
    // so that Play opens a game screen without reading them.
    static void readPicturesAhead(const QString &pictureFolder, qreal ratio);

    // The game as the screen shows it.
    const Drill &drill() const { return m_drill; }
    // The new line goes into the list on screen, then into the list's file.
    void enterTopTen(const QString &initials);

signals:
    void quitRequested(); // the Quit button, while or after the game runs
    void quitConfirmed(); // Escape, answered Yes
    void qualified(); // the score made the Top Ten: the initials are due
    void finished(); // it did not, and the player has been told

private:
    void build();
    void onStartClicked();
    void onKeyClicked(int key);
    void onGoClicked();
    void onPassClicked();
    void onClockTick();
    void onEscape();

    void showEnded();
    void onTopTenCheck();
    void onSignBlink();

    void play(std::optional<Sound> sound);
    void showMove(const Drill::Outcome &outcome);
    void showClock();
    void showScore();
    void showEquation();
    void showBoard();
    void showPassed();
    void showTopTen();
    void speakClock();
    void speakEquation();

    const GameChoice m_choice;
    const Services m_services;
    Drill m_drill;
    TopTenList m_topTen;
    const QString m_pictureFolder;
    std::vector<int> m_shownPassed;

    PlainLabel *m_minutes = nullptr;
    PlainLabel *m_seconds = nullptr;
    PlainLabel *m_score = nullptr;
    PlainLabel *m_answer = nullptr;
    PlainLabel *m_factor = nullptr;
    PlainLabel *m_target = nullptr;
    std::array<PlainLabel *, Drill::BoardSize> m_board{};
    ShapeWidget *m_power = nullptr;
    QLabel *m_gameOver = nullptr;
    QPushButton *m_start = nullptr;
    QListWidget *m_topTenList = nullptr;
    QListWidget *m_passedList = nullptr;
    Announcer *m_speech = nullptr;
    std::optional<std::pair<int, int>> m_spokenEquation;
    QTimer m_clock{this};
    QTimer m_checkDelay{this};
    QTimer m_blink{this};
    QTimer m_initialsDelay{this};
};
