// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens as the player meets them, on the real shell. Every window the
// player sees, at its place on the screen, pixel for pixel against the
// pictures kept in tests/looks (one set for each toolkit version, a few also
// at twice the pixel density; TEMPOZAP_UPDATE_LOOKS=1 writes them anew after
// an intended change). The start screen's clock, running only while it
// shows; the day an entered score carries. And random play: games
// of every kind, random clicks on the keys, GO, PASS and Start, the timers
// going off, Escape, the quit question, initials typed or not; after every
// event the game screen must show its game's state, and play its sound.
#include "AnimatedPicture.h"
#include "Backdrop.h"
#include "BackdropLayout.h"
#include "Fakes.h"
#include "FormBuilder.h"
#include "GameLayout.h"
#include "GameScreen.h"
#include "ScoreRecord.h"
#include "ResetLayout.h"
#include "Shell.h"
#include "StartLayout.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <functional>

namespace {
using namespace GameLayout;

// The windows in the order they were last shown, the backdrop at the bottom:
// how they lie on the screen.
struct Stacking : QObject {
    Stacking() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            order.removeAll(static_cast<QWidget *>(watched));
            order.append(static_cast<QWidget *>(watched));
        }
        return false;
    }
    // The whole screen as the player sees it.
    QImage picture() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QScreen *screen = QGuiApplication::primaryScreen();
        QImage shown(screen->geometry().size() * screen->devicePixelRatio(), QImage::Format_RGB32);
        shown.setDevicePixelRatio(screen->devicePixelRatio());
        shown.fill(Qt::black);
        QPainter painter(&shown);
        for (QWidget *window : order) {
            if (window && window->isVisible())
                painter.drawPixmap(window->geometry().topLeft(), window->grab());
        }
        return shown;
    }
    QList<QPointer<QWidget>> order;
};

// The program in the test's surroundings: its pictures from the assets, its
// lists in a folder of the test's own.
struct Program {
    Program()
    {
        shell.endProgram = [this] { ended = true; };
        shell.start();
        fire(shownWindow(BackdropLayout::Form.name), "Timer1"); // the start-up ring, out of the way
        s.sound.played.clear();
    }
    Surroundings s;
    Stacking stacking;
    Shell shell{{{TZ_ASSET_DIR, s.folder.path()}, s.sound, s.random, s.messages, s.calendar, s.workArea}};
    bool ended = false;

    GameScreen *game() const
    {
        for (const char *name : {Multiplication.window.name, Division.window.name}) {
            if (QWidget *w = shownWindow(name))
                return static_cast<GameScreen *>(w);
        }
        return nullptr;
    }
    void choose(const char *option) const { control<QRadioButton>(StartLayout::Form.name, option)->click(); }
    void play(const char *game, const char *level) const
    {
        choose(game);
        choose(level);
        click(StartLayout::Form.name, StartLayout::Play.name);
    }
    void press(const char *control) const { click(game()->objectName(), control); }
    void key(int k) const { press(Keys[k - 1].name); }
    // The keypad key of the right answer, or of a wrong one.
    void answer(bool right = true) const
    {
        const Drill &d = game()->drill();
        key(right ? *d.target() / *d.factor() : *d.target() / *d.factor() % 12 + 1);
        press(Go.name);
    }
};

// What a game screen shows, in words: its equation, clock, score and Start
// button, its lamp, whether its clock runs, the numbers on its board and in
// its passed list; and what it should show for the state of a game.
QStringList shownOn(const GameScreen *game)
{
    const Variant &v = game->objectName() == Multiplication.window.name ? Multiplication : Division;
    QStringList shown, board, passed;
    for (const char *name : {v.answer.name, v.factor.name, v.target.name, Minutes.name, Seconds.name, ScoreBox.name})
        shown << game->findChild<QLabel *>(name)->text();
    shown << game->findChild<QPushButton *>(Start.name)->text()
          << (game->findChild<ShapeWidget *>(PowerLamp.name)->fill() == Paint::Green ? "green" : "red")
          << (game->findChild<QTimer *>("tmrGame")->isActive() ? "ticking" : "still");
    for (const QLabel *label : game->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->objectName().startsWith("lblAnswer(") && label->isVisibleTo(game))
            board << label->text();
    }
    const auto *list = game->findChild<QListWidget *>(GameLayout::Passed.name);
    for (int i = 0; i < list->count(); ++i)
        passed << list->item(i)->text();
    return shown << "board " + board.join(',') << "passed " + passed.join(',');
}
QStringList shownFor(const Drill &d)
{
    const auto text = [](std::optional<int> n) { return n ? QString::number(*n) : QStringLiteral("?"); };
    const QString score = QString::number(std::abs(d.score())).rightJustified(5, '0');
    const bool running = d.phase() == Drill::Phase::Running;
    QStringList board, passed;
    for (int i = 0; i < Drill::BoardSize; ++i) {
        if (d.onBoard(i))
            board << QString::number(Drill::Board[i]);
    }
    for (int n : d.passed())
        passed << QString::number(n).rightJustified(3, '0');
    return {text(d.answer()), text(d.factor()), text(d.target()), QString::number(d.shownTime().minutes),
        QString::number(d.shownTime().seconds).rightJustified(2, '0'), d.score() < 0 ? '-' + score : score,
        d.phase() == Drill::Phase::Ready ? "Start" : "Quit", running ? "green" : "red", running ? "ticking" : "still",
        "board " + board.join(','), "passed " + passed.join(',')};
}

