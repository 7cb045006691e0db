// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens as the player meets them. Every screen, pixel for pixel, in each
// of its states, against the pictures kept in tests/looks for Qt 6.4 and in
// tests/looks/qt6.8 for Qt 6.8 (a few also at twice the pixel density, "@2x";
// TEMPOZAP_UPDATE_LOOKS=1 writes them anew after an intended change). And
// random play: games of every kind chosen on the start screen, random clicks
// on the keys, GO, PASS and Start, the screens' timers going off, Escape, the
// quit question, initials typed or not; after every event the rules of the
// game are checked on what the screens show.
#include "Accessibility.h"
#include "AnimatedPicture.h"
#include "Backdrop.h"
#include "Fakes.h"
#include "GameScreen.h"
#include "InitialsDialog.h"
#include "PlayAgainDialog.h"
#include "ResetScreen.h"
#include "RulesScreen.h"
#include "ScoreRecord.h"
#include "Shell.h"
#include "StartScreen.h"
#include "Widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

// What a game screen shows, read from its controls.
struct Shown {
    QString slot, factor, target, clock, start;
    int score = 0;
    bool running = false, lampGreen = false;
    QStringList passed{};
    std::vector<int> board{};

    static Shown read(const QString &game)
    {
        const auto text = [&game](const char *label) { return control<QLabel>(game, label)->text(); };
        Shown s{.slot = text("lblLeft(60)"),
            .factor = text("lblRight(61)"),
            .target = text(game == "frmMZemrit" ? "lblProduct" : "lblDividend"),
            .clock = text("lblMin") + ':' + text("lblSec"),
            .start = control<QPushButton>(game, "cmdStart")->text()};
        const QString score = text("lblScore");
        if (score.size() != (score.startsWith('-') ? 6 : 5))
            qFatal("score shown as %s", qPrintable(score));
        s.score = score.toInt();
        s.running = shownWindow(game)->findChild<QTimer *>("tmrGame")->isActive();
        s.lampGreen = control<ShapeWidget>(game, "shpPower")->fill() == Paint::Green;
        for (const QListWidgetItem *item : control<QListWidget>(game, "lstPassed")->findItems("", Qt::MatchStartsWith))
            s.passed << item->text();
        for (const QLabel *n : shownWindow(game)->findChildren<QLabel *>(QRegularExpression("^lblAnswer"))) {
            if (n->isVisible())
                s.board.push_back(n->text().toInt());
        }
        return s;
    }
    int seconds() const { return clock.section(':', 0, 0).toInt() * 60 + clock.section(':', 1).toInt(); }
    bool onBoard(const QString &n) const { return std::count(board.begin(), board.end(), n.toInt()); }
};

// The kept pictures of the toolkit that runs: tests/looks, or tests/looks/qt6.8
// for a version that draws text or scroll bars its own way (a folder made
// there for another version starts its set).
const QString &looksFolder()
{
    static const QString folder = [] {
        const QString own = QStringLiteral(TZ_LOOKS_DIR "/qt") + QString(qVersion()).section('.', 0, 1);
        const QString chosen = QFileInfo(own).isDir() ? own : QStringLiteral(TZ_LOOKS_DIR);
        qInfo("Qt %s: the screens compared against the pictures in %s", qVersion(), qPrintable(chosen));
        return chosen;
    }();
    return folder;
}

