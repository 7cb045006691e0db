#include "DrillEngine.h"

#include "RandomSource.h"
#include "SoundCue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString Empty = QStringLiteral("?");
const QString QuitCaption = QStringLiteral("Quit");

// The squares with a single candidate, tested in this order, and their roots.
constexpr std::array<std::array<int, 2>, 8> SingleFactor{{
    {144, 12}, {121, 11}, {100, 10}, {81, 9}, {64, 8}, {49, 7}, {25, 5}, {1, 1}}};

// Two-candidate numbers that offer the larger factor first.
constexpr std::array<int, 7> LargerFactorFirst{63, 96, 99, 108, 110, 120, 132};

// A caption read as a decimal number; anything unreadable counts as 0.
double numberIn(const QString &caption)
{
    bool ok = false;
    const double value = caption.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

QString threeDigits(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

const std::array<int, DrillEngine::BoardSize> &DrillEngine::boardNumbers()
{
    static constexpr std::array<int, BoardSize> numbers{
        1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  11,  12,
        14, 15, 16, 18, 20, 21, 22, 24, 25, 27,  28,  30,
        32, 33, 35, 36, 40, 42, 44, 45, 48, 49,  50,  54,
        55, 56, 60, 63, 64, 66, 70, 72, 77, 80,  81,  84,
        88, 90, 96, 99, 100, 108, 110, 120, 121, 132, 144};
    return numbers;
}

std::vector<int> DrillEngine::candidatesOf(int n)
{
    std::vector<int> factors;
    for (int f = 1; f <= 12; ++f) {
        if (n > 0 && n % f == 0 && n / f <= 12)
            factors.push_back(f);
    }
    if (std::find(LargerFactorFirst.begin(), LargerFactorFirst.end(), n) != LargerFactorFirst.end())
        std::reverse(factors.begin(), factors.end());
    return factors;
}

QString DrillEngine::formatScore(int score)
{
    const QString digits = QStringLiteral("%1").arg(std::abs(score), 5, 10, QLatin1Char('0'));
    return score < 0 ? QLatin1Char('-') + digits : digits;
}

DrillEngine::DrillEngine(RandomSource &random, SoundCue &sound)
    : m_random(random)
    , m_sound(sound)
{
    // The pool starts full: every board number visible and in the draw list,
    // in ascending order.
    m_boardVisible.fill(true);
    for (int n : boardNumbers())
        m_drawList.append(QString::number(n));
}

void DrillEngine::setMinutesText(const QString &text)
{
    m_minutesText = text;
}

DrillEngine::StartResult DrillEngine::cmdStart_Click()
{
    if (m_startCaption == QuitCaption)
        return StartResult::QuitRequested;

    bool ok = false;
    const int minutes = m_minutesText.trimmed().toInt(&ok);
    m_minutesLeft = static_cast<std::int16_t>(ok ? std::clamp(minutes, 0, 32767) : 0);
    m_secondsLeft = 0;
    m_tmrGame = true;
    PickNextEquation();
    m_startCaption = QuitCaption;
    m_powerOn = true;
    return StartResult::Started;
}

bool DrillEngine::clockShowsTimeLeft() const
{
    const double minutes = numberIn(m_minutesText);
    return minutes > 0 || (minutes == 0 && numberIn(m_secondsText) > 0);
}

void DrillEngine::lblLeft_Click(int index)
{
    if (m_startCaption != QuitCaption || !clockShowsTimeLeft())
        return;
    if (index >= 0 && index < 12)
        m_answerText = QString::number(index + 1);
    // The answer slot itself (index 60) copies its own caption: no change.
}

void DrillEngine::lblGo_Click()
{
    if (m_answerText == Empty || m_factorText == Empty || m_gameOver)
        return;

    const double answer = numberIn(m_answerText);
    const double given = numberIn(m_factorText);
    const double target = numberIn(m_targetText);
    if (target == answer * given) {
        m_sound.PlaySoundCue(QStringLiteral("goodbeep.WAV"));
        addToScore(200);
        m_answerText = Empty;
        RemoveCurrentProduct();
        RefillOrEndGame();
        PickNextEquation();
    } else {
        m_sound.PlaySoundCue(QStringLiteral("badbeep.WAV"));
        addToScore(-50);
        m_answerText = Empty;
    }
    // Last, so that a board-clearing answer shows the score with its bonus.
    m_scoreText = formatScore(m_intScore);
}

void DrillEngine::lblPass_Click()
{
    if (m_targetText == Empty || m_gameOver || m_remainingCount == 0)
        return;

    addToScore(-25);
    m_scoreText = formatScore(m_intScore);
    const QString passed = threeDigits(static_cast<int>(numberIn(m_targetText)));
    const auto place = std::upper_bound(m_passedList.begin(), m_passedList.end(), passed,
                                        [](const QString &a, const QString &b) {
                                            return a.compare(b, Qt::CaseInsensitive) < 0;
                                        });
    m_passedList.insert(place, passed);
    m_answerText = Empty;
    m_sound.PlaySoundCue(QStringLiteral("badbeep.WAV"));
    RemoveCurrentProduct();
    RefillOrEndGame();
    PickNextEquation();
}

void DrillEngine::tmrGame_Timer()
{
    if (!m_tmrGame)
        return;
    m_sound.PlaySoundCue(QStringLiteral("tick.WAV"));
    // The display shows the time reached on the previous tick, so N minutes
    // take N * 60 + 1 ticks and the tick that shows 0:00 ends the game.
    m_minutesText = QString::number(m_minutesLeft);
    m_secondsText = QStringLiteral("%1").arg(int(m_secondsLeft), 2, 10, QLatin1Char('0'));
    if (m_secondsLeft != 0) {
        --m_secondsLeft;
    } else if (m_minutesLeft == 0) {
        m_tmrGame = false;
        EndGame();
    } else {
        m_secondsLeft = 59;
        --m_minutesLeft;
    }
}

DrillEngine::TopTenCheck DrillEngine::tmrOver_Timer(int lowestTopTenScore)
{
    if (!m_tmrOver)
        return TopTenCheck::NotDue;
    m_sound.PlaySoundCue(QStringLiteral("ring.WAV"));
    m_tmrOver = false;
    if (m_intScore > lowestTopTenScore) {
        m_scoresWaitTicks = 0;
        m_tmrScores = true;
        return TopTenCheck::Qualifies;
    }
    return TopTenCheck::DoesNotQualify;
}

void DrillEngine::tmrSign_Timer()
{
    if (m_tmrSign)
        m_imgOverVisible = !m_imgOverVisible;
}

bool DrillEngine::tmrScores_Timer()
{
    if (!m_tmrScores)
        return false;
    const bool openNow = m_scoresWaitTicks == 3;
    if (openNow)
        m_tmrScores = false;
    ++m_scoresWaitTicks;
    return openNow;
}

void DrillEngine::PickNextEquation()
{
    if (m_remainingCount == 0 || m_drawList.isEmpty())
        return;
    // The random source never repeats a value just because two draws come
    // close together, so it needs no seeding between draws.
    m_targetText = m_drawList.at(drawPosition(int(m_drawList.size())));
    ChooseShownFactor();
}

void DrillEngine::ChooseShownFactor()
{
    if (m_targetText.isEmpty())
        return;
    const int n = static_cast<int>(numberIn(m_targetText));
    for (const auto &[square, root] : SingleFactor) {
        if (n == square) {
            m_factorText = QString::number(root);
            return;
        }
    }

    ClearFactorLists();
    const std::vector<int> factors = candidatesOf(n);
    const int count = int(factors.size());
    if (count < 2 || count > 6)
        return; // not a board number: the shown factor stays as it was
    QStringList &list = m_candidateLists.at(count - 2);
    for (int f : factors)
        list.append(QString::number(f));
    m_factorText = list.at(drawPosition(count));
}

void DrillEngine::ClearFactorLists()
{
    for (QStringList &list : m_candidateLists)
        list.clear();
}

void DrillEngine::RemoveCurrentProduct()
{
    const auto &numbers = boardNumbers();
    for (int i = 0; i < BoardSize; ++i) {
        if (QString::number(numbers[i]) == m_targetText) {
            m_boardVisible[i] = false;
            --m_remainingCount;
        }
    }
    m_drawList.removeOne(m_targetText);
}

void DrillEngine::RefillOrEndGame()
{
    if (m_passedList.isEmpty() && m_remainingCount == 0) {
        m_tmrGame = false;
        EndGame();
        return;
    }
    if (m_remainingCount != 0)
        return;

    // The board is empty and some numbers wait: they return to their own
    // places, and to the draw list in ascending order.
    const auto &numbers = boardNumbers();
    for (const QString &entry : std::as_const(m_passedList)) {
        for (int i = 0; i < BoardSize; ++i) {
            if (entry == threeDigits(numbers[i]))
                m_boardVisible[i] = true;
        }
    }
    m_passedList.clear();
    for (int i = 0; i < BoardSize; ++i) {
        if (m_boardVisible[i]) {
            m_drawList.append(QString::number(numbers[i]));
            ++m_remainingCount;
        }
    }
}

void DrillEngine::EndGame()
{
    m_powerOn = false;
    m_gameOver = true;
    m_tmrOver = true;
    m_tmrSign = true;
    m_answerText = Empty;
    m_factorText = Empty;
    m_targetText = Empty;

    // 50 points for every second the clock shows.
    const double minutes = numberIn(m_minutesText);
    const double seconds = numberIn(m_secondsText);
    if (seconds > 0 || minutes > 0)
        addToScore(minutes * 3000 + seconds * 50);
}

void DrillEngine::addToScore(double points)
{
    // The score is a 16-bit value: it stops at either end of that range
    // rather than wrapping round (656 wrong answers in a row reach the floor).
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    const double sum = std::clamp(double(m_intScore) + points, low, high);
    m_intScore = static_cast<std::int16_t>(std::nearbyint(sum));
}

int DrillEngine::drawPosition(int count)
{
    // k = floor(count * r + 1), 1-based; kept within 1..count even when the
    // product rounds up to count for r just below 1.
    const double r = m_random.draw();
    const int k = static_cast<int>(std::floor(count * r + 1.0));
    return std::clamp(k, 1, count) - 1;
}