// The roads to each look, from the start screen.
const std::map<QString, std::function<void(Program &)>> Roads{
    {"start",
        [](Program &) {
            QMovie *clock = control<AnimatedPicture>("frmStart", "AnimatedGif1")->movie();
            clock->setPaused(true);
            clock->jumpToFrame(0);
        }},
    {"ready", [](Program &) {}},
    {"played",
        [](Program &p) {
            p.press(Start.name);
            for (int i = 0; i < 3; ++i)
                fire(p.game(), "tmrGame");
            p.answer();
            p.answer(false);
            p.press(GameLayout::Multiplication.pass.name);
            p.press(GameLayout::Multiplication.pass.name);
            // A key pressed and let go off it is no key.
            QTest::mousePress(control(p.game()->objectName(), Keys[0].name), Qt::LeftButton);
            QTest::mouseRelease(control(p.game()->objectName(), Keys[0].name), Qt::LeftButton, {}, QPoint(-1, -1));
        }},
    {"ended",
        [](Program &p) {
            Roads.at("played")(p);
            while (fire(p.game(), "tmrGame")) { }
            QVERIFY(fire(p.game(), "tmrSign") && fire(p.game(), "tmrSign") && fire(p.game(), "tmrSign")); // it blinks on
        }},
    {"initials",
        [](Program &p) {
            Roads.at("ended")(p);
            fire(p.game(), "tmrOver");
            fire(p.game(), "tmrScores");
            control<QLineEdit>("frmInitials", "Text1")->setText("AB");
        }},
    {"quit-question",
        [](Program &p) {
            Roads.at("played")(p);
            p.press(Start.name); // reads Quit
        }},
    {"play-again",
        [](Program &p) {
            Roads.at("initials")(p);
            click("frmInitials", "CancelButton");
        }},
    {"rules", [](Program &) { click("frmStart", StartLayout::Rules.name); }},
    {"reset",
        [](Program &) {
            QTest::keyClick(shownWindow("frmStart"), Qt::Key_F2);
            control<QCheckBox>("frmReset", "chkMN")->click();
        }},
    // The message boxes, as the program shows them.
    {"quit-box", [](Program &) { click("frmStart", StartLayout::Cancel.name); }},
    {"reset-box",
        [](Program &p) {
            Roads.at("reset")(p);
            click("frmReset", ResetLayout::Reset.name);
        }},
    {"sorry-box",
        [](Program &p) {
            p.s.write("MIScores.dat", QByteArray("32000 TOP 01/01/26").repeated(10));
            p.play("optMult(0)", "optIntermediate(1)");
            p.press(Start.name);
            while (fire(p.game(), "tmrGame")) { }
            fire(p.game(), "tmrOver");
        }},
};
} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

