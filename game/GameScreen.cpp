// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

#include "Accessibility.h"
#include "Calendar.h"
#include "FormBuilder.h"
#include "GameLayout.h"
#include "KeyPreview.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "ScoreStore.h"
#include "SoundCue.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace {
using namespace GameLayout;

const Variant &variantOf(GameChoice::Operation operation)
{
    return operation == GameChoice::Operation::Multiplication ? Multiplication : Division;
}

QString shown(std::optional<int> number)
{
    return number ? QString::number(*number) : QStringLiteral("?");
}

// A list's items, read by screen readers without their padding.
void setItems(QListWidget *list, const QStringList &items)
{
    list->clear();
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, list);
        item->setData(Qt::AccessibleTextRole, text.simplified());
    }
}

// Five digits at least, a minus sign before them when negative.
QString scoreText(int score)
{
    const QString digits = QStringLiteral("%1").arg(std::abs(score), 5, 10, QLatin1Char('0'));
    return score < 0 ? QLatin1Char('-') + digits : digits;
}
} // namespace

GameScreen::GameScreen(
    const GameChoice &choice, const Services &services, const QString &pictureFolder, QWidget *parent)
    : Screen(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_choice(choice)
    , m_services(services)
    , m_drill(services.random, choice.minutes())
    , m_topTen(services.store.load(choice))
    , m_pictureFolder(pictureFolder)
{
    build();
    showClock();
    showTopTen();
}

void GameScreen::build()
{
    const Variant &variant = variantOf(m_choice.operation());
    FormBuilder form(this, variant.window, m_pictureFolder);
    setAccessibleName(windowTitle());

    m_seconds = form.label(Seconds);
    m_minutes = form.label(Minutes);
    form.label(Colon);
    form.label(TimeHeading);
    m_score = form.label(ScoreBox);
    form.label(ScoreHeading);
    for (const Picture &title : variant.titles)
        form.picture(title);

    m_start = form.button(Start);
    connect(m_start, &QPushButton::clicked, this, &GameScreen::onStartClicked);

    form.shape(KeypadPanel);
    m_power = form.shape(PowerLamp);
    int number = 0; // the keys hold 1 to 12 in the table's order
    for (const Label &key : Keys)
        connect(form.key(key), &KeyLabel::clicked, this, [this, k = ++number] { onKeyClicked(k); });
    connect(form.key(Go), &KeyLabel::clicked, this, &GameScreen::onGoClicked);
    form.label(KeypadHeading);

    form.shape(variant.bar);
    for (const Label &sign : variant.signs)
        form.label(sign);
    m_answer = form.label(variant.answer);
    m_factor = form.label(variant.factor);
    m_target = form.label(variant.target);
    connect(form.key(variant.pass), &KeyLabel::clicked, this, &GameScreen::onPassClicked);
    form.label(variant.boardHeading);
    if (variant.divisionSign.name)
        form.picture(variant.divisionSign);

    form.label(TopTenHeading);
    m_topTenList = form.list(TopTen);
    for (int i = 0; i < Drill::BoardSize; ++i) {
        m_board[i] = form.label(Board[i]);
        m_board[i]->setText(QString::number(Drill::Board[i]));
    }
    form.label(PassedHeading);
    m_passedList = form.list(Passed);

    // The largest picture of the screen is read only when the game ends:
    // reading it with the others made the screen take half as long again to open.
    Picture gameOver = variant.gameOver;
    gameOver.file = nullptr;
    m_gameOver = form.picture(gameOver);
    m_gameOver->hide();
    m_speech = new Announcer(this);

    // Only the Start button and the two lists take the focus.
    const std::array<QWidget *, 3> focusable{m_start, m_topTenList, m_passedList};
    const auto inTabOrder = [&](int i) { return focusable[int(variant.tabOrder[i])]; };
    setTabOrder(inTabOrder(0), inTabOrder(1));
    setTabOrder(inTabOrder(1), inTabOrder(2));
    inTabOrder(0)->setFocus(); // where the screen opens

    // The screen sees Escape before whichever control has the focus.
    new KeyPreview(this, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_Escape)
            return false;
        onEscape();
        return true;
    });

    const auto timer = [this](QTimer &timer, const char *name, std::chrono::milliseconds interval, bool once,
                           void (GameScreen::*slot)()) {
        timer.setObjectName(QString::fromLatin1(name));
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(interval);
        timer.setSingleShot(once);
        connect(&timer, &QTimer::timeout, this, slot);
    };
    timer(m_clock, "tmrGame", ClockTick, false, &GameScreen::onClockTick);
    timer(m_checkDelay, "tmrOver", RingDelay, true, &GameScreen::onTopTenCheck);
    timer(m_blink, "tmrSign", BlinkInterval, false, &GameScreen::onSignBlink);
    timer(m_initialsDelay, "tmrScores", InitialsWait, true, &GameScreen::qualified);
}

void GameScreen::readPicturesAhead(const QString &pictureFolder, qreal ratio)
{
    QStringList files;
    for (const Variant *variant : {&Multiplication, &Division}) {
        for (const Picture &picture : variant->titles)
            files << QDir(pictureFolder).filePath(QString::fromLatin1(picture.file));
    }
    files << QDir(pictureFolder).filePath(QString::fromLatin1(Division.divisionSign.file));
    files.removeDuplicates();
    Pictures::readAhead(files, ratio);
}

// cmdStart_Click: Start while the game is ready; afterwards the button reads
// Quit and asks whether to quit.
void GameScreen::onStartClicked()
{
    if (m_drill.phase() != Drill::Phase::Ready) {
        emit quitRequested();
        return;
    }
    m_drill.start();
    m_clock.start();
    showEquation();
    speakEquation();
    m_start->setText(QStringLiteral("Quit"));
    m_power->setFill(Paint::Green);
}

