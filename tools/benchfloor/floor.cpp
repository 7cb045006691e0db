// The floor that tools/bench measures Tempozap against: the least a Qt Widgets
// program does to put up windows of Tempozap's sizes and colours. A blue
// frameless backdrop over the work area, a yellow 620 x 245 window with a Play
// button, and on Play an 817 x 600 teal window with 90 labels in the game
// screen's places, fonts and colours. Nothing is loaded from files, nothing
// plays, no timer runs.
//
// Built with FLOOR_WITH_SOUND, the GO label plays "goodbeep.WAV" through the
// program's own sound cue and then adds 200 to the score label, the least a
// right answer can cost.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <functional>

#ifdef FLOOR_WITH_SOUND
#include "PulseSoundCue.h"
#endif

namespace {

int px(int twips)
{
    return (twips * 2 + 15) / 30;
}

QRect rectTw(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QFont bold(const char *family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(true);
    return font;
}

void paint(QWidget *w, const QColor &background)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, background);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void centre(QWidget *w)
{
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (onClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick();
    }
};

struct Look {
    const char *family;
    double points;
    QColor fill; // invalid: transparent
    QColor text;
    bool border;
    Qt::Alignment align;
};

ClickLabel *label(QWidget *parent, const QRect &r, const QString &text, const Look &look)
{
    auto *l = new ClickLabel(text, parent);
    l->setGeometry(r);
    l->setFont(bold(look.family, look.points));
    l->setAlignment(look.align);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, look.text);
    if (look.fill.isValid()) {
        pal.setColor(QPalette::Window, look.fill);
        l->setAutoFillBackground(true);
    }
    l->setPalette(pal);
    if (look.border)
        l->setFrameShape(QFrame::Box);
    return l;
}

const char *const Sans = "Liberation Sans";
const char *const Arial = "Arial";
const QColor Yellow(255, 255, 0), Teal(0, 192, 192), Blue(0, 0, 255), White(255, 255, 255),
    Black(0, 0, 0), DarkGrey(64, 64, 64), Green(0, 255, 0), Red(255, 0, 0);
const Qt::Alignment Centre = Qt::AlignCenter, Left = Qt::AlignLeft | Qt::AlignTop,
                    Right = Qt::AlignRight | Qt::AlignTop;

const int BoardCaptions[59] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  12,  14,  15,  16,
                               18, 20, 21, 22, 24, 25, 27, 28, 30, 32, 33,  35,  36,  40,  42,
                               44, 45, 48, 49, 50, 54, 55, 56, 60, 63, 64,  66,  70,  72,  77,
                               80, 81, 84, 88, 90, 96, 99, 100, 108, 110, 120, 121, 132, 144};
const int Row1Left[12] = {840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7200, 7995, 8790, 9600};
const int Row2Left[12] = {840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7215, 8010, 8805, 9600};
const int Row5Left[11] = {1155, 1950, 2745, 3540, 4335, 5130, 5925, 6735, 7530, 8325, 9120};

