#pragma once
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class RandomSource;
class SoundCue;

// The two game screens run the same drill; only the label that shows the
// drawn number differs, which is the screen's business.
enum class GameType { Multiplication, Division };

// The drill itself: the board of the 59 products of the 12 x 12 table, the
// draw list, the passed list, the equation, the clock, the score and the
// end-of-game sequence. The screen forwards every click and timer tick to the
// handler of the same name, then shows what the accessors report. Captions
// are kept as the texts the player sees, because the game reads some of them
// back (the clock for the bonus and the keypad, "Quit" for the running game).
class DrillEngine {
public:
    static constexpr int BoardSize = 59;
    static constexpr int AnswerSlot = 60;       // lblLeft(60), the member after the keypad
    static const std::array<int, BoardSize> &boardNumbers();
    // The factors f (1..12) with n / f also in 1..12, in the order they are offered.
    static std::vector<int> candidatesOf(int n);
    // "00000": five digits at least, a minus sign before them when negative.
    static QString formatScore(int score);

    DrillEngine(RandomSource &random, SoundCue &sound);

    // The start screen writes the level's minutes into lblMin before Start.
    void setMinutesText(const QString &text);

    enum class StartResult { Started, QuitRequested };
    StartResult cmdStart_Click();
    void lblLeft_Click(int index); // 0..11 the keypad keys "1".."12", 60 the answer slot
    void lblGo_Click();
    void lblPass_Click();
    void tmrGame_Timer();
    enum class TopTenCheck { NotDue, Qualifies, DoesNotQualify };
    TopTenCheck tmrOver_Timer(int lowestTopTenScore);
    void tmrSign_Timer();
    bool tmrScores_Timer(); // true on the tick that opens the initials dialog

    // Fields.
    int intScore() const { return m_intScore; }
    int MinutesLeft() const { return m_minutesLeft; }
    int SecondsLeft() const { return m_secondsLeft; }
    int RemainingCount() const { return m_remainingCount; }
    bool GameOver() const { return m_gameOver; }
    int ScoresWaitTicks() const { return m_scoresWaitTicks; }

    // Captions.
    QString startCaption() const { return m_startCaption; } // cmdStart
    QString minutesText() const { return m_minutesText; }   // lblMin
    QString secondsText() const { return m_secondsText; }   // lblSec
    QString scoreText() const { return m_scoreText; }       // lblScore
    QString answerText() const { return m_answerText; }     // lblLeft(60)
    QString factorText() const { return m_factorText; }     // lblRight(61)
    QString targetText() const { return m_targetText; }     // lblProduct / lblDividend

    // The pool.
    bool boardVisible(int index) const { return m_boardVisible.at(index); }
    const QStringList &drawList() const { return m_drawList; }     // lstRandom
    const QStringList &passedList() const { return m_passedList; } // lstPassed
    // lstTwo .. lstSix: candidateList(2) .. candidateList(6).
    const QStringList &candidateList(int count) const { return m_candidateLists.at(count - 2); }

    // Lamp, picture and timers.
    bool powerOn() const { return m_powerOn; } // shpPower green; red otherwise
    bool imgOverVisible() const { return m_imgOverVisible; }
    bool tmrGameEnabled() const { return m_tmrGame; }
    bool tmrOverEnabled() const { return m_tmrOver; }
    bool tmrSignEnabled() const { return m_tmrSign; }
    bool tmrScoresEnabled() const { return m_tmrScores; }

private:
    void PickNextEquation();
    void ChooseShownFactor();
    void ClearFactorLists();
    void RemoveCurrentProduct();
    void RefillOrEndGame();
    void EndGame();

    bool clockShowsTimeLeft() const;
    void addToScore(double points);
    int drawPosition(int count); // 0-based

    RandomSource &m_random;
    SoundCue &m_sound;

    std::int16_t m_intScore = 0;
    std::int16_t m_minutesLeft = 0;
    std::int16_t m_secondsLeft = 0;
    std::int16_t m_remainingCount = BoardSize;
    bool m_gameOver = false;
    std::int16_t m_scoresWaitTicks = 0;

    QString m_startCaption = QStringLiteral("Start");
    QString m_minutesText = QStringLiteral("0");
    QString m_secondsText = QStringLiteral("00");
    QString m_scoreText = QStringLiteral("00000");
    QString m_answerText = QStringLiteral("?");
    QString m_factorText = QStringLiteral("?");
    QString m_targetText = QStringLiteral("?");

    std::array<bool, BoardSize> m_boardVisible{};
    QStringList m_drawList;
    QStringList m_passedList;
    std::array<QStringList, 5> m_candidateLists;

    bool m_powerOn = false;
    bool m_imgOverVisible = false;
    bool m_tmrGame = false;
    bool m_tmrOver = false;
    bool m_tmrSign = false;
    bool m_tmrScores = false;
};
