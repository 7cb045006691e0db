// Random play on the real screens: games of every kind chosen on the start
// screen, random clicks on the keys, GO, PASS and Start, the screens' timers
// going off, Escape, the quit question, initials typed or not; after every
// event the rules of the game are checked on what the screens show.
#include "Fakes.h"
#include "Figures.h"
#include "RandomSource.h"
#include "ScoreRecord.h"
#include "Shell.h"
#include "Widgets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

namespace {
// What a game screen shows, read from its controls.
struct Shown {
    QString game, slot, factor, target, clock, start;
    int score = 0;
    bool running = false, lampGreen = false;
    QStringList passed;
    std::vector<int> board;

    static Shown read(const QString &game)
    {
        Shown s;
        s.game = game;
        const auto label = [&](const char *name) { return control<QLabel>(game, QString::fromLatin1(name))->text(); };
        s.slot = label("lblLeft(60)");
        s.factor = label("lblRight(61)");
        s.target = label(game == "frmMZemrit" ? "lblProduct" : "lblDividend");
        s.clock = label("lblMin") + ':' + label("lblSec");
        s.start = control<QPushButton>(game, "cmdStart")->text();
        const QString score = label("lblScore");
        if (!QRegularExpression("^-?\\d{5}$").match(score).hasMatch())
            qFatal("score shown as %s", qPrintable(score));
        s.score = score.toInt();
        s.running = shownWindow(game)->findChild<QTimer *>("tmrGame")->isActive();
        s.lampGreen = control<ShapeWidget>(game, "shpPower")->fill() == Paint::Green;
        const auto *passed = control<QListWidget>(game, "lstPassed");
        for (int i = 0; i < passed->count(); ++i)
            s.passed << passed->item(i)->text();
        static QPointer<QWidget> screen;
        static std::array<QLabel *, 59> board;
        if (screen != shownWindow(game)) {
            screen = shownWindow(game);
            for (int i = 0; i < 59; ++i)
                board[i] = control<QLabel>(game, QStringLiteral("lblAnswer(%1)").arg(i));
        }
        for (const QLabel *n : board) {
            if (n->isVisible())
                s.board.push_back(n->text().toInt());
        }
        return s;
    }
    int seconds() const { return clock.section(':', 0, 0).toInt() * 60 + clock.section(':', 1).toInt(); }
    bool right() const { return slot != "?" && factor != "?" && slot.toInt() * factor.toInt() == target.toInt(); }
};

// The rules that hold between any two events, and what the event did.
void check(const Shown &before, const Shown &after, const QString &event, const QStringList &sounds)
{
    const QString what = event + " at " + before.clock;
    const auto expect = [&](bool ok, const char *rule) {
        if (!ok)
            qFatal("%s: %s", qPrintable(what), rule);
    };
    // The pool: a number is on the board, passed (three digits, ascending) or cleared.
    expect(std::is_sorted(after.passed.begin(), after.passed.end()), "the passed list is in order");
    for (const QString &p : after.passed)
        expect(
            p.size() == 3 && !std::count(after.board.begin(), after.board.end(), p.toInt()), "passed is off the board");
    // The equation: nothing before Start and after the end; its answer is a key.
    expect((after.target == "?") == (after.factor == "?"), "the equation is whole");
    expect((after.target != "?") == after.running, "an equation while the clock runs");
    if (after.target != "?") {
        const int t = after.target.toInt(), f = after.factor.toInt();
        expect(t % f == 0 && t / f >= 1 && t / f <= 12, "the answer is a key");
        expect(std::count(after.board.begin(), after.board.end(), t) == 1, "the target is on the board");
    }
    expect(after.lampGreen == after.running, "the lamp is green while the clock runs");
    expect(after.start == before.start, "only Start changes its caption");
    // What each event changes: the score, the clock and the sound.
    int points = 0;
    QStringList heard;
    if (event == "GO" && before.right() && before.running) {
        heard << "goodbeep.WAV";
        points = 200 + (after.running ? 0 : 50 * after.seconds());
        expect(!std::count(after.board.begin(), after.board.end(), before.target.toInt()),
            "a right answer clears its number");
    } else if (event == "GO" && before.slot != "?" && before.running) {
        heard << "badbeep.WAV";
        points = -50;
        expect(after.target == before.target && after.factor == before.factor, "a wrong answer keeps the equation");
    } else if (event == "PASS" && before.running) {
        heard << "badbeep.WAV";
        points = -25;
        expect(after.running, "passing never ends the game");
        // ...or, the board empty, comes back with the others.
        expect(after.passed.contains(before.target.rightJustified(3, '0'))
                || (after.passed.isEmpty()
                    && std::count(after.board.begin(), after.board.end(), before.target.toInt())),
            "a passed number waits in the passed list");
    } else if (event == "tick" && before.running) {
        heard << "tick.WAV";
        expect(after.seconds() == before.seconds() - 1 || (after.clock == before.clock && before.clock.endsWith(":00")),
            "the clock shows one second less");
    } else if (event == "tmrOver") {
        heard << "ring.WAV";
    }
    if (event != "tick")
        expect(after.clock == before.clock, "only the clock's tick changes it");
    if ((event == "GO" || event == "PASS") && before.running)
        expect(after.slot == "?", "GO and PASS empty the answer slot");
    expect(after.score == std::clamp(before.score + points, -32768, 32767), "the score moves by the rule");
    expect(sounds == heard, "the sound of the event");
}
} // namespace

