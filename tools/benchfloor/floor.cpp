// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor that tools/bench measures Tempozap against: the least a Qt Widgets
// program does to put up windows of Tempozap's sizes and colours. A blue
// frameless backdrop over the work area, a yellow start window with a Play
// button, and on Play a teal game window with the game screen's 90 labels in
// their places, fonts and colours, all taken from the program's layout
// (game/GameLayout.h) and its colours and faces (colourOf, boldFont). Nothing
// is loaded from files, nothing plays, no timer runs.
//
//   benchfloor WIDTH HEIGHT LEFT TOP W H
//
// The start screen has no layout header: tools/bench reads its size and the
// place of its Play button (twips) from app/StartScreen.cpp and passes them.
//
// Built with FLOOR_WITH_SOUND, the GO label plays "goodbeep.WAV" through the
// program's own sound cue and then adds 200 to the score label, the least a
// right answer can cost.
//
// Built with FLOOR_WITH_LISTS, the game window also has the game screen's two
// list boxes, made by the program's own factory, the Top Ten's holding ten
// lines: the part of the game screen that costs most beyond its labels.

#include "Drill.h"
#include "FormBuilder.h"
#include "GameLayout.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <functional>

#ifdef FLOOR_WITH_SOUND
#include "PulseSoundCue.h"
#endif

namespace {

void paint(QWidget *w, Paint background)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colourOf(background));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void centre(QWidget *w)
{
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (onClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick();
    }
};

ClickLabel *label(QWidget *parent, const TwipsRect &place, const char *text, const LabelLook &look)
{
    auto *l = new ClickLabel(QString::fromLatin1(text), parent);
    l->setGeometry(twips::toPx(place));
    l->setFont(boldFont(look.face, look.points, look.italic));
    l->setAlignment(look.align | Qt::AlignTop);
    QPalette pal = l->palette();
    // Black text on a transparent or yellow label, white on any other.
    const bool darkText = look.fill == Paint::None || look.fill == Paint::Yellow;
    pal.setColor(QPalette::WindowText, darkText ? Qt::black : Qt::white);
    if (look.fill != Paint::None) {
        pal.setColor(QPalette::Window, colourOf(look.fill));
        l->setAutoFillBackground(true);
    }
    l->setPalette(pal);
    if (look.border) {
        l->setFrameShape(QFrame::Box);
        l->setIndent(0); // a framed label indents its text by default; the program's labels do not
    }
    return l;
}

ClickLabel *label(QWidget *parent, const GameLayout::Label &l)
{
    return label(parent, l.place, l.text, l.look);
}

// The game screen's labels, made bottom to top as the screen makes them.
QWidget *makeGameWindow(const std::function<void(QLabel *score)> &go)
{
    using namespace GameLayout;
    auto *w = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w->setWindowTitle(QStringLiteral("benchfloor - game"));
    w->setFixedSize(twips::toPx(Width), twips::toPx(Height));
    paint(w, Paint::Teal);

    for (const Label &l : {Seconds, Minutes, Colon, TimeHeading})
        label(w, l);
    QLabel *score = label(w, ScoreBox);
    label(w, ScoreHeading);
    for (int k = 1; k <= 12; ++k)
        label(w, key(k), QByteArray::number(k).constData(), KeyLook);
    label(w, Go)->onClick = [go, score] { go(score); };
    label(w, KeypadHeading);
    for (const Label &l : Multiplication.equation)
        label(w, l);
    label(w, TopTenHeading);
    for (int i = 0; i < Drill::BoardSize; ++i)
        label(w, boardLabel(i), QByteArray::number(Drill::Board[i]).constData(), BoardLook);
    label(w, PassedHeading);
#ifdef FLOOR_WITH_LISTS
    FormBuilder form(w, QString());
    form.list("floorTopTen", TopTen, Paint::Red, 9.75)->addItems(QStringList(10, QStringLiteral("32000 TOP 01/01/26")));
    form.list("floorPassed", Passed, Paint::Blue, 12);
#endif
    return w;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    int given[6] = {};
    bool ok = args.size() == 7;
    for (int i = 0; ok && i < 6; ++i)
        given[i] = args[i + 1].toInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "usage: benchfloor WIDTH HEIGHT LEFT TOP W H (start screen and Play, twips)\n");
        return 2;
    }

#ifdef FLOOR_WITH_SOUND
    PulseSoundCue cue(QCoreApplication::applicationDirPath());
#endif
    int scoreValue = 0;
    auto go = [&](QLabel *score) {
#ifdef FLOOR_WITH_SOUND
        cue.play(Sound::Right);
#endif
        scoreValue += 200;
        score->setText(QStringLiteral("%1").arg(scoreValue, 5, 10, QLatin1Char('0')));
    };

    QWidget backdrop(nullptr, Qt::Window | Qt::FramelessWindowHint);
    backdrop.setWindowTitle(QStringLiteral("benchfloor - backdrop"));
    paint(&backdrop, Paint::Blue);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    backdrop.setGeometry(area.x(), area.y(), area.width(), area.height() + twips::toPx(400));
    backdrop.show();

    QWidget start(nullptr, Qt::Window | Qt::FramelessWindowHint);
    start.setWindowTitle(QStringLiteral("benchfloor"));
    start.setFixedSize(twips::toPx(given[0]), twips::toPx(given[1]));
    paint(&start, Paint::Yellow);
    auto *play = new QPushButton(QStringLiteral("Play"), &start);
    play->setGeometry(twips::toPx(TwipsRect{given[2], given[3], given[4], given[5]}));
    play->setFont(boldFont(Face::SansSerif, 9.75));
    centre(&start);

    QWidget *game = nullptr;
    QObject::connect(play, &QPushButton::clicked, [&] {
        if (!game) {
            game = makeGameWindow(go);
            centre(game);
        }
        game->show();
        start.hide();
    });
    start.show();

    const int rc = app.exec();
    delete game;
    return rc;
}
