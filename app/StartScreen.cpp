// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartScreen.h"

#include "AnimatedPicture.h"
#include "FormBuilder.h"
#include "KeyPreview.h"
#include "MessageBoxes.h"
#include "StartLayout.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

using namespace StartLayout;

StartScreen::StartScreen(MessageBoxes &messages, const QString &pictureFolder, QWidget *parent)
    : Screen(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_messages(messages)
{
    FormBuilder form(this, Form, pictureFolder);
    for (const Picture &title : Titles)
        form.picture(title);
    m_clock = form.animation(Clock);

    QGroupBox *games = form.frame(GameFrame);
    for (std::size_t i = 0; i < Games.size(); ++i) {
        m_games[i] = form.option(games, Games[i].option);
        m_games[i]->setChecked(Games[i].value == FirstChoice.operation());
    }
    QGroupBox *levels = form.frame(LevelFrame);
    for (std::size_t i = 0; i < Levels.size(); ++i) {
        m_levels[i] = form.option(levels, Levels[i].option);
        m_levels[i]->setChecked(Levels[i].value == FirstChoice.level());
    }

    connect(form.button(Play), &QPushButton::clicked, this, &StartScreen::onPlayClicked);
    connect(form.button(Cancel), &QPushButton::clicked, this, &StartScreen::onCancelClicked);
    connect(form.button(StartLayout::Rules), &QPushButton::clicked, this, &StartScreen::onRulesClicked);

    // F2, whatever the shift state and wherever the focus; every other key is left to the controls.
    new KeyPreview(this, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_F2)
            return false;
        onF2();
        return true;
    });

    m_clock->start();
}

void StartScreen::resumeClock()
{
    m_clock->start();
}

void StartScreen::paintEvent(QPaintEvent *)
{
    // The fixed single-line border of a window without a title bar.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {
template <typename Value, std::size_t N>
Value chosen(const std::array<QRadioButton *, N> &buttons, const std::array<Option<Value>, N> &options)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (buttons[i]->isChecked())
            return options[i].value;
    }
    return options[0].value; // the frame always has one chosen
}
} // namespace

// cmdPlay_Click: the game opens, this screen hides and keeps its choices.
void StartScreen::onPlayClicked()
{
    emit playChosen(GameChoice(chosen(m_games, Games), chosen(m_levels, Levels)));
    hide();
}

// cmdCancel_Click
void StartScreen::onCancelClicked()
{
    m_clock->stop();
    if (m_messages.ask(this, QStringLiteral("Are you sure?"), QStringLiteral("Quit the Game"), MsgButtons::YesNo)
        == MsgAnswer::Yes) {
        emit quitConfirmed();
        return;
    }
    m_clock->setVisible(false);
    m_clock->setVisible(true);
    m_clock->start();
}

// cmdRules_Click: the rules cover this screen; its clock stands still until they close.
void StartScreen::onRulesClicked()
{
    emit rulesRequested();
    m_clock->stop();
}

// Form_KeyDown
void StartScreen::onF2()
{
    hide();
    emit resetRequested();
}