// lblLeft_Click: a keypad key. The answer slot, the array's member 60, takes no click.
void GameScreen::onKeyClicked(int key)
{
    m_drill.press(key);
    showEquation();
}

// lblGo_Click
void GameScreen::onGoClicked()
{
    showMove(m_drill.submit());
}

// lblPass_Click
void GameScreen::onPassClicked()
{
    showMove(m_drill.pass());
}

// tmrGame_Timer
void GameScreen::onClockTick()
{
    const Drill::Outcome outcome = m_drill.tick();
    play(outcome.sound);
    showClock();
    speakClock();
    if (outcome.ended) {
        showEquation();
        showEnded();
    }
}

// Form_KeyPress: answers are clicked, never typed; Escape is the only key the screen knows.
void GameScreen::onEscape()
{
    if (m_services.messages.ask(
            this, QStringLiteral("Are you sure?"), QStringLiteral("Quit the Game"), MsgButtons::YesNo)
        == MsgAnswer::Yes)
        emit quitConfirmed();
}

// The end of the game, as the player meets it. At once the clock stops, the
// lamp turns red and the Game Over sign starts to blink (tmrSign); a quarter
// of a second later (tmrOver) the ring, and the Top Ten check: a score that
// makes the list is asked for its initials a few seconds later (tmrScores),
// one that does not is told so.
void GameScreen::showEnded()
{
    m_gameOver->setPixmap(Pictures::loadFor(
        QDir(m_pictureFolder).filePath(QString::fromLatin1(variantOf(m_choice.operation()).gameOver.file)),
        m_gameOver));
    m_speech->say(QStringLiteral("Game over. Score %1").arg(m_drill.score()));
    m_clock.stop();
    m_power->setFill(Paint::Red);
    m_checkDelay.start();
    m_blink.start();
}

// tmrOver_Timer
void GameScreen::onTopTenCheck()
{
    play(Sound::Ring);
    if (m_topTen.admits(m_drill.score())) {
        m_initialsDelay.start(); // tmrScores_Timer: the initials are due
        return;
    }
    m_services.messages.ask(
        this, QStringLiteral("Your score didn't make the Top Ten!"), QStringLiteral("Sorry"), MsgButtons::Ok);
    emit finished();
}

// tmrSign_Timer
void GameScreen::onSignBlink()
{
    m_gameOver->setVisible(m_gameOver->isHidden());
}

void GameScreen::enterTopTen(const QString &initials)
{
    const bool saved = m_services.store.record(
        m_choice, m_topTen, makeTopTenLine(m_drill.score(), initials, m_services.calendar.today()));
    showTopTen();
    if (!saved)
        m_services.messages.ask(this,
            QStringLiteral("Your score could not be saved.\nThe Top Ten list on disk is unchanged."),
            QStringLiteral("Tempozap"), MsgButtons::Ok, MsgIcon::Exclamation);
}

void GameScreen::play(std::optional<Sound> sound)
{
    if (sound)
        m_services.sound.play(*sound);
}

void GameScreen::showMove(const Drill::Outcome &outcome)
{
    play(outcome.sound);
    showEquation();
    showScore();
    showBoard();
    showPassed();
    if (outcome.ended) {
        showEnded();
    } else if (outcome.sound) {
        m_speech->say(QStringLiteral("Score %1").arg(m_drill.score()));
        speakEquation();
    }
}

void GameScreen::showClock()
{
    const Drill::Time time = m_drill.shownTime();
    m_minutes->setText(QString::number(time.minutes));
    m_seconds->setText(QStringLiteral("%1").arg(time.seconds, 2, 10, QLatin1Char('0')));
}

void GameScreen::showScore()
{
    m_score->setText(scoreText(m_drill.score()));
}

void GameScreen::showEquation()
{
    m_answer->setText(shown(m_drill.answer()));
    m_factor->setText(shown(m_drill.factor()));
    m_target->setText(shown(m_drill.target()));
}

void GameScreen::showBoard()
{
    for (int i = 0; i < Drill::BoardSize; ++i)
        m_board[i]->setVisible(m_drill.onBoard(i));
}

void GameScreen::showPassed()
{
    if (m_drill.passed() == m_shownPassed)
        return;
    m_shownPassed = m_drill.passed();
    QStringList items;
    for (int n : m_shownPassed)
        items << QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    setItems(m_passedList, items);
}

void GameScreen::showTopTen()
{
    setItems(m_topTenList, m_topTen.visibleLines());
}

// The time left, said once a minute, then each of the last ten seconds.
void GameScreen::speakClock()
{
    const Drill::Time time = m_drill.shownTime();
    if (time.seconds == 0 && time.minutes > 0)
        m_speech->say(
            time.minutes == 1 ? QStringLiteral("1 minute left") : QStringLiteral("%1 minutes left").arg(time.minutes));
    else if (time.minutes == 0 && time.seconds > 0 && time.seconds <= 10)
        m_speech->say(QString::number(time.seconds));
}

// A new equation, read as the screen shows it, its answer still to be found:
// "question mark times 7 equals 84", "84 divided by 7 equals question mark".
void GameScreen::speakEquation()
{
    if (!m_drill.target() || !m_drill.factor())
        return;
    const std::pair equation(*m_drill.target(), *m_drill.factor());
    if (equation == m_spokenEquation)
        return;
    m_spokenEquation = equation;
    const auto [target, factor] = equation;
    m_speech->say(m_choice.operation() == GameChoice::Operation::Multiplication
            ? QStringLiteral("question mark times %1 equals %2").arg(factor).arg(target)
            : QStringLiteral("%1 divided by %2 equals question mark").arg(target).arg(factor));
}
