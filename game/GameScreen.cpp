#include "GameScreen.h"

#include "Layout.h"
#include "MessageBoxes.h"
#include "Navigator.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "ScoreFile.h"
#include "Services.h"
#include "ShapeWidget.h"

#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

enum class Fill { None, Yellow, DarkGrey, Green, Red, Blue };

constexpr Qt::Alignment Left = Qt::AlignLeft;
constexpr Qt::Alignment Right = Qt::AlignRight;
constexpr Qt::Alignment Centre = Qt::AlignHCenter;

// One label of the layout: its place in twips, caption and look. Opaque
// labels other than the yellow boxes carry white text; text sits at the top.
struct LabelDef {
    const char *name;
    int left, top, width, height;
    const char *text;
    Face face;
    qreal points;
    Qt::Alignment align;
    Fill fill = Fill::None;
    bool border = false;
    bool italic = false;
};

enum class Focusable { Start, Visible, Passed };

struct TwipsPoint {
    int left, top;
};

struct TwipsBox {
    int left, top, width, height;
};

// Everything that differs between the multiplication and division screens.
struct GameVariant {
    const char *formName;
    const char *spokenName;
    const char *targetName;
    // The equation row, its headings, PASS and the board heading, bottom to top.
    std::array<LabelDef, 9> labels;
    TwipsBox shape2; // the yellow bar of the equation
    std::array<TwipsPoint, 3> titles; // Image1 .. Image3
    TwipsPoint imgOver;
    bool divisionSign; // Image4
    std::array<Focusable, 3> tabOrder;
};

constexpr qreal Digits = 48;     // the equation's numbers, Arial
constexpr qreal Heading = 13.5;  // headings over the equation, MS Sans Serif

constexpr GameVariant Variants[] = {
    {"frmMZemrit", "Tempozap - Multiplication", "lblProduct",
     {{{"Label8", 4200, 2760, 1935, 495, "Multipliers", Face::SansSerif, Heading, Centre},
       {"Label9", 7200, 2760, 1815, 375, "Product", Face::SansSerif, Heading, Centre},
       {"Label1", 3480, 3120, 3195, 1095, "X", Face::Arial, Digits, Centre},
       {"lblLeft(60)", 3480, 3120, 1215, 1095, "?", Face::Arial, Digits, Right},
       {"lblRight(61)", 5460, 3120, 1215, 1095, "?", Face::Arial, Digits, Left},
       {"lblEqual", 6600, 3120, 615, 1095, "=", Face::Arial, Digits, Centre},
       {"lblProduct", 7200, 3120, 1815, 1095, "?", Face::Arial, Digits, Left},
       {"lblPass", 7560, 4320, 975, 495, "PASS", Face::SansSerif, 13.5, Left, Fill::Red, true},
       {"Label5", 4080, 5280, 4095, 495, "Products Remaining", Face::SansSerif, 18, Left}}},
     {3120, 3120, 6135, 1095},
     {{{4560, 120}, {4027, 960}, {4350, 1680}}},
     {1627, 6120},
     false,
     {Focusable::Passed, Focusable::Visible, Focusable::Start}},
    {"frmDZemrit", "Tempozap - Division", "lblDividend",
     {{{"Label1", 3480, 2520, 1335, 375, "Dividend", Face::SansSerif, Heading, Centre, Fill::None,
        false, true},
       {"Label8", 5880, 2520, 1215, 495, "Divisor", Face::SansSerif, Heading, Centre},
       {"Label9", 7560, 2520, 1695, 375, "Quotient", Face::SansSerif, Heading, Centre},
       {"lblDividend", 3240, 3000, 1815, 1095, "?", Face::Arial, Digits, Right},
       {"lblRight(61)", 5880, 3000, 1215, 1095, "?", Face::Arial, Digits, Left},
       {"lblEqual", 7080, 3000, 615, 1095, "=", Face::Arial, Digits, Centre},
       {"lblLeft(60)", 7800, 3000, 1215, 1095, "?", Face::Arial, Digits, Left},
       {"lblPass", 3600, 4320, 975, 495, "PASS", Face::SansSerif, 13.5, Left, Fill::Red, true},
       {"Label5", 4080, 5280, 4095, 495, "Dividends Remaining", Face::SansSerif, 18, Left}}},
     {3240, 3000, 6135, 1215},
     {{{4620, 0}, {4080, 840}, {4410, 1560}}},
     {1800, 6240},
     true,
     {Focusable::Start, Focusable::Passed, Focusable::Visible}},
};

