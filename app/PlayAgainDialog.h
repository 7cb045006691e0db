// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Screen.h"

class QLabel;
class QPushButton;

// The play-again dialog, in one of two modes: the quit question asked from
// a running game ("QUIT, ARE YOU SURE?" with CANCEL), or the offer of
// another game at the end of one ("PLAY ANOTHER GAME?" with PLAY AGAIN).
// Its second button quits the program in both.
class PlayAgainDialog final : public Screen {
    Q_OBJECT
public:
    enum class Mode { QuitQuestion, AnotherGame };

    explicit PlayAgainDialog(QWidget *parent = nullptr);
    // The last caller's mode wins.
    void setMode(Mode mode);

signals:
    void playAgainChosen();
    void quitChosen();

private:
    void onPlayClicked();

    Mode m_mode = Mode::QuitQuestion;
    QLabel *m_message = nullptr;
    QPushButton *m_play = nullptr;
};
