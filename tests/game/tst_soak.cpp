// Long play: thousands of seeded games of random clicks, right and wrong
// answers, passes and clock ticks, first on the bare engine and then on the
// real game screens. After every single event the board, the draw list, the
// passed list and the remaining count must agree, the equation must be one
// the keypad can answer, the clock must show what the ticks add up to, and
// the score must equal what the events add up to.
#include "DrillEngine.h"
#include "Fakes.h"
#include "GameScreen.h"
#include "RandomSource.h"
#include "Services.h"
#include "ShapeWidget.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>

namespace {

constexpr int BoardSize = DrillEngine::BoardSize;
constexpr int ScoreFloor = -32768;
constexpr int ScoreCeiling = 32767;

// Index on the board of each number 1..144, -1 for numbers not on it.
std::array<int, 145> boardIndex()
{
    std::array<int, 145> index;
    index.fill(-1);
    for (int i = 0; i < BoardSize; ++i)
        index[DrillEngine::boardNumbers()[i]] = i;
    return index;
}
const std::array<int, 145> BoardIndex = boardIndex();

// A list entry read as a board number: the exact text of the number
// ("7", "144"), or with three digits ("007") for the passed list.
int boardNumberIn(const QString &text, bool threeDigits)
{
    if (threeDigits ? text.size() != 3 : (text.isEmpty() || text.startsWith(QLatin1Char('0'))))
        return -1;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 144 && BoardIndex[n] >= 0 ? n : -1;
}

bool isCandidate(int n, int f)
{
    return f >= 1 && f <= 12 && n % f == 0 && n / f >= 1 && n / f <= 12;
}

// What the player sees and what the game keeps, read the same way from the
// engine and from a screen's controls.
struct Seen {
    QStringList drawList, passedList;
    std::array<bool, BoardSize> visible{};
    int remaining = 0;
    int score = 0;
    bool gameOver = false;
    bool powerOn = false;
    bool clockRunning = false;
    QString target, factor, answer, minutes, seconds, scoreText, startCaption;
};

// The game as the test's own bookkeeping has it: the clock from the ticks,
// the score from the events, the cleared numbers from the right answers.
struct Expected {
    int minutesLeft = 0, secondsLeft = 0; // what the next tick shows
    int shownMinutes = 0, shownSeconds = 0;
    QString minutesCaption;
    int score = 0;
    bool started = false, over = false;
    int ticks = 0, rights = 0, wrongs = 0, passes = 0;
    std::array<bool, BoardSize> cleared{};