constexpr LabelDef ClockLabels[] = {
    {"lblSec", 270, 120, 3015, 1455, "00", Face::Arial, 72, Right, Fill::Yellow, true},
    {"lblMin", 390, 120, 855, 1455, "0", Face::Arial, 72, Left},
    {"Label2", 1350, 420, 375, 1095, ":", Face::Arial, 48, Left},
    {"Label4", 450, 120, 2775, 375, "Time Remaining", Face::SansSerif, 12, Centre},
};

constexpr LabelDef ScoreLabels[] = {
    {"lblScore", 7530, 120, 4455, 1455, "00000", Face::Arial, 72, Right, Fill::Yellow, true},
    {"Label6", 8490, 120, 2775, 375, "Score", Face::SansSerif, 12, Centre},
};

constexpr LabelDef KeypadHeading{"Label10", 600, 1680, 1935, 495, "Keypad", Face::SansSerif, 12, Centre};
constexpr LabelDef GoKey{"lblGo", 480, 4800, 2175, 495, "GO", Face::SansSerif, 13.5, Centre, Fill::Green, true};
constexpr LabelDef TopTenHeading{"Label7", 9480, 2520, 2655, 495, "Top Ten Scores", Face::SansSerif, 13.5, Centre};
constexpr LabelDef PassedHeading{"Label3", 10800, 5520, 855, 255, "Passed", Face::SansSerif, 9.75, Centre};

// The board: five rows, the Left of each label in index order.
constexpr int BoardTops[] = {5820, 6420, 7020, 7620, 8220};
constexpr int BoardRow1[] = {840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7200, 7995, 8790, 9600};
constexpr int BoardRows2to4[] = {840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7215, 8010, 8805, 9600};
constexpr int BoardRow5[] = {1155, 1950, 2745, 3540, 4335, 5130, 5925, 6735, 7530, 8325, 9120};

const GameVariant &variantOf(GameType type)
{
    return Variants[type == GameType::Multiplication ? 0 : 1];
}

QColor colourOf(Fill fill)
{
    switch (fill) {
    case Fill::None: return {};
    case Fill::Yellow: return colours::yellow;
    case Fill::DarkGrey: return colours::darkGrey;
    case Fill::Green: return colours::green;
    case Fill::Red: return colours::red;
    case Fill::Blue: return colours::blue;
    }
    return {};
}

PlainLabel *makeLabel(QWidget *parent, const LabelDef &def)
{
    LabelLook look;
    look.face = def.face;
    look.points = def.points;
    look.align = def.align | Qt::AlignTop;
    look.fill = colourOf(def.fill);
    look.text = def.fill == Fill::None || def.fill == Fill::Yellow ? QColor(Qt::black) : QColor(Qt::white);
    look.border = def.border;
    look.italic = def.italic;
    return makeLabel(parent, def.name, twips::rect(def.left, def.top, def.width, def.height),
                     QString::fromLatin1(def.text), look);
}

void setItems(QListWidget *list, const QStringList &items)
{
    QStringList current;
    for (int i = 0; i < list->count(); ++i)
        current << list->item(i)->text();
    if (current == items)
        return;
    list->clear();
    list->addItems(items);
}

void runTimer(QTimer *timer, bool on)
{
    if (on && !timer->isActive())
        timer->start();
    else if (!on && timer->isActive())
        timer->stop();
}

} // namespace

