// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayAgainDialog.h"

#include "FormBuilder.h"
#include "PlayAgainLayout.h"

#include <QPushButton>

using namespace PlayAgainLayout;

PlayAgainDialog::PlayAgainDialog(QWidget *parent)
    : Screen(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
{
    FormBuilder form(this, Form);
    m_message = form.label(Message);
    m_play = form.button(Play);
    QPushButton *quit = form.button(Quit);
    // Enter presses the button that has the focus.
    m_play->setAutoDefault(true);
    quit->setAutoDefault(true);
    connect(m_play, &QPushButton::clicked, this, &PlayAgainDialog::onPlayClicked);
    connect(quit, &QPushButton::clicked, this, &PlayAgainDialog::quitChosen); // cmdQuit_Click
}

void PlayAgainDialog::setMode(Mode mode)
{
    m_mode = mode;
    const bool quitting = mode == Mode::QuitQuestion;
    m_message->setText(quitting ? QStringLiteral("QUIT, ARE YOU SURE?") : QStringLiteral("PLAY ANOTHER GAME?"));
    m_play->setText(quitting ? QStringLiteral("CANCEL") : QStringLiteral("PLAY AGAIN"));
}

// cmdPlay_Click: CANCEL only closes the dialog, and the game goes on.
void PlayAgainDialog::onPlayClicked()
{
    if (m_mode == Mode::AnotherGame)
        emit playAgainChosen();
    else
        close();
}