    void add(int points) { score = std::clamp(score + points, ScoreFloor, ScoreCeiling); }
    int bonus() const { return shownMinutes * 3000 + shownSeconds * 50; }
};

// Counts the checks so the test can say how much it looked at.
struct Tally {
    qint64 games = 0, events = 0, timeOuts = 0, boardsCleared = 0, refills = 0, floorsReached = 0;
    qint64 qualified = 0;
};

// One way of playing: the engine's handlers, or clicks on a screen.
class Table {
public:
    virtual ~Table() = default;
    virtual void start() = 0;
    virtual void key(int index) = 0; // 0..11 and 60
    virtual void go() = 0;
    virtual void pass() = 0;
    virtual void tick() = 0;         // tmrGame, when it runs
    virtual void escape() = 0;       // Escape, answered No
    virtual Seen seen() const = 0;
};

class EngineTable final : public Table {
public:
    EngineTable(RandomSource &random, SoundCue &sound, const QString &minutes)
        : engine(random, sound)
    {
        engine.setMinutesText(minutes);
    }
    void start() override { engine.cmdStart_Click(); }
    void key(int index) override { engine.lblLeft_Click(index); }
    void go() override { engine.lblGo_Click(); }
    void pass() override { engine.lblPass_Click(); }
    void tick() override { engine.tmrGame_Timer(); }
    void escape() override {}
    Seen seen() const override
    {
        Seen s;
        s.drawList = engine.drawList();
        s.passedList = engine.passedList();
        for (int i = 0; i < BoardSize; ++i)
            s.visible[i] = engine.boardVisible(i);
        s.remaining = engine.RemainingCount();
        s.score = engine.intScore();
        s.gameOver = engine.GameOver();
        s.powerOn = engine.powerOn();
        s.clockRunning = engine.tmrGameEnabled();
        s.target = engine.targetText();
        s.factor = engine.factorText();
        s.answer = engine.answerText();
        s.minutes = engine.minutesText();
        s.seconds = engine.secondsText();
        s.scoreText = engine.scoreText();
        s.startCaption = engine.startCaption();
        return s;
    }
    DrillEngine engine;
};

QStringList itemsOf(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class ScreenTable final : public Table {
public:
    ScreenTable(Services &services, GameType type, const QString &minutes)
        : screen(std::make_unique<GameScreen>(services, type))
    {
        screen->setMinutesCaption(minutes);
        screen->show();
        auto label = [this](const QString &name) {
            auto *l = screen->findChild<QLabel *>(name);
            if (!l)
                qFatal("no label %s", qPrintable(name));
            return l;
        };
        for (int i = 0; i < 12; ++i)
            keys[i] = label(QStringLiteral("lblLeft(%1)").arg(i));
        answerSlot = label(QStringLiteral("lblLeft(60)"));
        factor = label(QStringLiteral("lblRight(61)"));
        target = label(type == GameType::Multiplication ? QStringLiteral("lblProduct") : QStringLiteral("lblDividend"));
        goKey = label(QStringLiteral("lblGo"));
        passKey = label(QStringLiteral("lblPass"));
        lblMin = label(QStringLiteral("lblMin"));
        lblSec = label(QStringLiteral("lblSec"));
        lblScore = label(QStringLiteral("lblScore"));
        for (int i = 0; i < BoardSize; ++i)
            board[i] = label(QStringLiteral("lblAnswer(%1)").arg(i));
        cmdStart = screen->findChild<QPushButton *>(QStringLiteral("cmdStart"));
        lstRandom = screen->findChild<QListWidget *>(QStringLiteral("lstRandom"));
        lstPassed = screen->findChild<QListWidget *>(QStringLiteral("lstPassed"));
        shpPower = screen->findChild<ShapeWidget *>(QStringLiteral("shpPower"));
        tmrGame = screen->findChild<QTimer *>(QStringLiteral("tmrGame"));
        tmrOver = screen->findChild<QTimer *>(QStringLiteral("tmrOver"));
        tmrScores = screen->findChild<QTimer *>(QStringLiteral("tmrScores"));
        tmrSign = screen->findChild<QTimer *>(QStringLiteral("tmrSign"));
        if (!cmdStart || !lstRandom || !lstPassed || !shpPower || !tmrGame || !tmrOver || !tmrScores || !tmrSign)
            qFatal("the game screen lacks a control");
    }
    void start() override { QTest::mouseClick(cmdStart, Qt::LeftButton); }
    void key(int index) override { QTest::mouseClick(index == 60 ? answerSlot : keys[index], Qt::LeftButton); }
    void go() override { QTest::mouseClick(goKey, Qt::LeftButton); }
    void pass() override { QTest::mouseClick(passKey, Qt::LeftButton); }
    void tick() override
    {
        // Only a running timer ticks.
        if (tmrGame->isActive())
            screen->tmrGame_Timer();
    }
    void escape() override { QTest::keyClick(screen.get(), Qt::Key_Escape); }
    Seen seen() const override
    {
        Seen s;
        s.drawList = itemsOf(lstRandom);
        s.passedList = itemsOf(lstPassed);
        for (int i = 0; i < BoardSize; ++i)
            s.visible[i] = !board[i]->isHidden();
        s.remaining = screen->engine().RemainingCount();
        s.score = screen->engine().intScore();
        s.gameOver = screen->engine().GameOver();
        s.powerOn = shpPower->fill() == QColor(0, 255, 0);
        s.clockRunning = tmrGame->isActive();
        s.target = target->text();
        s.factor = factor->text();
        s.answer = answerSlot->text();
        s.minutes = lblMin->text();
        s.seconds = lblSec->text();
        s.scoreText = lblScore->text();
        s.startCaption = cmdStart->text();
        return s;
    }

    std::unique_ptr<GameScreen> screen;
    std::array<QLabel *, 12> keys{};
    std::array<QLabel *, BoardSize> board{};
    QLabel *answerSlot, *factor, *target, *goKey, *passKey, *lblMin, *lblSec, *lblScore;
    QPushButton *cmdStart;
    QListWidget *lstRandom, *lstPassed;
    ShapeWidget *shpPower;
    QTimer *tmrGame, *tmrOver, *tmrScores, *tmrSign;
};

// Every invariant, after every event. Returns an empty text when all hold.
QString broken(const Seen &s, Expected &x)
{
    // Each number once: on the board (shown, in the draw list), passed
    // (hidden, in the passed list as "000"), or cleared (hidden, in neither).
    std::array<int, BoardSize> inDraw{}, inPassed{};
    for (const QString &entry : s.drawList) {
        const int n = boardNumberIn(entry, false);
        if (n < 0)
            return QStringLiteral("draw list holds \"%1\"").arg(entry);
        ++inDraw[BoardIndex[n]];
    }
    for (const QString &entry : s.passedList) {
        const int n = boardNumberIn(entry, true);
        if (n < 0)
            return QStringLiteral("passed list holds \"%1\"").arg(entry);
        ++inPassed[BoardIndex[n]];
    }
    int clearedNow = 0;
    for (int i = 0; i < BoardSize; ++i) {
        const int n = DrillEngine::boardNumbers()[i];
        const bool onBoard = s.visible[i] && inDraw[i] == 1 && inPassed[i] == 0;
        const bool passed = !s.visible[i] && inDraw[i] == 0 && inPassed[i] == 1;
        const bool cleared = !s.visible[i] && inDraw[i] == 0 && inPassed[i] == 0;
        if (!onBoard && !passed && !cleared)
            return QStringLiteral("%1: shown %2, %3 times drawable, %4 times passed")
                .arg(n).arg(s.visible[i]).arg(inDraw[i]).arg(inPassed[i]);
        if (x.cleared[i] && !cleared)
            return QStringLiteral("%1 came back after it was cleared").arg(n);
        x.cleared[i] = cleared;
        clearedNow += cleared;
    }
    if (clearedNow != x.rights)
        return QStringLiteral("%1 numbers cleared after %2 right answers").arg(clearedNow).arg(x.rights);
    if (s.remaining != s.drawList.size())
        return QStringLiteral("RemainingCount %1 but %2 drawable").arg(s.remaining).arg(s.drawList.size());
    if (!std::is_sorted(s.passedList.begin(), s.passedList.end()))
        return QStringLiteral("passed list out of order: %1").arg(s.passedList.join(QLatin1Char(' ')));

    // The equation.
    const QString empty = QStringLiteral("?");
    if (x.started && !x.over) {
        const int n = boardNumberIn(s.target, false);
        if (n < 0 || !s.visible[BoardIndex[n]])
            return QStringLiteral("target \"%1\" is not on the board").arg(s.target);
        if (!isCandidate(n, s.factor.toInt()) || s.factor != QString::number(s.factor.toInt()))
            return QStringLiteral("factor \"%1\" does not go with %2").arg(s.factor, s.target);
        if (s.startCaption != QLatin1String("Quit") || !s.powerOn || !s.clockRunning)
            return QStringLiteral("a running game shows no running clock");
    } else if (!x.started) {
        if (s.target != empty || s.factor != empty || s.answer != empty || s.powerOn || s.clockRunning)
            return QStringLiteral("a game not started shows an equation or a running clock");
    } else {
        if (s.target != empty || s.factor != empty || s.powerOn || s.clockRunning)
            return QStringLiteral("an ended game shows an equation or a running clock");
    }
    if (s.answer != empty && (s.answer.toInt() < 1 || s.answer.toInt() > 12))
        return QStringLiteral("answer slot shows \"%1\"").arg(s.answer);

    // Clock and score.
    if (s.minutes != x.minutesCaption || s.seconds != QStringLiteral("%1").arg(x.shownSeconds, 2, 10, QLatin1Char('0')))
        return QStringLiteral("clock shows %1:%2, expected %3:%4").arg(s.minutes, s.seconds, x.minutesCaption)
            .arg(x.shownSeconds);
    if (s.score != x.score || s.scoreText != DrillEngine::formatScore(x.score))
        return QStringLiteral("score %1 shown as %2, expected %3").arg(s.score).arg(s.scoreText).arg(x.score);
    if (s.gameOver != x.over)
        return QStringLiteral("game over is %1, expected %2").arg(s.gameOver).arg(x.over);
    return QString();
}

// Styles of play, so that games end in every way the game knows.
enum class Style { Random, Diligent, Passer, Idle, Hammer };

Style styleOf(qint64 game)
{
    if (game % 997 == 5)
        return Style::Hammer; // long runs of wrong answers, down to the floor
    switch (game % 4) {
    case 0: return Style::Random;
    case 1: return Style::Diligent;
    case 2: return Style::Passer;
    default: return Style::Idle;
    }
}

// Plays one game to its end through a table, checking after every event.
// Returns an empty text when the game went by the rules.
QString playOne(Table &table, std::mt19937 &dice, Style style, const QString &minutes, Tally &tally,
                Expected &x)
{
    x.minutesCaption = minutes;
    x.shownMinutes = minutes.toInt();
    Seen s = table.seen();
    QString fault = broken(s, x);
    if (!fault.isEmpty())
        return QStringLiteral("at load: ") + fault;

    auto roll = [&dice](int n) { return int(dice() % std::uint32_t(n)); };
    const int tickEvery = style == Style::Idle ? 2 : style == Style::Diligent ? 6 : style == Style::Hammer ? 40 : 3;
    int hammerLeft = style == Style::Hammer ? 700 : 0;
    int afterEnd = 0;

    for (int event = 0; event < 100000; ++event) {
        s = table.seen();
        const int n = s.target.toInt();
        const int f = s.factor.toInt();
        const bool equationShown = s.target != QLatin1String("?") && f > 0;
        const bool clockShowsTime = x.shownMinutes > 0 || x.shownSeconds > 0;
        enum { Start, Tick, Key, Go, Right, Wrong, Pass, Escape } what;

        if (!x.started) {
            what = roll(8) == 0 ? Key : roll(10) == 0 ? Go : Start;
        } else if (x.over) {
            // A few clicks on the ended game: only the keypad may still act.
            if (++afterEnd > 6)
                break;
            const int r = roll(4);
            what = r == 0 ? Key : r == 1 ? Go : r == 2 ? Pass : Tick;
        } else if (roll(tickEvery) == 0) {
            what = Tick;
        } else if (hammerLeft > 0) {
            what = Wrong;
            --hammerLeft;
        } else {
            const int r = roll(100);
            switch (style) {
            case Style::Diligent: what = r < 85 ? Right : r < 90 ? Wrong : r < 95 ? Pass : Key; break;
            case Style::Passer: what = r < 40 ? Pass : r < 75 ? Right : r < 85 ? Wrong : r < 95 ? Key : Go; break;
            case Style::Idle: what = r < 50 ? Key : r < 60 ? Go : Tick; break;
            default:
                what = r < 30 ? Right : r < 45 ? Wrong : r < 60 ? Pass : r < 80 ? Key : r < 88 ? Go
                     : r < 90 ? Start : r < 91 ? Escape : Tick;
            }
        }

        // What the event should do, worked out before it happens.
        const QString answerBefore = s.answer;
        switch (what) {
        case Start:
            table.start();
            if (!x.started) { // a second click only asks to quit
                x.started = true;
                x.minutesLeft = minutes.toInt();
                x.secondsLeft = 0;
            }
            break;
        case Tick:
            if (!x.started || x.over)
                break;
            table.tick();
            ++x.ticks;
            x.shownMinutes = x.minutesLeft;
            x.shownSeconds = x.secondsLeft;
            x.minutesCaption = QString::number(x.minutesLeft);
            if (x.secondsLeft > 0) {
                --x.secondsLeft;
            } else if (x.minutesLeft == 0) {
                x.over = true; // 0:00: no bonus
                ++tally.timeOuts;
                if (x.ticks != minutes.toInt() * 60 + 1)
                    return QStringLiteral("time ran out after %1 ticks").arg(x.ticks);
            } else {
                x.secondsLeft = 59;
                --x.minutesLeft;
            }
            break;
        case Key:
        case Go:
        case Right:
        case Wrong: {
            int k = -1;
            if (what == Key)
                k = roll(13) == 12 ? 60 : roll(12);
            else if (what == Right && equationShown)
                k = n / f - 1;
            else if (what == Wrong && equationShown)
                k = (n / f - 1 + 1 + roll(11)) % 12;
            QString answer = answerBefore;
            if (k >= 0) {
                table.key(k);
                if (x.started && clockShowsTime && k != 60)
                    answer = QString::number(k + 1);
                if (table.seen().answer != answer)
                    return QStringLiteral("key %1 left \"%2\" in the answer slot, expected \"%3\"")
                        .arg(k).arg(table.seen().answer, answer);
            }
            if (what == Key)
                break;
            table.go();
            if (answer == QLatin1String("?") || !equationShown || x.over)
                break; // GO does nothing
            if (answer.toInt() * f == n) {
                ++x.rights;
                x.add(200);
                if (x.rights == BoardSize) {
                    x.over = true;
                    ++tally.boardsCleared;
                    if (x.bonus() > 0)
                        x.add(x.bonus());
                }
            } else {
                ++x.wrongs;
                const int before = x.score;
                x.add(-50);
                if (x.score == ScoreFloor && before != ScoreFloor)
                    ++tally.floorsReached;
            }
            break;
        }
        case Pass: {
            table.pass();
            if (!equationShown || x.over || s.remaining == 0)
                break;
            ++x.passes;
            x.add(-25);
            if (s.remaining == 1)
                ++tally.refills; // the board empties: the passed numbers come back
            break;
        }
        case Escape:
            table.escape();
            break;
        }
        ++tally.events;
        fault = broken(table.seen(), x);
        if (!fault.isEmpty())
            return QStringLiteral("event %1 (%2): ").arg(event).arg(int(what)) + fault;
    }
    if (!x.over)
        return QStringLiteral("the game did not end");
    ++tally.games;
    return QString();
}

QString minutesFor(std::mt19937 &dice)
{
    // Mostly the three levels; now and then a screen whose minutes were never
    // written, which ends on the first tick.
    static const char *levels[] = {"5", "4", "3", "3", "4", "5", "3", "0"};
    return QString::fromLatin1(levels[dice() % 8]);
}

qint64 gamesFromEnvironment(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 n = qEnvironmentVariableIntValue(name, &ok);
    return ok && n > 0 ? n : fallback;
}

}

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void engineKeepsItsRulesOverManyGames();
    void screensKeepTheirRulesOverManyGames_data();
    void screensKeepTheirRulesOverManyGames();
};

