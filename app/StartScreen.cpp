// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartScreen.h"

#include "AnimatedPicture.h"
#include "FormBuilder.h"
#include "KeyPreview.h"
#include "MessageBoxes.h"

#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

StartScreen::StartScreen(MessageBoxes &messages, const QString &pictureFolder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Tempozap"));
    FormBuilder form(this, pictureFolder);
    form.setClient(9300, 3675, Paint::Yellow);

    form.picture("Image1", {0, 120, 3000, 750}, QStringLiteral("StartTitle1.png"), QStringLiteral("Tempozap"));
    form.picture("Image2", {0, 780, 3000, 750}, QStringLiteral("Title2.png"));
    form.picture("Image3", {0, 1440, 3000, 750}, QStringLiteral("StartTitle3.png"));
    // Over the right-hand edge of the title pictures.
    m_clock = new AnimatedPicture(this);
    m_clock->setObjectName(QStringLiteral("AnimatedGif1"));
    m_clock->setGeometry(twips::toPx(TwipsRect{2400, 120, 2295, 2535}));
    m_clock->setAccessibleName(QStringLiteral("Clock"));

    QGroupBox *game = form.frame("Frame1", {4920, 240, 3375, 1095}, QStringLiteral("Choose Game"), Paint::Yellow);
    m_multiplication = form.option(game, "optMult(0)", {360, 240, 2055, 375}, QStringLiteral("Multiplication"));
    form.option(game, "optDiv(1)", {360, 600, 2055, 375}, QStringLiteral("Division"));
    QGroupBox *level = form.frame("Frame2", {4920, 1920, 3375, 1575}, QStringLiteral("Choose Level"), Paint::Yellow);
    m_novice = form.option(level, "optNovice(0)", {360, 240, 2655, 495}, QStringLiteral("5 minutes - Novice"));
    QRadioButton *intermediate
        = form.option(level, "optIntermediate(1)", {360, 600, 2655, 495}, QStringLiteral("4 minutes - Intermediate"));
    m_expert = form.option(level, "optExpert(2)", {360, 960, 2655, 495}, QStringLiteral("3 minutes - Expert"));
    m_multiplication->setChecked(true);
    intermediate->setChecked(true);

    QPushButton *play = form.button("cmdPlay", {360, 2880, 1215, 495}, QStringLiteral("Play"), 9.75);
    QPushButton *cancel = form.button("cmdCancel", {1740, 2880, 1215, 495}, QStringLiteral("Cancel"), 9.75);
    QPushButton *rules = form.button("cmdRules", {3120, 2880, 1215, 495}, QStringLiteral("Rules"), 9.75);
    connect(play, &QPushButton::clicked, this, &StartScreen::onPlayClicked);
    connect(cancel, &QPushButton::clicked, this, &StartScreen::onCancelClicked);
    connect(rules, &QPushButton::clicked, this, &StartScreen::onRulesClicked);

    // F2, whatever the shift state and wherever the focus; every other key is left to the controls.
    new KeyPreview(this, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_F2)
            return false;
        onF2();
        return true;
    });

    m_clock->setPath(QDir(pictureFolder).filePath(QStringLiteral("CLOCK.gif")));
    m_clock->start();
    centreOnScreen(this);
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

// cmdPlay_Click: the game opens, this screen hides and keeps its choices.
void StartScreen::onPlayClicked()
{
    using Level = GameChoice::Level;
    const Level level = m_novice->isChecked() ? Level::Novice
        : m_expert->isChecked()               ? Level::Expert
                                              : Level::Intermediate;
    const auto operation
        = m_multiplication->isChecked() ? GameChoice::Operation::Multiplication : GameChoice::Operation::Division;
    emit playChosen(GameChoice(operation, level));
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