GameScreen::GameScreen(Services &services, GameType type, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
    , m_type(type)
    , m_engine(services.random, services.sound)
{
    const GameVariant &variant = variantOf(type);
    setObjectName(QString::fromLatin1(variant.formName));
    setWindowTitle(QString::fromLatin1(variant.spokenName));
    setAccessibleName(QString::fromLatin1(variant.spokenName));
    setWindowIcon(QIcon(ProgramFolder::dataFile(QStringLiteral("icon64.png"))));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedClient(this, 12255, 9000, colours::teal);

    buildControls();
    Form_Load();
}

QLabel *GameScreen::makePicture(const char *name, int left, int top, int width, int height,
                                const QString &file, const QString &spokenName)
{
    // A picture that cannot be read leaves an empty rectangle; the game goes on.
    auto *picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(twips::rect(left, top, width, height));
    const QPixmap pixmap = Pictures::loadFor(ProgramFolder::dataFile(file), picture);
    if (!pixmap.isNull())
        picture->setPixmap(pixmap);
    picture->setAccessibleName(spokenName);
    return picture;
}

QListWidget *GameScreen::makeList(const char *name, const QRect &twipsRect, const QColor &background,
                                  qreal points)
{
    auto *list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(twipsRect);
    list->setFont(boldFont(Face::SansSerif, points));
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    list->setPalette(pal);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

void GameScreen::buildControls()
{
    const GameVariant &variant = variantOf(m_type);

    // Controls are made bottom to top: a later control lies over an earlier one.

    // Clock box: the yellow seconds label is the box, the rest lies on it.
    for (const LabelDef &def : ClockLabels)
        makeLabel(this, def);
    m_lblSec = findChild<PlainLabel *>(QStringLiteral("lblSec"));
    m_lblMin = findChild<PlainLabel *>(QStringLiteral("lblMin"));

    for (const LabelDef &def : ScoreLabels)
        makeLabel(this, def);
    m_lblScore = findChild<PlainLabel *>(QStringLiteral("lblScore"));

    const char *titleNames[] = {"Image1", "Image2", "Image3"};
    const char *titleFiles[] = {"Title1.png", "Title2.png", "Title3.png"};
    const QSize titleSizes[] = {{1935, 915}, {3000, 750}, {2355, 945}};
    for (int i = 0; i < 3; ++i) {
        makePicture(titleNames[i], variant.titles[i].left, variant.titles[i].top, titleSizes[i].width(),
                    titleSizes[i].height(), QString::fromLatin1(titleFiles[i]),
                    i == 0 ? QStringLiteral("Tempozap") : QString());
    }

    m_cmdStart = new QPushButton(QStringLiteral("Start"), this);
    m_cmdStart->setObjectName(QStringLiteral("cmdStart"));
    m_cmdStart->setGeometry(twips::rect(8790, 1680, 1935, 495));
    m_cmdStart->setFont(boldFont(Face::SansSerif, 13.5));
    m_cmdStart->setAutoDefault(false);
    connect(m_cmdStart, &QPushButton::clicked, this, &GameScreen::cmdStart_Click);

    // Keypad panel.
    auto *shape1 = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, colours::grey, this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setGeometry(twips::rect(360, 2040, 2535, 3615));
    makeLabel(this, KeypadHeading);
    m_shpPower = new ShapeWidget(ShapeWidget::Kind::Circle, colours::red, this);
    m_shpPower->setObjectName(QStringLiteral("shpPower"));
    m_shpPower->setGeometry(twips::rect(2400, 2100, 225, 225));
    for (int i = 0; i < 12; ++i) {
        const QByteArray name = "lblLeft(" + QByteArray::number(i) + ')';
        const QByteArray caption = QByteArray::number(i + 1);
        const LabelDef key{name.constData(), 480 + 750 * (i % 3), 2400 + 600 * (i / 3), 735, 495,
                            caption.constData(), Face::SansSerif, 18, Centre, Fill::DarkGrey, true};
        m_keypad[i] = makeLabel(this, key);
        connect(m_keypad[i], &PlainLabel::clicked, this, [this, i] { lblLeft_Click(i); });
    }
    m_lblGo = makeLabel(this, GoKey);
    connect(m_lblGo, &PlainLabel::clicked, this, &GameScreen::lblGo_Click);

    // Equation row: the yellow bar, then its headings and numbers.
    const TwipsBox &bar = variant.shape2;
    auto *shape2 = new ShapeWidget(ShapeWidget::Kind::Rectangle, colours::yellow, this);
    shape2->setObjectName(QStringLiteral("Shape2"));
    shape2->setGeometry(twips::rect(bar.left, bar.top, bar.width, bar.height));
    for (const LabelDef &def : variant.labels)
        makeLabel(this, def);
    if (variant.divisionSign)
        makePicture("Image4", 5160, 3240, 600, 600, QStringLiteral("DivSign.png"), QStringLiteral("divided by"));
    m_answer = findChild<PlainLabel *>(QStringLiteral("lblLeft(60)"));
    m_factor = findChild<PlainLabel *>(QStringLiteral("lblRight(61)"));
    m_target = findChild<PlainLabel *>(QString::fromLatin1(variant.targetName));
    m_lblPass = findChild<PlainLabel *>(QStringLiteral("lblPass"));
    connect(m_answer, &PlainLabel::clicked, this, [this] { lblLeft_Click(DrillEngine::AnswerSlot); });
    connect(m_lblPass, &PlainLabel::clicked, this, &GameScreen::lblPass_Click);

    // Top Ten box: the sorted list stays hidden under the one the player sees.
    makeLabel(this, TopTenHeading);
    const QRect topTenRect = twips::rect(9450, 3000, 2655, 2430);
    m_lstTopTen = makeList("lstTopTen", topTenRect, colours::red, 9.75);
    m_lstVisible = makeList("lstVisible", topTenRect, colours::red, 9.75);

    // Board.
    const auto &numbers = DrillEngine::boardNumbers();
    for (int i = 0; i < DrillEngine::BoardSize; ++i) {
        const int row = i / 12;
        const int column = i % 12;
        const int left = row == 0 ? BoardRow1[column] : row == 4 ? BoardRow5[column] : BoardRows2to4[column];
        const QByteArray name = "lblAnswer(" + QByteArray::number(i) + ')';
        const QByteArray caption = QByteArray::number(numbers[i]);
        const LabelDef def{name.constData(), left, BoardTops[row], 735, 495, caption.constData(),
                           Face::SansSerif, 18, Centre, Fill::Blue, true};
        m_board[i] = makeLabel(this, def);
    }

    makeLabel(this, PassedHeading);
    m_lstPassed = makeList("lstPassed", twips::rect(10800, 5880, 855, 2760), colours::blue, 12);

    m_imgOver = makePicture("imgOver", variant.imgOver.left, variant.imgOver.top, 9000, 1875,
                            QStringLiteral("GameOver.png"), QStringLiteral("Game Over"));
    m_imgOver->hide();

    // Lists the player never sees.
    m_lstRandom = makeList("lstRandom", QRect(), colours::red, 9.75);
    const char *candidateNames[] = {"lstTwo", "lstThree", "lstFour", "lstFive", "lstSix"};
    for (int i = 0; i < 5; ++i)
        m_candidateLists[i] = makeList(candidateNames[i], QRect(), colours::red, 9.75);
    for (QListWidget *hidden : {m_lstTopTen, m_lstRandom, m_candidateLists[0], m_candidateLists[1],
                                m_candidateLists[2], m_candidateLists[3], m_candidateLists[4]}) {
        hidden->hide();
        hidden->setFocusPolicy(Qt::NoFocus);
    }

    // The stacking the player relies on.
    for (QWidget *w : {static_cast<QWidget *>(m_lblMin), findChild<QWidget *>(QStringLiteral("Label2")),
                       findChild<QWidget *>(QStringLiteral("Label4"))})
        w->raise();
    for (QWidget *key : m_keypad)
        key->raise();
    m_shpPower->raise();
    m_lblGo->raise();
    findChild<QWidget *>(QStringLiteral("Label10"))->raise();
    m_lstVisible->raise();
    m_imgOver->raise();

    // Only the Start button and the two visible lists take the focus.
    QWidget *focusable[] = {m_cmdStart, m_lstVisible, m_lstPassed};
    QWidget *chain[3];
    for (int i = 0; i < 3; ++i)
        chain[i] = focusable[int(variant.tabOrder[i])];
    setTabOrder(chain[0], chain[1]);
    setTabOrder(chain[1], chain[2]);
    for (QWidget *w : focusable)
        w->installEventFilter(this);

    m_tmrGame = new QTimer(this);
    m_tmrOver = new QTimer(this);
    m_tmrSign = new QTimer(this);
    m_tmrScores = new QTimer(this);
    const std::pair<QTimer *, int> timers[] = {
        {m_tmrGame, 1000}, {m_tmrOver, 250}, {m_tmrSign, 500}, {m_tmrScores, 1000}};
    const char *timerNames[] = {"tmrGame", "tmrOver", "tmrSign", "tmrScores"};
    for (int i = 0; i < 4; ++i) {
        timers[i].first->setObjectName(QString::fromLatin1(timerNames[i]));
        timers[i].first->setInterval(timers[i].second);
        timers[i].first->setTimerType(Qt::PreciseTimer);
    }
    connect(m_tmrGame, &QTimer::timeout, this, &GameScreen::tmrGame_Timer);
    connect(m_tmrOver, &QTimer::timeout, this, &GameScreen::tmrOver_Timer);
    connect(m_tmrSign, &QTimer::timeout, this, &GameScreen::tmrSign_Timer);
    connect(m_tmrScores, &QTimer::timeout, this, &GameScreen::tmrScores_Timer);
}

void GameScreen::Form_Load()
{
    m_topTen = ScoreFile::load(ScoreFile::pathFor(m_services.navigator.gameLevel()));
    showTopTen();
    showEngineState();
}

void GameScreen::setMinutesCaption(const QString &minutes)
{
    m_engine.setMinutesText(minutes);
    showEngineState();
}

int GameScreen::finalScore() const
{
    return m_engine.intScore();
}

TopTenList &GameScreen::topTen()
{
    return m_topTen;
}

void GameScreen::showTopTen()
{
    // lstTopTen mirrors the list in its sorted order; lstVisible shows it highest first.
    setItems(m_lstTopTen, m_topTen.lines());
    setItems(m_lstVisible, m_topTen.visibleLines());
}

QWidget *GameScreen::hostWindow()
{
    return this;
}

void GameScreen::cmdStart_Click()
{
    const auto result = m_engine.cmdStart_Click();
    showEngineState();
    if (result == DrillEngine::StartResult::QuitRequested)
        m_services.navigator.showPlayAgain(QStringLiteral("QUIT, ARE YOU SURE?"), QStringLiteral("CANCEL"));
}

void GameScreen::lblLeft_Click(int index)
{
    m_engine.lblLeft_Click(index);
    showEngineState();
}

void GameScreen::lblGo_Click()
{
    m_engine.lblGo_Click();
    showEngineState();
}

void GameScreen::lblPass_Click()
{
    m_engine.lblPass_Click();
    showEngineState();
}

void GameScreen::tmrGame_Timer()
{
    m_engine.tmrGame_Timer();
    showEngineState();
}

void GameScreen::tmrOver_Timer()
{
    const auto check = m_engine.tmrOver_Timer(m_topTen.lowestScore());
    showEngineState();
    if (check != DrillEngine::TopTenCheck::DoesNotQualify)
        return;
    QPointer<GameScreen> self(this);
    m_services.messages.ask(this, QStringLiteral("Your score didn't make the Top Ten!"), QStringLiteral("Sorry"),
                            MsgButtons::Ok);
    if (!self)
        return;
    m_services.navigator.showPlayAgain(QStringLiteral("PLAY ANOTHER GAME?"), QStringLiteral("PLAY AGAIN"));
}

void GameScreen::tmrSign_Timer()
{
    m_engine.tmrSign_Timer();
    showEngineState();
}

void GameScreen::tmrScores_Timer()
{
    const bool openNow = m_engine.tmrScores_Timer();
    showEngineState();
    if (openNow)
        m_services.navigator.openInitials();
}

void GameScreen::Form_KeyPress(int keyAscii)
{
    // Answers are clicked, never typed: Escape is the only key the screen knows.
    if (keyAscii != 27)
        return;
    const MsgAnswer answer = m_services.messages.ask(this, QStringLiteral("Are you sure?"),
                                                     QStringLiteral("Quit the Game"), MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes)
        m_services.navigator.quitProgram();
}

bool GameScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The screen sees Escape before whichever control has the focus.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GameScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        Form_KeyPress(27);
    else if (!event->text().isEmpty())
        Form_KeyPress(event->text().at(0).unicode());
    event->accept();
}

void GameScreen::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        centreOnScreen(this);
        m_centred = true;
    }
    QWidget::showEvent(event);
}

void GameScreen::showEngineState()
{
    const DrillEngine &e = m_engine;
    m_lblMin->setText(e.minutesText());
    m_lblSec->setText(e.secondsText());
    m_lblScore->setText(e.scoreText());
    m_answer->setText(e.answerText());
    m_factor->setText(e.factorText());
    m_target->setText(e.targetText());
    m_cmdStart->setText(e.startCaption());
    m_shpPower->setFill(e.powerOn() ? colours::green : colours::red);
    m_imgOver->setVisible(e.imgOverVisible());

    for (int i = 0; i < DrillEngine::BoardSize; ++i) {
        if (m_board[i]->isHidden() == e.boardVisible(i))
            m_board[i]->setVisible(e.boardVisible(i));
    }
    setItems(m_lstPassed, e.passedList());
    setItems(m_lstRandom, e.drawList());
    for (int k = 2; k <= 6; ++k)
        setItems(m_candidateLists[k - 2], e.candidateList(k));

    runTimer(m_tmrGame, e.tmrGameEnabled());
    runTimer(m_tmrOver, e.tmrOverEnabled());
    runTimer(m_tmrSign, e.tmrSignEnabled());
    runTimer(m_tmrScores, e.tmrScoresEnabled());
}
