// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "GameChoice.h"
#include "Screen.h"

#include <array>

class AnimatedPicture;
class MessageBoxes;
class QRadioButton;

// The start screen: choose the game and the level, then Play, Cancel or
// Rules; F2 opens the reset screen of the Top Ten lists. Its choices stay as
// they are while it is hidden, from one game to the next.
class StartScreen final : public Screen {
    Q_OBJECT
public:
    StartScreen(MessageBoxes &messages, const QString &pictureFolder, QWidget *parent = nullptr);

    // The clock animation runs again (after the rules close).
    void resumeClock();

signals:
    void playChosen(const GameChoice &choice);
    void rulesRequested();
    void resetRequested();
    void quitConfirmed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onPlayClicked();
    void onCancelClicked();
    void onRulesClicked();
    void onF2();

    MessageBoxes &m_messages;
    AnimatedPicture *m_clock = nullptr;
    std::array<QRadioButton *, 2> m_games{};
    std::array<QRadioButton *, 3> m_levels{};
};