class RandomPlay : public QObject {
    Q_OBJECT
private slots:
    void rulesHoldAfterEveryEvent()
    {
        const int games = qEnvironmentVariableIntValue("TEMPOZAP_RANDOM_GAMES") ?: 200;
        const quint32 seed = qEnvironmentVariableIsSet("TEMPOZAP_RANDOM_SEED")
            ? quint32(qEnvironmentVariableIntValue("TEMPOZAP_RANDOM_SEED"))
            : QRandomGenerator::system()->generate();
        QRandomGenerator dice(seed);
        QTemporaryDir folder;
        RecordingSound sound;
        SeededRandomSource random(seed);
        ScriptedMessages messages;
        Shell shell({ProgramFolder::Mode::Portable, folder.path(), folder.path()}, sound, random, messages);
        bool ended = false;
        shell.endProgram = [&ended] { ended = true; };
        shell.start();

        const QStringList options{"optMult(0)", "optDiv(1)", "optNovice(0)", "optIntermediate(1)", "optExpert(2)"};
        int played = 0, events = 0, cleared = 0, timedOut = 0;
        int ticks = 20; // in a hundred events; some games run out of time, others clear the board
        while (played < games) {
            if (shownWindow("frmStart")) {
                ticks = dice.bounded(2) ? 20 : 60;
                control<QRadioButton>("frmStart", options[dice.bounded(2)])->click();
                control<QRadioButton>("frmStart", options[2 + dice.bounded(3)])->click();
                click("frmStart", "cmdPlay");
                continue;
            }
            if (shownWindow("frmInitials")) {
                QTest::keyClicks(control("frmInitials", "Text1"), QStringLiteral("ab?").left(dice.bounded(4)));
                click("frmInitials", dice.bounded(3) ? "OKButton" : "CancelButton");
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
            const qsizetype heard = sound.played.size();
            QString event;
            // The clock's share of the events, then the rest: the right key, any key, GO, PASS, Escape, Quit.
            const int roll = dice.bounded(100), rest = (roll - ticks) * 100 / (100 - ticks);
            if (before.start == "Start" && roll % 4 == 0) {
                event = QStringLiteral("Start");
                click(game, "cmdStart");
            } else if (roll < ticks) {
                if (before.running) {
                    event = QStringLiteral("tick");
                    fire(screen, "tmrGame");
                } else if (fire(screen, "tmrOver")) {
                    event = QStringLiteral("tmrOver");
                } else {
                    event = QStringLiteral("timer");
                    if (!fire(screen, "tmrScores"))
                        fire(screen, "tmrSign");
                }
            } else if (rest < 40 && before.target != "?") {
                event = QStringLiteral("key");
                click(game, QStringLiteral("lblLeft(%1)").arg(before.target.toInt() / before.factor.toInt() - 1));
            } else if (rest < 52) {
                event = QStringLiteral("key");
                click(game, QStringLiteral("lblLeft(%1)").arg(dice.bounded(12)));
            } else if (rest < 92) {
                event = QStringLiteral("GO");
                click(game, "lblGo");
            } else if (rest < 97) {
                event = QStringLiteral("PASS");
                click(game, "lblPass");
            } else if (rest < 99) {
                event = QStringLiteral("Escape, No");
                QTest::keyClick(control(game, "cmdStart"), Qt::Key_Escape);
            } else {
                event = before.start == "Start" ? QStringLiteral("Start") : QStringLiteral("Quit");
                click(game, "cmdStart");
            }
            ++events;
            if (!shownWindow(game))
                continue;
            const Shown after = Shown::read(game);
            if (event == "Start")
                QVERIFY(after.running && after.start == "Quit" && after.clock == before.clock);
            else
                check(before, after, event, sound.played.mid(heard));
            cleared += event == "GO" && before.running && !after.running ? 1 : 0;
            timedOut += event == "tick" && !after.running ? 1 : 0;
        }
        // Every list written on the way is whole.
        for (const QString &name : QDir(folder.path()).entryList({"*Scores.dat"})) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly) && ScoreRecord::isWellFormedList(file.readAll()));
        }
        QVERIFY(!ended);
        figure(QStringLiteral("random play: %1 games (%2 boards cleared, %3 out of time), %4 events checked, seed %5")
                   .arg(played)
                   .arg(cleared)
                   .arg(timedOut)
                   .arg(events)
                   .arg(seed));
    }
};

QTEST_MAIN(RandomPlay)
#include "tst_randomplay.moc"