void TestSoak::engineKeepsItsRulesOverManyGames()
{
    // A lighter run can be asked for (the sanitizer build does); 10,000 otherwise.
    const qint64 games = gamesFromEnvironment("TEMPOZAP_SOAK_GAMES", 10000);
    Tally tally;
    QElapsedTimer clock;
    clock.start();
    for (qint64 game = 0; game < games; ++game) {
        std::mt19937 dice(std::uint32_t(1000003 * game + 17));
        SeededRandomSource random(std::uint64_t(game) * 7919 + 1);
        RecordingSound sound;
        const QString minutes = minutesFor(dice);
        EngineTable table(random, sound, minutes);
        Expected x;
        const QString fault = playOne(table, dice, styleOf(game), minutes, tally, x);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(game).arg(fault)));
        // Every beep and tick the events call for, and no other sound.
        if (sound.played.count(QStringLiteral("goodbeep.WAV")) != x.rights
            || sound.played.count(QStringLiteral("badbeep.WAV")) != x.wrongs + x.passes
            || sound.played.count(QStringLiteral("tick.WAV")) != x.ticks
            || sound.played.size() != x.rights + x.wrongs + x.passes + x.ticks)
            QFAIL(qPrintable(QStringLiteral("game %1: the sounds do not match the events").arg(game)));
    }
    std::printf("engine soak: %lld games, %lld events checked (%lld timed out, %lld boards cleared, "
                "%lld refills, score floor reached %lld times) in %lld ms\n",
                tally.games, tally.events, tally.timeOuts, tally.boardsCleared, tally.refills,
                tally.floorsReached, clock.elapsed());
    QCOMPARE(tally.games, games);
    QVERIFY(tally.timeOuts > 0 && tally.boardsCleared > 0 && tally.refills > 0);
    if (games >= 1000)
        QVERIFY(tally.floorsReached > 0);
}

