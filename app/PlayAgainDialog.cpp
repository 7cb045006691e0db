// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayAgainDialog.h"

#include "FormBuilder.h"

#include <QPushButton>

PlayAgainDialog::PlayAgainDialog(QWidget *parent)
    : QWidget(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Tempozap"));
    FormBuilder form(this);
    form.setClient(5430, 1395, Paint::Yellow);

    LabelLook look;
    look.points = 13.5;
    look.align = Qt::AlignHCenter;
    m_message = form.label("Label1", {360, 120, 4695, 495}, QString(), look);
    m_play = form.button("cmdPlay", {368, 660, 2175, 495}, QString(), 13.5);
    QPushButton *quit = form.button("cmdQuit", {2888, 660, 2175, 495}, QStringLiteral("QUIT GAME"), 13.5);
    // Enter presses the button that has the focus.
    m_play->setAutoDefault(true);
    quit->setAutoDefault(true);
    connect(m_play, &QPushButton::clicked, this, &PlayAgainDialog::onPlayClicked);
    connect(quit, &QPushButton::clicked, this, &PlayAgainDialog::quitChosen); // cmdQuit_Click
    centreOnScreen(this);
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
