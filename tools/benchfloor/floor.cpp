// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor that tools/bench measures Tempozap against: the program's windows
// with exactly the controls they carry, and nothing else. Each window is made
// by the program's own widget factory (FormBuilder) from the program's own
// layout tables, so it has the same size, colours, faces, pictures and
// controls in the same places:
//
//  - the backdrop over the work area;
//  - the start window: the title pictures, the clock (its animated picture
//    running), both frames with their options, the three buttons;
//  - on Play, the multiplication game window: every label, key, picture,
//    shape and the Start button, the board, and both lists, the Top Ten's
//    holding its ten lines.
//
// There is no model, no timer of its own, no score file, no sound (but for
// the variant below) and no accessibility beyond the toolkit's own; Play is
// the only button that does anything. The pictures are read from the floor's
// own folder, where tools/bench puts them beside it.
//
// Built with FLOOR_WITH_SOUND, the GO key plays "goodbeep.WAV" through the
// program's own sound cue and then adds 200 to the score box, the least a
// right answer can cost.

#include "AnimatedPicture.h"
#include "BackdropLayout.h"
#include "FormBuilder.h"
#include "GameLayout.h"
#include "StartLayout.h"
#include "TopTenList.h"
#include "WindowRole.h"
#include "WorkArea.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

#ifdef FLOOR_WITH_SOUND
#include "PulseSoundCue.h"
#endif

namespace {

QWidget *window()
{
    return new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
}

// Returns its Play button.
QPushButton *makeStartWindow(QWidget *w, const QString &folder)
{
    using namespace StartLayout;
    FormBuilder form(w, Form, folder);
    for (const Picture &title : Titles)
        form.picture(title);
    AnimatedPicture *clock = form.animation(Clock);
    QGroupBox *games = form.frame(GameFrame);
    for (const auto &o : Games)
        form.option(games, o.option)->setChecked(o.value == FirstChoice.operation());
    QGroupBox *levels = form.frame(LevelFrame);
    for (const auto &o : Levels)
        form.option(levels, o.option)->setChecked(o.value == FirstChoice.level());
    QPushButton *play = form.button(Play);
    form.button(Cancel);
    form.button(StartLayout::Rules);
    clock->start();
    return play;
}

struct GameWindow {
    PlainLabel *score;
    KeyLabel *go;
};

// The multiplication screen's controls in the order the game screen makes them.
GameWindow makeGameWindow(QWidget *w, const QString &folder)
{
    using namespace GameLayout;
    const Variant &v = Multiplication;
    FormBuilder form(w, v.window, folder);
    for (const Label &l : {Seconds, Minutes, Colon, TimeHeading})
        form.label(l);
    PlainLabel *score = form.label(ScoreBox);
    form.label(ScoreHeading);
    for (const Picture &title : v.titles)
        form.picture(title);
    form.button(Start);
    form.shape(KeypadPanel);
    form.shape(PowerLamp);
    for (const Label &k : Keys)
        form.key(k);
    KeyLabel *go = form.key(Go);
    form.label(KeypadHeading);
    form.shape(v.bar);
    for (const Label &l : v.signs)
        form.label(l);
    for (const Label &l : {v.answer, v.factor, v.target})
        form.label(l);
    form.key(v.pass);
    form.label(v.boardHeading);
    form.label(TopTenHeading);
    QListWidget *topTen = form.list(TopTen);
    for (int i = 0; i < TopTenList::Size; ++i)
        topTen->addItem(QStringLiteral("00000").leftJustified(TopTenLine::Length));
    for (int i = 0; i < Drill::BoardSize; ++i)
        form.label(Board[i])->setText(QString::number(Drill::Board[i]));
    form.label(PassedHeading);
    form.list(Passed);
    Picture gameOver = v.gameOver; // shown only when a game ends
    gameOver.file = nullptr;
    form.picture(gameOver)->hide();
    return {score, go};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
#ifdef FLOOR_WITH_SOUND
    PulseSoundCue cue(folder);
    int scoreValue = 0;
#endif

    const std::unique_ptr<QWidget> backdrop(window());
    FormBuilder(backdrop.get(), BackdropLayout::Form);
    backdrop->setGeometry(
        ScreenWorkArea().of(backdrop.get()).adjusted(0, 0, 0, twips::toPx(BackdropLayout::ExtraHeight)));
    backdrop->show();

    const std::unique_ptr<QWidget> start(window());
    QPushButton *play = makeStartWindow(start.get(), folder);
    centreOnScreen(start.get());

    std::unique_ptr<QWidget> game;
    QObject::connect(play, &QPushButton::clicked, [&] {
        if (!game) {
            game.reset(window());
            [[maybe_unused]] const GameWindow made = makeGameWindow(game.get(), folder);
#ifdef FLOOR_WITH_SOUND
            QObject::connect(made.go, &KeyLabel::clicked, [&, made] {
                cue.play(Sound::Right);
                scoreValue += 200;
                made.score->setText(QStringLiteral("%1").arg(scoreValue, 5, 10, QLatin1Char('0')));
            });
#endif
            centreOnScreen(game.get());
        }
        game->show();
        start->hide();
    });
    start->show();
    return app.exec();
}