// The rules that hold between two events, and what the event changed.
void check(const Shown &before, const Shown &after, const QString &event, const QStringList &sounds)
{
    const auto expect = [&](bool ok, const char *rule) {
        if (!ok)
            qFatal("%s at %s: %s", qPrintable(event), qPrintable(before.clock), rule);
    };
    expect(std::is_sorted(after.passed.begin(), after.passed.end()), "the passed list is in order");
    for (const QString &p : after.passed)
        expect(p.size() == 3 && !after.onBoard(p), "a passed number is off the board");
    expect((after.target != "?") == after.running && (after.factor != "?") == after.running, "an equation runs");
    if (after.running) {
        const int t = after.target.toInt(), f = after.factor.toInt();
        expect(t % f == 0 && t / f >= 1 && t / f <= 12 && after.onBoard(after.target), "its answer is a key");
    }
    expect(after.lampGreen == after.running, "the lamp is green while the clock runs");
    expect(after.start == (event == "Start" ? "Quit" : before.start), "Start turns to Quit for good");
    int points = 0;
    QStringList heard;
    if (event == "GO" && before.running && before.slot.toInt() * before.factor.toInt() == before.target.toInt()) {
        heard << "goodbeep.WAV";
        points = 200 + (after.running ? 0 : 50 * after.seconds());
        expect(!after.onBoard(before.target), "a right answer clears its number");
    } else if (event == "GO" && before.running && before.slot != "?") {
        heard << "badbeep.WAV";
        points = -50;
        expect(after.target == before.target && after.factor == before.factor, "a wrong answer keeps the equation");
    } else if (event == "PASS" && before.running) {
        heard << "badbeep.WAV";
        points = -25;
        expect(after.running
                && (after.passed.contains(before.target.rightJustified(3, '0'))
                    || (after.passed.isEmpty() && after.onBoard(before.target))),
            "a passed number waits until the board is empty");
    } else if (event.endsWith("tick")) {
        heard << "tick.WAV"; // the first shows the minutes of the level again, each later one a second less
        expect(after.seconds() == before.seconds() - (event == "tick"), "one second a tick");
    } else if (event == "tmrOver") {
        heard << "ring.WAV";
    }
    if (event.startsWith("key")) // once started, while the clock shows time left
        expect(after.slot == (before.start == "Quit" && before.seconds() ? event.mid(4) : before.slot), "a key");
    expect(event == "tick" || after.clock == before.clock, "only a tick moves the clock");
    expect(!before.running || (event != "GO" && event != "PASS") || after.slot == "?", "GO and PASS empty the slot");
    expect(after.score == std::clamp(before.score + points, -32768, 32767), "the score moves by the rule");
    expect(sounds == heard, "the sound of the event");
}
} // namespace

class ScreensTest : public QObject {
    Q_OBJECT
    QStringList m_failed;

    void look(QWidget *screen, const QString &name)
    {
        QCoreApplication::processEvents();
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        // At twice the density, the screens with every picture of the program.
        const qreal ratio = screen->devicePixelRatioF();
        if (ratio > 1 && !QStringList{"start", "mult-ended", "div-played", "reset"}.contains(name))
            return;
        const QString file = looksFolder() + '/' + name + (ratio > 1 ? "@2x.png" : ".png");
        const QImage shown = screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("TEMPOZAP_UPDATE_LOOKS")) {
            QVERIFY(shown.save(file));
            return;
        }
        // Every pixel within a small step of the kept picture's: the anti-aliasing
        // of large text differs by up to 9 from one machine to another, while the
        // faintest line drawn, a group box's frame, stands 22 to 27 off its ground.
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
        if (differing) {
            m_failed << QStringLiteral("%1: %2 pixels differ from %3").arg(name).arg(differing).arg(file);
            shown.save(QDir(qEnvironmentVariable("TEMPOZAP_TEST_ARTIFACTS", QDir::tempPath()))
                           .filePath("look-" + QFileInfo(file).fileName()));
        }
    }

