// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

#include "Accessibility.h"
#include "FormBuilder.h"
#include "GameLayout.h"
#include "KeyPreview.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "ScoreStore.h"
#include "SoundCue.h"

#include <QDate>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace {
using namespace GameLayout;

const QString Unknown = QStringLiteral("?");

const Variant &variantOf(GameChoice::Operation operation)
{
    return operation == GameChoice::Operation::Multiplication ? Multiplication : Division;
}

QString shown(std::optional<int> number)
{
    return number ? QString::number(*number) : Unknown;
}

QString spoken(std::optional<int> number)
{
    return number ? QString::number(*number) : QStringLiteral("question mark");
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

GameScreen::GameScreen(const GameChoice &choice, ScoreStore &store, SoundCue &sound, RandomSource &random,
    MessageBoxes &messages, const QString &pictureFolder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_choice(choice)
    , m_store(store)
    , m_sound(sound)
    , m_messages(messages)
    , m_drill(random, choice.minutes())
    , m_topTen(store.load(choice))
    , m_pictureFolder(pictureFolder)
{
    build();
    showClock();
    showTopTen();
    centreOnScreen(this);
}

void GameScreen::build()
{
    const Variant &variant = variantOf(m_choice.operation());
    setObjectName(QString::fromLatin1(variant.formName));
    setWindowTitle(QString::fromLatin1(variant.title));
    setAccessibleName(windowTitle());

    FormBuilder form(this, m_pictureFolder);
    form.setClient(Width, Height, Paint::Teal);
    auto label = [&form](const Label &l) { return form.label(l.name, l.place, QString::fromLatin1(l.text), l.look); };

    // Made bottom to top: a later control lies over an earlier one.
    m_seconds = label(Seconds);
    m_minutes = label(Minutes);
    label(Colon);
    label(TimeHeading);
    m_score = label(ScoreBox);
    label(ScoreHeading);

    const char *titleNames[] = {"Image1", "Image2", "Image3"};
    for (int i = 0; i < 3; ++i)
        form.picture(titleNames[i], variant.titles[i], QString::fromLatin1(TitleFiles[i]),
            i == 0 ? QStringLiteral("Tempozap") : QString());

    m_start = form.button("cmdStart", Start, QStringLiteral("Start"), 13.5);
    connect(m_start, &QPushButton::clicked, this, &GameScreen::onStartClicked);

    form.shape("Shape1", KeypadPanel, ShapeWidget::Kind::RoundedRectangle, Paint::Grey);
    m_power = form.shape("shpPower", PowerLamp, ShapeWidget::Kind::Circle, Paint::Red);
    for (int k = 1; k <= 12; ++k) {
        const QByteArray name = "lblLeft(" + QByteArray::number(k - 1) + ')';
        KeyLabel *key = form.key(name.constData(), GameLayout::key(k), QString::number(k), KeyLook);
        connect(key, &KeyLabel::clicked, this, [this, k] { onKeyClicked(k); });
    }
    KeyLabel *go = form.key(Go.name, Go.place, QString::fromLatin1(Go.text), Go.look);
    connect(go, &KeyLabel::clicked, this, &GameScreen::onGoClicked);
    label(KeypadHeading);

    form.shape("Shape2", variant.bar, ShapeWidget::Kind::Rectangle, Paint::Yellow);
    for (const Label &l : variant.equation) {
        if (qstrcmp(l.name, "lblPass") == 0) {
            KeyLabel *pass = form.key(l.name, l.place, QString::fromLatin1(l.text), l.look);
            connect(pass, &KeyLabel::clicked, this, &GameScreen::onPassClicked);
        } else {
            label(l);
        }
    }
    if (variant.divisionSign)
        form.picture("Image4", DivisionSign, QStringLiteral("DivSign.png"), QStringLiteral("divided by"));
    m_answer = findChild<PlainLabel *>(QStringLiteral("lblLeft(60)"));
    m_factor = findChild<PlainLabel *>(QStringLiteral("lblRight(61)"));
    m_target = findChild<PlainLabel *>(QString::fromLatin1(variant.targetName));

    label(TopTenHeading);
    m_topTenList = form.list("lstVisible", TopTen, Paint::Red, 9.75);
    m_topTenList->setAccessibleName(QStringLiteral("Top Ten Scores"));

    for (int i = 0; i < Drill::BoardSize; ++i) {
        const QByteArray name = "lblAnswer(" + QByteArray::number(i) + ')';
        m_board[i] = form.label(name.constData(), boardLabel(i), QString::number(Drill::Board[i]), BoardLook);
    }

    label(PassedHeading);
    m_passedList = form.list("lstPassed", Passed, Paint::Blue, 12);
    m_passedList->setAccessibleName(QStringLiteral("Passed"));

    m_gameOver = form.picture("imgOver", variant.gameOver, QString(), QStringLiteral("Game Over")); // drawn at the end
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

    const std::pair<QTimer *, const char *> timers[]
        = {{&m_clock, "tmrGame"}, {&m_checkDelay, "tmrOver"}, {&m_blink, "tmrSign"}, {&m_initialsDelay, "tmrScores"}};
    for (const auto &[timer, name] : timers) {
        timer->setObjectName(QString::fromLatin1(name));
        timer->setTimerType(Qt::PreciseTimer);
    }
    m_clock.setInterval(1000);
    m_checkDelay.setInterval(250);
    m_checkDelay.setSingleShot(true);
    m_blink.setInterval(500);
    m_initialsDelay.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &GameScreen::onClockTick);
    connect(&m_checkDelay, &QTimer::timeout, this, &GameScreen::onTopTenCheck);
    connect(&m_blink, &QTimer::timeout, this, &GameScreen::onSignBlink);
    connect(&m_initialsDelay, &QTimer::timeout, this, &GameScreen::onInitialsWait);
}

void GameScreen::readPicturesAhead(const QString &pictureFolder, qreal ratio)
{
    QStringList files{QDir(pictureFolder).filePath(QStringLiteral("DivSign.png"))};
    for (const char *file : TitleFiles)
        files << QDir(pictureFolder).filePath(QString::fromLatin1(file));
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
    // Said once a minute, then each of the last ten seconds.
    const Drill::Time time = m_drill.shownTime();
    if (time.seconds == 0 && time.minutes > 0)
        m_speech->say(
            time.minutes == 1 ? QStringLiteral("1 minute left") : QStringLiteral("%1 minutes left").arg(time.minutes));
    else if (time.minutes == 0 && time.seconds > 0 && time.seconds <= 10)
        m_speech->say(QString::number(time.seconds));
    if (outcome.ended) {
        showEquation();
        showEnded();
    }
}

// tmrOver_Timer: a quarter of a second after the end, the ring and the Top Ten check.
void GameScreen::onTopTenCheck()
{
    const Drill::Check check = m_drill.checkTopTen(m_topTen.lowestScore());
    play(check.sound);
    if (check.qualifies) {
        m_initialsDelay.start();
        return;
    }
    m_messages.ask(
        this, QStringLiteral("Your score didn't make the Top Ten!"), QStringLiteral("Sorry"), MsgButtons::Ok);
    emit finished();
}

// tmrSign_Timer: the Game Over picture blinks.
void GameScreen::onSignBlink()
{
    m_gameOver->setVisible(m_gameOver->isHidden());
}

// tmrScores_Timer
void GameScreen::onInitialsWait()
{
    if (!m_drill.initialsDue())
        return;
    m_initialsDelay.stop();
    emit qualified();
}

// Form_KeyPress: answers are clicked, never typed; Escape is the only key the screen knows.
void GameScreen::onEscape()
{
    if (m_messages.ask(this, QStringLiteral("Are you sure?"), QStringLiteral("Quit the Game"), MsgButtons::YesNo)
        == MsgAnswer::Yes)
        emit quitConfirmed();
}

void GameScreen::enterTopTen(const QString &initials)
{
    const bool saved = m_store.record(m_choice, m_topTen, makeTopTenLine(score(), initials, QDate::currentDate()));
    showTopTen();
    if (!saved)
        m_messages.ask(this, QStringLiteral("Your score could not be saved.\r\nThe Top Ten list on disk is unchanged."),
            QStringLiteral("Tempozap"), MsgButtons::Ok, MsgIcon::Exclamation);
}

void GameScreen::play(std::optional<Sound> sound)
{
    if (sound)
        m_sound.play(*sound);
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

void GameScreen::showEnded()
{
    // The largest picture of the screen is read only now: reading it with the
    // others made the screen take half as long again to open.
    m_gameOver->setPixmap(
        Pictures::loadFor(QDir(m_pictureFolder).filePath(QStringLiteral("GameOver.png")), m_gameOver));
    m_speech->say(QStringLiteral("Game over. Score %1").arg(m_drill.score()));
    m_clock.stop();
    m_power->setFill(Paint::Red);
    m_checkDelay.start();
    m_blink.start();
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

// A new equation, read as the screen shows it: "question mark times 7 equals
// 84", "84 divided by 7 equals question mark".
void GameScreen::speakEquation()
{
    const auto equation = std::pair(m_drill.target(), m_drill.factor());
    if (!m_drill.target() || equation == m_spokenEquation)
        return;
    m_spokenEquation = equation;
    const QString target = spoken(m_drill.target()), factor = spoken(m_drill.factor()),
                  answer = spoken(m_drill.answer());
    m_speech->say(m_choice.operation() == GameChoice::Operation::Multiplication
            ? QStringLiteral("%1 times %2 equals %3").arg(answer, factor, target)
            : QStringLiteral("%1 divided by %2 equals %3").arg(target, factor, answer));
}