void TestSoak::screensKeepTheirRulesOverManyGames_data()
{
    QTest::addColumn<GameType>("type");
    QTest::addColumn<QString>("level");
    QTest::newRow("multiplication") << GameType::Multiplication << QStringLiteral("MI");
    QTest::newRow("division") << GameType::Division << QStringLiteral("DE");
}

void TestSoak::screensKeepTheirRulesOverManyGames()
{
    QFETCH(GameType, type);
    QFETCH(QString, level);
    const qint64 games = gamesFromEnvironment("TEMPOZAP_SOAK_SCREEN_GAMES", 150);
    TempProgramFolder folder;
    Tally tally;
    QElapsedTimer clock;
    clock.start();
    for (qint64 game = 0; game < games; ++game) {
        std::mt19937 dice(std::uint32_t(7777 * game + (type == GameType::Division ? 3 : 1)));
        RecordingSound sound;
        SeededRandomSource random(std::uint64_t(game) + 99);
        ScriptedMessages messages;
        RecordingNavigator navigator;
        navigator.level = level;
        Services services{sound, random, messages, navigator};
        const QString minutes = minutesFor(dice);
        ScreenTable table(services, type, minutes);
        const Style style = game % 3 == 0 ? Style::Random : game % 3 == 1 ? Style::Diligent : Style::Passer;
        Expected x;
        const QString fault = playOne(table, dice, style, minutes, tally, x);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(game).arg(fault)));

        // Escape was always answered No: the game was never quit.
        for (const auto &asked : messages.asked)
            QCOMPARE(asked.title, QStringLiteral("Quit the Game"));
        QCOMPARE(navigator.quits, 0);
        const qint64 escapes = messages.asked.size();

        // The end of the game: the ring 250 ms later, then the Top Ten check
        // against a blank list (any score above 0 qualifies).
        QVERIFY(table.tmrOver->isActive() && table.tmrSign->isActive());
        table.screen->tmrSign_Timer();
        QVERIFY(table.screen->findChild<QLabel *>(QStringLiteral("imgOver"))->isVisibleTo(table.screen.get()));
        table.screen->tmrOver_Timer();
        QVERIFY(!table.tmrOver->isActive());
        QCOMPARE(sound.played.count(QStringLiteral("ring.WAV")), 1);
        const int score = table.screen->engine().intScore();
        if (score > 0) {
            ++tally.qualified;
            QVERIFY(table.tmrScores->isActive());
            for (int t = 0; t < 4; ++t) {
                QCOMPARE(navigator.initialsOpened, 0);
                table.screen->tmrScores_Timer();
            }
            QCOMPARE(navigator.initialsOpened, 1);
            QVERIFY(!table.tmrScores->isActive());
            QCOMPARE(messages.asked.size(), escapes);
        } else {
            QVERIFY(!table.tmrScores->isActive());
            QCOMPARE(messages.asked.size(), escapes + 1);
            QCOMPARE(messages.asked.last().title, QStringLiteral("Sorry"));
            QCOMPARE(navigator.playAgain.last(), QStringLiteral("PLAY ANOTHER GAME?|PLAY AGAIN"));
        }
        // One sound per right answer, wrong answer, pass and tick of the running clock.
        QCOMPARE(int(sound.played.count(QStringLiteral("goodbeep.WAV"))), x.rights);
        QCOMPARE(int(sound.played.count(QStringLiteral("badbeep.WAV"))), x.wrongs + x.passes);
        QCOMPARE(int(sound.played.count(QStringLiteral("tick.WAV"))), x.ticks);
        QCOMPARE(int(sound.played.size()), x.rights + x.wrongs + x.passes + x.ticks + 1);
    }
    std::printf("screen soak (%s): %lld games, %lld events checked (%lld timed out, %lld boards cleared, "
                "%lld qualified) in %lld ms\n",
                qPrintable(level), tally.games, tally.events, tally.timeOuts, tally.boardsCleared,
                tally.qualified, clock.elapsed());
    QCOMPARE(tally.games, games);
    QVERIFY(tally.timeOuts > 0 && tally.boardsCleared > 0);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