private slots:
    void everyScreenLooksAsKept()
    {
        Surroundings s;
        s.write("MIScores.dat", "05000 EVE 08/09/2500300 AMY 01/02/2526000 IVY 02/16/26");
        const QString pictures = TZ_ASSET_DIR;
        ScoreStore store(s.folder.path(), QString());

        Backdrop backdrop(s.sound);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(backdrop.geometry(), area.adjusted(0, 0, 0, 27)); // the work area and 400 twips more
        StartScreen start(s.messages, pictures);
        start.show();
        // The clock runs while shown, and stands still while hidden and when stopped.
        auto *clock = start.findChild<AnimatedPicture *>("AnimatedGif1");
        QCOMPARE(clock->movie()->state(), QMovie::Running);
        start.hide();
        QCOMPARE(clock->movie()->state(), QMovie::Paused);
        start.show();
        clock->stop();
        QCOMPARE(clock->movie()->state(), QMovie::Paused);
        clock->movie()->jumpToFrame(0);
        look(&start, "start");
        QVERIFY((start.geometry().center() - area.center()).manhattanLength() < 2); // opens in the middle of the screen

        QStringList spoken; // what a screen reader is told: one utterance a turn of the event loop
        using Operation = GameChoice::Operation;
        for (Operation operation : {Operation::Multiplication, Operation::Division}) {
            const QString n = operation == Operation::Multiplication ? "mult" : "div";
            GameScreen game(
                GameChoice(operation, GameChoice::Level::Intermediate), store, s.sound, s.random, s.messages, pictures);
            game.show();
            connect(game.findChild<Announcer *>(), &Announcer::said, [&spoken](const QString &t) { spoken << t; });
            const QString name = game.objectName();
            QStringList tabs; // where the screen opens, then where Tab goes
            for (QWidget *w = game.focusWidget(); tabs.size() < 3; w = w->nextInFocusChain())
                tabs << ((w->focusPolicy() & Qt::TabFocus) ? QStringList{w->objectName()} : QStringList());
            QCOMPARE(tabs.join(' '), n == "mult" ? "lstPassed lstVisible cmdStart" : "cmdStart lstPassed lstVisible");
            look(&game, n + "-ready");
            click(name, "cmdStart");
            for (int i = 0; i < 3; ++i)
                fire(&game, "tmrGame");
            const auto number = [&](const char *label) { return control<QLabel>(name, label)->text().toInt(); };
            const char *target = operation == Operation::Multiplication ? "lblProduct" : "lblDividend";
            click(name, QStringLiteral("lblLeft(%1)").arg(number(target) / number("lblRight(61)") - 1));
            click(name, "lblGo");
            click(name, QStringLiteral("lblLeft(%1)").arg(number(target) / number("lblRight(61)") % 12));
            click(name, "lblGo");
            click(name, "lblPass");
            click(name, "lblPass");
            QTest::mousePress(control(name, "lblLeft(0)"), Qt::LeftButton); // let go off the key: no key
            QTest::mouseRelease(control(name, "lblLeft(0)"), Qt::LeftButton, {}, QPoint(-1, -1));
            look(&game, n + "-played");
            while (fire(&game, "tmrGame")) { }
            fire(&game, "tmrSign");
            look(&game, n + "-ended");
            QCOMPARE(spoken.last(),
                "3 minutes left. 2 minutes left. 1 minute left. 10. 9. 8. 7. 6. 5. 4. 3. 2. 1. Game over. Score "
                    + QString::number(number("lblScore")));
            InitialsDialog initials(s.messages, &game);
            initials.show();
            initials.findChild<QLineEdit *>("Text1")->setText("AB");
            look(&initials, n + "-initials");
        }

        PlayAgainDialog dialog;
        dialog.show();
        dialog.setMode(PlayAgainDialog::Mode::QuitQuestion);
        look(&dialog, "quit-question");
        dialog.setMode(PlayAgainDialog::Mode::AnotherGame);
        look(&dialog, "play-again");
        ResetScreen reset(store, s.messages);
        reset.findChild<QCheckBox *>("chkMN")->setChecked(true);
        reset.show();
        look(&reset, "reset");
        RulesScreen rules;
        rules.show();
        look(&rules, "rules");
        QVERIFY2(m_failed.isEmpty(), qPrintable(m_failed.join("; ")));
    }

    void rulesHoldAfterEveryEvent()
    {
        const int games = qEnvironmentVariableIntValue("TEMPOZAP_RANDOM_GAMES") ?: 120;
        const quint32 seed = quint32(qEnvironmentVariableIntValue("TEMPOZAP_RANDOM_SEED") ?: 2026);
        QRandomGenerator dice(seed);
        Surroundings s;
        for (const char *full : {"MNScores.dat", "MIScores.dat", "MEScores.dat"}) // lists no game's score makes
            s.write(full, QByteArray("32000 TOP 01/01/26").repeated(10));
        Shell shell({ProgramFolder::Mode::Portable, s.folder.path(), s.folder.path()}, s.sound, s.random, s.messages);
        shell.start();
        const QStringList options{"optMult(0)", "optDiv(1)", "optNovice(0)", "optIntermediate(1)", "optExpert(2)"};
        int played = 0, events = 0, cleared = 0, timedOut = 0, ticks = 20, ticksThisGame = 0;
        while (played < games) {
            if (shownWindow("frmStart")) {
                control<QRadioButton>("frmStart", options[dice.bounded(2)])->click();
                control<QRadioButton>("frmStart", options[2 + dice.bounded(3)])->click();
                click("frmStart", "cmdPlay");
                ticks = dice.bounded(2) ? 20 : 60; // in a hundred events: some games run out of time
                ticksThisGame = 0;
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
            const QString game = shownWindow("frmMZemrit") ? "frmMZemrit" : "frmDZemrit";
            QWidget *screen = shownWindow(game);
            const Shown before = Shown::read(game);
            const qsizetype heard = s.sound.played.size();
            // The clock's share, then the rest: the right key, any key, GO, PASS, Escape, Quit.
            const int roll = dice.bounded(100), rest = (roll - ticks) * 100 / (100 - ticks);
            QString event;
            if (before.start == "Start" && roll % 4 == 0) {
                event = "Start";
                click(game, "cmdStart");
            } else if (roll < ticks) {
                event = !before.running ? "timer" : ticksThisGame++ ? "tick" : "first tick";
                if (before.running)
                    fire(screen, "tmrGame");
                else if (fire(screen, "tmrOver"))
                    event = "tmrOver";
                else if (!fire(screen, "tmrScores"))
                    fire(screen, "tmrSign");
            } else {
                const int key = rest < 40 && before.running ? before.target.toInt() / before.factor.toInt()
                    : rest < 52                             ? 1 + dice.bounded(12)
                                                            : 0;
                event = key                   ? QStringLiteral("key %1").arg(key)
                    : rest < 92               ? "GO"
                    : rest < 97               ? "PASS"
                    : rest < 99               ? "Escape"
                    : before.start == "Start" ? "Start"
                                              : "Quit";
                if (key)
                    click(game, QStringLiteral("lblLeft(%1)").arg(key - 1));
                else if (event == "Escape")
                    QTest::keyClick(control(game, "cmdStart"), Qt::Key_Escape);
                else
                    click(game, event == "GO" ? "lblGo" : event == "PASS" ? "lblPass" : "cmdStart");
            }
            ++events;
            if (!shownWindow(game))
                continue;
            const Shown after = Shown::read(game);
            check(before, after, event, s.sound.played.mid(heard));
            cleared += event == "GO" && before.running && !after.running;
            timedOut += event.endsWith("tick") && !after.running;
        }
        for (const QString &name : QDir(s.folder.path()).entryList({"*Scores.dat"}))
            QVERIFY2(ScoreRecord::isWellFormedList(s.read(name)), qPrintable(name)); // every list written is whole
        QVERIFY(s.messages.asked.contains("Your score didn't make the Top Ten!|Sorry"));
        figure(
            QString::asprintf("random play: %d games (%d boards cleared, %d out of time), %d events checked, seed %u",
                played, cleared, timedOut, events, seed));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