private slots:
    void windowsLookAsKept_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("road");
        for (const char *game : {"", "mult", "div"}) {
            for (const auto &[road, how] : Roads) {
                const bool inGame = !QStringList{"start", "rules", "reset", "quit-box", "reset-box", "sorry-box"}.contains(road);
                if (inGame == (*game != 0))
                    QTest::newRow(qPrintable((*game ? game + QStringLiteral("-") : QString()) + road)) << game << road;
            }
        }
    }
    void windowsLookAsKept()
    {
        QFETCH(QString, game);
        QFETCH(QString, road);
        const QString name = QTest::currentDataTag();
        // At twice the density, the screens with every picture of the program.
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        if (ratio > 1 && !QStringList{"start", "mult-ended", "div-played", "reset"}.contains(name))
            QSKIP("kept at twice the density: the start screen, the game screens' pictures and the reset screen");
        Program p;
        p.s.write("MIScores.dat", "05000 EVE 08/09/2500300 AMY 01/02/2526000 IVY 02/16/26");
        QImage shown;
        p.s.messages.real = road.endsWith("-box");
        p.s.messages.onAsk = [&] { shown = p.stacking.picture(); }; // the screen while the box is up
        if (!game.isEmpty())
            p.play(game == "mult" ? "optMult(0)" : "optDiv(1)", "optIntermediate(1)");
        Roads.at(road)(p);
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        if (!p.s.messages.real)
            shown = p.stacking.picture();

        // One set of pictures for each toolkit version: text and scroll bars are drawn its own way.
        const QString set = QStringLiteral("qt%1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR);
        const QString file = QStringLiteral(TZ_LOOKS_DIR "/%1/%2%3.png").arg(set, name, ratio > 1 ? "@2x" : "");
        if (qEnvironmentVariableIsSet("TEMPOZAP_UPDATE_LOOKS")) {
            QDir().mkpath(QFileInfo(file).path());
            QVERIFY(shown.save(file));
            return;
        }
        // Every pixel within a small step of the kept picture's: the anti-aliasing of
        // large text differs by up to 9 from one machine to another, while the line
        // of an option frame is only some 25 off the yellow behind it.
        constexpr int Step = 16;
        const QImage kept = QImage(file).convertToFormat(QImage::Format_RGB32);
        qsizetype differing = shown.size() == kept.size() ? 0 : shown.sizeInBytes(); // another size: all of it
        for (int y = 0; shown.size() == kept.size() && y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = kept.pixel(x, y);
                differing += qAbs(qRed(a) - qRed(b)) > Step || qAbs(qGreen(a) - qGreen(b)) > Step
                    || qAbs(qBlue(a) - qBlue(b)) > Step;
            }
        }
        if (differing)
            shown.save(QDir(qEnvironmentVariable("TEMPOZAP_TEST_ARTIFACTS", QDir::tempPath()))
                           .filePath("look-" + QFileInfo(file).fileName()));
        QVERIFY2(!differing, qPrintable(QStringLiteral("%1 pixels differ from %2 (the set for Qt %3)")
                                 .arg(differing)
                                 .arg(set + '/' + QFileInfo(file).fileName(), qVersion())));
    }

    void backdropCoversTheWorkAreaAndOneRing()
    {
        Surroundings s;
        Backdrop backdrop(s.sound, s.workArea);
        QCOMPARE(backdrop.geometry(), s.workArea.area.adjusted(0, 0, 0, twips::toPx(BackdropLayout::ExtraHeight)));
        QVERIFY(fire(&backdrop, "Timer1"));
        QVERIFY(!fire(&backdrop, "Timer1"));
        QCOMPARE(s.sound.played, QStringList{"ring.WAV"});
    }

    // The clock runs while the start screen shows, stands still while it is
    // hidden, while the rules cover it and while it asks whether to quit.
    void clockAnimatesWhileShown()
    {
        Program p;
        QMovie *clock = control<AnimatedPicture>("frmStart", "AnimatedGif1")->movie();
        QCOMPARE(clock->state(), QMovie::Running);
        QWidget *start = shownWindow("frmStart");
        start->hide();
        QCOMPARE(clock->state(), QMovie::Paused);
        start->show();
        QCOMPARE(clock->state(), QMovie::Running);
        click("frmStart", StartLayout::Rules.name);
        QCOMPARE(clock->state(), QMovie::Paused);
        click("frmRules", "cmdClose");
        QCOMPARE(clock->state(), QMovie::Running);
        QMovie::MovieState asked = QMovie::NotRunning;
        p.s.messages.onAsk = [&] { asked = clock->state(); };
        click("frmStart", StartLayout::Cancel.name); // and No
        QCOMPARE(std::pair(asked, clock->state()), std::pair(QMovie::Paused, QMovie::Running));
    }

    // The line a qualifying score enters carries the day it was entered.
    void enteredScoreCarriesToday()
    {
        Program p;
        p.s.calendar.day = QDate(2031, 12, 25);
        p.play("optMult(0)", "optNovice(0)");
        QTest::keyClick(control(p.game()->objectName(), Start.name), Qt::Key_Space); // as a keyboard player starts
        p.answer();
        while (fire(p.game(), "tmrGame")) { }
        QVERIFY(fire(p.game(), "tmrOver") && fire(p.game(), "tmrScores"));
        QTest::keyClicks(control("frmInitials", "Text1"), "jo");
        click("frmInitials", "OKButton");
        QCOMPARE(p.s.read("MNScores.dat").right(18), QByteArray("00200 JO  12/25/31"));
        QCOMPARE(control<QListWidget>("frmMZemrit", TopTen.name)->item(0)->text(), "00200 JO  12/25/31");
    }

    void rulesHoldAfterEveryEvent()
    {
        const int games = qEnvironmentVariableIntValue("TEMPOZAP_RANDOM_GAMES") ?: 120;
        const quint32 seed = quint32(qEnvironmentVariableIntValue("TEMPOZAP_RANDOM_SEED") ?: 2026);
        QRandomGenerator dice(seed);
        Program p;
        for (const char *full : {"MNScores.dat", "MIScores.dat", "MEScores.dat"}) // lists no game's score makes
            p.s.write(full, QByteArray("32000 TOP 01/01/26").repeated(10));
        int played = 0, events = 0, cleared = 0, timedOut = 0, ticks = 20;
        while (played < games) {
            if (shownWindow("frmStart")) {
                const char *game = StartLayout::Games[dice.bounded(2)].option.name;
                p.play(game, StartLayout::Levels[dice.bounded(3)].option.name);
                ticks = dice.bounded(2) ? 20 : 60; // in a hundred events: some games run out of time
                continue;
            }
            if (shownWindow("frmInitials")) {
                const bool cancel = !dice.bounded(3);
                QTest::keyClicks(control("frmInitials", "Text1"), QStringLiteral("ab?").left(dice.bounded(4)));
                click("frmInitials", cancel ? "CancelButton" : "OKButton");
                QVERIFY2(!cancel || !shownWindow("frmInitials"), "Cancel closes the initials dialog");
                continue;
            }
            if (shownWindow("frmOptions")) {
                click("frmOptions", "cmdPlay"); // PLAY AGAIN, or CANCEL of the quit question
                played += shownWindow("frmStart") ? 1 : 0;
                continue;
            }
            GameScreen *game = p.game();
            const Drill &d = game->drill();
            const Drill::Phase phase = d.phase();
            const int score = d.score();
            const std::optional<int> answer = d.answer();
            const qsizetype heard = p.s.sound.played.size();
            // The clock's share, then the rest: the right key, any key, GO, PASS, Escape, Start or Quit.
            const int roll = dice.bounded(100), rest = (roll - ticks) * 100 / (100 - ticks);
            QString event;
            if (phase == Drill::Phase::Ready && roll % 4 == 0) {
                event = "Start";
                p.press(Start.name);
            } else if (roll < ticks) {
                event = "timer";
                for (const char *timer : {"tmrGame", "tmrOver", "tmrScores", "tmrSign"}) {
                    if (fire(game, timer)) {
                        event = timer;
                        break;
                    }
                }
            } else {
                const int key = rest < 40 && d.target() ? *d.target() / *d.factor() : rest < 52 ? 1 + dice.bounded(12) : 0;
                event = key       ? QStringLiteral("key %1").arg(key)
                    : rest < 92   ? "GO"
                    : rest < 97   ? "PASS"
                    : rest < 99   ? "Escape"
                                  : "Start";
                if (key)
                    p.key(key);
                else if (event == "Escape")
                    QTest::keyClick(control(game->objectName(), Start.name), Qt::Key_Escape);
                else
                    p.press(event == "GO" ? Go.name : event == "PASS" ? Multiplication.pass.name : Start.name);
            }
            ++events;
            if (p.game() != game)
                continue; // the quit question was answered Yes, or the screen went
            if (shownOn(game) != shownFor(d))
                qFatal("%s: shows %s, the game is at %s", qPrintable(event), qPrintable(shownOn(game).join('|')),
                    qPrintable(shownFor(d).join('|')));
            // The sound of the event: a tick each second, a beep for each answer and pass, the ring at the end.
            QStringList sounds;
            if (event == "tmrGame")
                sounds << "tick.WAV";
            else if (event == "tmrOver")
                sounds << "ring.WAV";
            else if ((event == "GO" && answer) || event == "PASS")
                sounds << (phase != Drill::Phase::Running ? QString() : d.score() > score ? "goodbeep.WAV" : "badbeep.WAV");
            sounds.removeAll(QString());
            if (p.s.sound.played.mid(heard) != sounds)
                qFatal("%s: heard %s", qPrintable(event), qPrintable(p.s.sound.played.mid(heard).join(',')));
            cleared += event == "GO" && phase == Drill::Phase::Running && d.phase() == Drill::Phase::Ended;
            timedOut += event == "tmrGame" && d.phase() == Drill::Phase::Ended;
        }
        for (const QString &name : QDir(p.s.folder.path()).entryList({"*Scores.dat"}))
            QVERIFY2(ScoreRecord::isWellFormedList(p.s.read(name)), qPrintable(name)); // every list written is whole
        QVERIFY(p.s.messages.asked.contains("Your score didn't make the Top Ten!|Sorry"));
        figure(
            QString::asprintf("random play: %d games (%d boards cleared, %d out of time), %d events checked, seed %u",
                played, cleared, timedOut, events, seed));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
