#pragma once
#include "DrillEngine.h"
#include "TopTenHost.h"
#include "TopTenList.h"

#include <QWidget>
#include <array>

class PlainLabel;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class ShapeWidget;
struct Services;

// The game screen: frmMZemrit for multiplication, frmDZemrit for division.
// Both show the same controls under the same names; the few places where
// they differ come from a table of the two variants. Every handler passes
// the event to the engine and then shows the engine's state in the controls.
class GameScreen : public QWidget, public TopTenHost {
    Q_OBJECT
public:
    GameScreen(Services &services, GameType type, QWidget *parent = nullptr);

    GameType type() const { return m_type; }
    const DrillEngine &engine() const { return m_engine; }
    // The start screen writes the level's minutes here before showing the screen.
    void setMinutesCaption(const QString &minutes);

    // What the initials dialog needs.
    int finalScore() const override;
    TopTenList &topTen() override;
    void showTopTen() override;
    QWidget *hostWindow() override;

public slots:
    void cmdStart_Click();
    void lblLeft_Click(int index);
    void lblGo_Click();
    void lblPass_Click();
    void tmrGame_Timer();
    void tmrOver_Timer();
    void tmrSign_Timer();
    void tmrScores_Timer();
    void Form_KeyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void buildControls();
    QLabel *makePicture(const char *name, int left, int top, int width, int height,
                        const QString &file, const QString &spokenName);
    QListWidget *makeList(const char *name, const QRect &twipsRect, const QColor &background,
                          qreal points);
    void showEngineState();
    bool handleKey(QKeyEvent *event);

    Services &m_services;
    GameType m_type;
    DrillEngine m_engine;
    TopTenList m_topTen;
    bool m_centred = false;

    PlainLabel *m_lblMin = nullptr;
    PlainLabel *m_lblSec = nullptr;
    PlainLabel *m_lblScore = nullptr;
    PlainLabel *m_answer = nullptr; // lblLeft(60)
    PlainLabel *m_factor = nullptr; // lblRight(61)
    PlainLabel *m_target = nullptr; // lblProduct or lblDividend
    PlainLabel *m_lblGo = nullptr;
    PlainLabel *m_lblPass = nullptr;
    std::array<PlainLabel *, 12> m_keypad{};
    std::array<PlainLabel *, DrillEngine::BoardSize> m_board{};
    ShapeWidget *m_shpPower = nullptr;
    QLabel *m_imgOver = nullptr;
    QPushButton *m_cmdStart = nullptr;
    QListWidget *m_lstVisible = nullptr;
    QListWidget *m_lstTopTen = nullptr;
    QListWidget *m_lstPassed = nullptr;
    QListWidget *m_lstRandom = nullptr;
    std::array<QListWidget *, 5> m_candidateLists{}; // lstTwo .. lstSix
    QTimer *m_tmrGame = nullptr;
    QTimer *m_tmrOver = nullptr;
    QTimer *m_tmrSign = nullptr;
    QTimer *m_tmrScores = nullptr;
};