QWidget *makeGameWindow(std::function<void(QLabel *score)> go)
{
    auto *w = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w->setWindowTitle(QStringLiteral("benchfloor - game"));
    w->setFixedSize(817, 600);
    paint(w, Teal);

    const Look big{Arial, 72, Yellow, Black, true, Right};
    const Look plain{Arial, 72, QColor(), Black, false, Left};
    const Look heading{Sans, 12, QColor(), Black, false, Centre};
    const Look heading13{Sans, 13.5, QColor(), Black, false, Centre};
    const Look equation{Arial, 48, QColor(), Black, false, Left};

    // Clock and score boxes.
    label(w, rectTw(270, 120, 3015, 1455), QStringLiteral("00"), big);
    label(w, rectTw(390, 120, 855, 1455), QStringLiteral("3"), plain);
    label(w, rectTw(1350, 420, 375, 1095), QStringLiteral(":"), equation);
    label(w, rectTw(450, 120, 2775, 375), QStringLiteral("Time Remaining"), heading);
    QLabel *score = label(w, rectTw(7530, 120, 4455, 1455), QStringLiteral("00000"), big);
    label(w, rectTw(8490, 120, 2775, 375), QStringLiteral("Score"), heading);

    // Keypad and GO.
    label(w, rectTw(600, 1680, 1935, 495), QStringLiteral("Keypad"), heading);
    for (int i = 0; i < 12; ++i)
        label(w, rectTw(480 + 750 * (i % 3), 2400 + 600 * (i / 3), 735, 495), QString::number(i + 1),
              Look{Sans, 18, DarkGrey, White, true, Centre});
    ClickLabel *goKey = label(w, rectTw(480, 4800, 2175, 495), QStringLiteral("GO"),
                              Look{Sans, 13.5, Green, White, true, Centre});
    goKey->onClick = [go, score] { go(score); };

    // Equation row, PASS and the headings on the right.
    label(w, rectTw(4200, 2760, 1935, 495), QStringLiteral("Multipliers"), heading13);
    label(w, rectTw(7200, 2760, 1815, 375), QStringLiteral("Product"), heading13);
    label(w, rectTw(3480, 3120, 1215, 1095), QStringLiteral("?"), Look{Arial, 48, QColor(), Black, false, Right});
    label(w, rectTw(3480, 3120, 3195, 1095), QStringLiteral("X"), Look{Arial, 48, QColor(), Black, false, Centre});
    label(w, rectTw(5460, 3120, 1215, 1095), QStringLiteral("?"), equation);
    label(w, rectTw(6600, 3120, 615, 1095), QStringLiteral("="), Look{Arial, 48, QColor(), Black, false, Centre});
    label(w, rectTw(7200, 3120, 1815, 1095), QStringLiteral("?"), equation);
    label(w, rectTw(7560, 4320, 975, 495), QStringLiteral("PASS"), Look{Sans, 13.5, Red, White, true, Left});
    label(w, rectTw(9480, 2520, 2655, 495), QStringLiteral("Top Ten Scores"), heading13);
    label(w, rectTw(10800, 5520, 855, 255), QStringLiteral("Passed"), Look{Sans, 9.75, QColor(), Black, false, Centre});
    label(w, rectTw(4080, 5280, 4095, 495), QStringLiteral("Products Remaining"), Look{Sans, 18, QColor(), Black, false, Left});

    // The board: 59 labels in five rows.
    const Look board{Sans, 18, Blue, White, true, Centre};
    for (int i = 0; i < 59; ++i) {
        int left, top;
        if (i < 12) {
            left = Row1Left[i];
            top = 5820;
        } else if (i < 48) {
            left = Row2Left[(i - 12) % 12];
            top = 6420 + 600 * ((i - 12) / 12);
        } else {
            left = Row5Left[i - 48];
            top = 8220;
        }
        label(w, rectTw(left, top, 735, 495), QString::number(BoardCaptions[i]), board);
    }
    return w;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

#ifdef FLOOR_WITH_SOUND
    PulseSoundCue cue(QCoreApplication::applicationDirPath());
#endif
    int scoreValue = 0;
    auto go = [&](QLabel *score) {
#ifdef FLOOR_WITH_SOUND
        cue.play(QStringLiteral("goodbeep.WAV"));
#endif
        scoreValue += 200;
        score->setText(QStringLiteral("%1").arg(scoreValue, 5, 10, QLatin1Char('0')));
    };

    QWidget backdrop(nullptr, Qt::Window | Qt::FramelessWindowHint);
    backdrop.setWindowTitle(QStringLiteral("benchfloor - backdrop"));
    paint(&backdrop, Blue);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    backdrop.setGeometry(area.x(), area.y(), area.width(), area.height() + px(400));
    backdrop.show();

    QWidget start(nullptr, Qt::Window | Qt::FramelessWindowHint);
    start.setWindowTitle(QStringLiteral("benchfloor"));
    start.setFixedSize(620, 245);
    paint(&start, Yellow);
    auto *play = new QPushButton(QStringLiteral("Play"), &start);
    play->setGeometry(rectTw(360, 2880, 1215, 495));
    play->setFont(bold(Sans, 9.75));
    centre(&start);

    QWidget *game = nullptr;
    QObject::connect(play, &QPushButton::clicked, [&] {
        if (!game) {
            game = makeGameWindow(go);
            centre(game);
        }
        game->show();
        start.hide();
    });
    start.show();

    const int rc = app.exec();
    delete game;
    return rc;
}
