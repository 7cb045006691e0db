// The two game screens driven as the player drives them: clicks on the real
// labels, captions read back, timers stepped by calling their slots.
#include "Fakes.h"
#include "GameScreen.h"
#include "Layout.h"
#include "RandomSource.h"
#include "Services.h"
#include "ShapeWidget.h"

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

struct Fixture {
    explicit Fixture(const QString &level = QStringLiteral("MI")) { navigator.level = level; }
    TempProgramFolder folder;
    RecordingSound sound;
    SeededRandomSource random{21};
    ScriptedMessages messages;
    RecordingNavigator navigator;
    Services services{sound, random, messages, navigator};

    std::unique_ptr<GameScreen> open(GameType type, const QString &minutes = QStringLiteral("4"))
    {
        auto screen = std::make_unique<GameScreen>(services, type);
        screen->setMinutesCaption(minutes);
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen.get()))
            qWarning("the game screen was not shown");
        return screen;
    }
};

QString caption(QWidget *screen, const QString &name)
{
    if (auto *label = screen->findChild<QLabel *>(name))
        return label->text();
    if (auto *button = screen->findChild<QPushButton *>(name))
        return button->text();
    return QStringLiteral("<no %1>").arg(name);
}

void click(QWidget *screen, const QString &name)
{
    QWidget *w = screen->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QTest::mouseClick(w, Qt::LeftButton);
}

QString targetName(GameType type)
{
    return type == GameType::Multiplication ? QStringLiteral("lblProduct") : QStringLiteral("lblDividend");
}

// Clicks the right answer on the keypad and GO.
void answerRight(GameScreen *screen)
{
    const int n = caption(screen, targetName(screen->type())).toInt();
    const int f = caption(screen, QStringLiteral("lblRight(61)")).toInt();
    QVERIFY(f > 0 && n % f == 0);
    click(screen, QStringLiteral("lblLeft(%1)").arg(n / f - 1));
    QCOMPARE(caption(screen, QStringLiteral("lblLeft(60)")), QString::number(n / f));
    click(screen, QStringLiteral("lblGo"));
}

QStringList items(QWidget *screen, const QString &listName)
{
    QStringList out;
    auto *list = screen->findChild<QListWidget *>(listName);
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QRect pixels(const QRect &t)
{
    return QRect(qRound(t.x() / 15.0), qRound(t.y() / 15.0), qRound(t.width() / 15.0), qRound(t.height() / 15.0));
}

int stackIndex(QWidget *screen, const QString &name)
{
    return int(screen->children().indexOf(screen->findChild<QWidget *>(name)));
}

QWidget *nextFocusable(QWidget *screen, QWidget *from)
{
    for (QWidget *w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(screen) && w != screen)
            return w;
    }
    return nullptr;
}

enum Align { L = int(Qt::AlignLeft), R = int(Qt::AlignRight), C = int(Qt::AlignHCenter) };
const QColor Clear; // a transparent label
const QColor White(Qt::white), Black(Qt::black);

} // namespace

Q_DECLARE_METATYPE(GameType)

class GameScreenTest : public QObject {
    Q_OBJECT

    static void addLabel(const char *variant, const QString &name, QRect twips, const QString &text, Face face,
                         double points, Align align, const QColor &fill = Clear, bool italic = false)
    {
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(variant), name)))
            << (variant[0] == 'M' ? GameType::Multiplication : GameType::Division) << name << twips << text
            << int(face) << points << int(align) << fill << italic;
    }
    static void addBoth(const QString &name, QRect twips, const QString &text, Face face, double points, Align align,
                        const QColor &fill = Clear)
    {
        addLabel("M", name, twips, text, face, points, align, fill);
        addLabel("D", name, twips, text, face, points, align, fill);
    }

private slots:
    void labelsStandInTheirPlaces_data()
    {
        QTest::addColumn<GameType>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("align");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<bool>("italic");
        const Face A = Face::Arial, S = Face::SansSerif;
        addBoth("lblSec", {270, 120, 3015, 1455}, "00", A, 72, R, colours::yellow);
        addBoth("lblMin", {390, 120, 855, 1455}, "4", A, 72, L);
        addBoth("Label2", {1350, 420, 375, 1095}, ":", A, 48, L);
        addBoth("Label4", {450, 120, 2775, 375}, "Time Remaining", S, 12, C);
        addBoth("lblScore", {7530, 120, 4455, 1455}, "00000", A, 72, R, colours::yellow);
        addBoth("Label6", {8490, 120, 2775, 375}, "Score", S, 12, C);
        addBoth("Label10", {600, 1680, 1935, 495}, "Keypad", S, 12, C);
        addBoth("lblGo", {480, 4800, 2175, 495}, "GO", S, 13.5, C, colours::green);
        addBoth("Label7", {9480, 2520, 2655, 495}, "Top Ten Scores", S, 13.5, C);
        addBoth("Label3", {10800, 5520, 855, 255}, "Passed", S, 9.75, C);
        const int keyLefts[] = {480, 1230, 1980};
        for (int i = 0; i < 12; ++i) {
            addBoth(QStringLiteral("lblLeft(%1)").arg(i), {keyLefts[i % 3], 2400 + 600 * (i / 3), 735, 495},
                    QString::number(i + 1), S, 18, C, colours::darkGrey);
        }

        addLabel("M", "Label8", {4200, 2760, 1935, 495}, "Multipliers", S, 13.5, C);
        addLabel("M", "Label9", {7200, 2760, 1815, 375}, "Product", S, 13.5, C);
        addLabel("M", "lblLeft(60)", {3480, 3120, 1215, 1095}, "?", A, 48, R);
        addLabel("M", "Label1", {3480, 3120, 3195, 1095}, "X", A, 48, C);
        addLabel("M", "lblRight(61)", {5460, 3120, 1215, 1095}, "?", A, 48, L);
        addLabel("M", "lblEqual", {6600, 3120, 615, 1095}, "=", A, 48, C);
        addLabel("M", "lblProduct", {7200, 3120, 1815, 1095}, "?", A, 48, L);
        addLabel("M", "lblPass", {7560, 4320, 975, 495}, "PASS", S, 13.5, L, colours::red);
        addLabel("M", "Label5", {4080, 5280, 4095, 495}, "Products Remaining", S, 18, L);

        addLabel("D", "Label1", {3480, 2520, 1335, 375}, "Dividend", S, 13.5, C, Clear, true);
        addLabel("D", "Label8", {5880, 2520, 1215, 495}, "Divisor", S, 13.5, C);
        addLabel("D", "Label9", {7560, 2520, 1695, 375}, "Quotient", S, 13.5, C);
        addLabel("D", "lblDividend", {3240, 3000, 1815, 1095}, "?", A, 48, R);
        addLabel("D", "lblRight(61)", {5880, 3000, 1215, 1095}, "?", A, 48, L);
        addLabel("D", "lblEqual", {7080, 3000, 615, 1095}, "=", A, 48, C);
        addLabel("D", "lblLeft(60)", {7800, 3000, 1215, 1095}, "?", A, 48, L);
        addLabel("D", "lblPass", {3600, 4320, 975, 495}, "PASS", S, 13.5, L, colours::red);
        addLabel("D", "Label5", {4080, 5280, 4095, 495}, "Dividends Remaining", S, 18, L);

        const QList<int> lefts[] = {{840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7200, 7995, 8790, 9600},
                                    {840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7215, 8010, 8805, 9600},
                                    {1155, 1950, 2745, 3540, 4335, 5130, 5925, 6735, 7530, 8325, 9120}};
        const QStringList captions = QStringLiteral(
            "1 2 3 4 5 6 7 8 9 10 11 12 14 15 16 18 20 21 22 24 25 27 28 30 32 33 35 36 40 42 44 45 48 49 50 54 "
            "55 56 60 63 64 66 70 72 77 80 81 84 88 90 96 99 100 108 110 120 121 132 144").split(' ');
        for (int i = 0; i < 59; ++i) {
            const int row = i / 12;
            const QList<int> &rowLefts = lefts[row == 0 ? 0 : row == 4 ? 2 : 1];
            addBoth(QStringLiteral("lblAnswer(%1)").arg(i), {rowLefts[i % 12], 5820 + 600 * row, 735, 495},
                    captions[i], S, 18, C, colours::blue);
        }
    }
    void labelsStandInTheirPlaces()
    {
        QFETCH(GameType, type);
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(int, face);
        QFETCH(double, points);
        QFETCH(int, align);
        QFETCH(QColor, fill);
        QFETCH(bool, italic);
        Fixture f;
        auto screen = f.open(type);
        auto *label = screen->findChild<PlainLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->geometry(), pixels(twips));
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().family(), boldFont(Face(face), points).family());
        QCOMPARE(label->font().pixelSize(), qRound(points * 4 / 3));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().italic(), italic);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
        QCOMPARE(label->fill(), fill);
        QCOMPARE(label->hasBorder(), fill.isValid());
        const QColor ink = fill.isValid() && fill != colours::yellow ? White : Black;
        QCOMPARE(label->palette().color(QPalette::WindowText), ink);
        QVERIFY(!label->isHidden());
    }

    // The controls that are not labels: place and fill; lists also their colours and fonts.
    void otherControlsStandInTheirPlaces_data()
    {
        QTest::addColumn<GameType>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QColor>("fill");
        const auto add = [](const char *variants, const char *name, QRect twips, const QColor &fill = Clear) {
            for (char v : QByteArray(variants))
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1Char(v)).arg(QLatin1String(name))))
                    << (v == 'M' ? GameType::Multiplication : GameType::Division) << QString(name) << twips << fill;
        };
        add("MD", "Shape1", {360, 2040, 2535, 3615}, colours::grey);
        add("MD", "shpPower", {2400, 2100, 225, 225}, colours::red);
        add("M", "Shape2", {3120, 3120, 6135, 1095}, colours::yellow);
        add("D", "Shape2", {3240, 3000, 6135, 1215}, colours::yellow);
        add("MD", "cmdStart", {8790, 1680, 1935, 495});
        add("MD", "lstVisible", {9450, 3000, 2655, 2430}, colours::red);
        add("MD", "lstTopTen", {9450, 3000, 2655, 2430}, colours::red);
        add("MD", "lstPassed", {10800, 5880, 855, 2760}, colours::blue);
        add("M", "Image1", {4560, 120, 1935, 915});
        add("M", "Image2", {4027, 960, 3000, 750});
        add("M", "Image3", {4350, 1680, 2355, 945});
        add("M", "imgOver", {1627, 6120, 9000, 1875});
        add("D", "Image1", {4620, 0, 1935, 915});
        add("D", "Image2", {4080, 840, 3000, 750});
        add("D", "Image3", {4410, 1560, 2355, 945});
        add("D", "Image4", {5160, 3240, 600, 600});
        add("D", "imgOver", {1800, 6240, 9000, 1875});
    }
    void otherControlsStandInTheirPlaces()
    {
        QFETCH(GameType, type);
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QColor, fill);
        Fixture f; // no pictures in the folder: each keeps its size all the same
        auto screen = f.open(type);
        auto *w = screen->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), pixels(twips));
        if (auto *shape = qobject_cast<ShapeWidget *>(w))
            QCOMPARE(shape->fill(), fill);
        if (auto *list = qobject_cast<QListWidget *>(w)) {
            QCOMPARE(list->palette().color(QPalette::Base), fill);
            QCOMPARE(list->palette().color(QPalette::Text), White);
            QCOMPARE(list->font().pixelSize(), name == QLatin1String("lstPassed") ? 16 : 13);
        }
        QCOMPARE(w->isHidden(), name == QLatin1String("lstTopTen") || name == QLatin1String("imgOver"));
    }

    void eachScreenIsOneWindowOfItsKind_data()
    {
        QTest::addColumn<GameType>("type");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("tabOrder");
        QTest::newRow("multiplication") << GameType::Multiplication << "frmMZemrit"
                                        << QStringList{"lstPassed", "lstVisible", "cmdStart"};
        QTest::newRow("division") << GameType::Division << "frmDZemrit"
                                  << QStringList{"cmdStart", "lstPassed", "lstVisible"};
    }
    void eachScreenIsOneWindowOfItsKind()
    {
        QFETCH(GameType, type);
        QFETCH(QString, form);
        QFETCH(QStringList, tabOrder);
        Fixture f;
        auto screen = f.open(type);
        QCOMPARE(screen->objectName(), form);
        QCOMPARE(screen->size(), QSize(817, 600));
        QCOMPARE(screen->palette().color(QPalette::Window), colours::teal);

        // Only three controls take the focus, in the screen's own order.
        for (int i = 0; i < 3; ++i) {
            QWidget *from = screen->findChild<QWidget *>(tabOrder[i]);
            QCOMPARE(nextFocusable(screen.get(), from)->objectName(), tabOrder[(i + 1) % 3]);
        }

        // Precise timers keep the clock on the wall clock's schedule while the tick sound plays.
        for (const auto &[name, interval] :
             {std::pair{"tmrGame", 1000}, {"tmrOver", 250}, {"tmrSign", 500}, {"tmrScores", 1000}}) {
            auto *timer = screen->findChild<QTimer *>(QLatin1String(name));
            QVERIFY2(timer && timer->interval() == interval && !timer->isActive()
                         && timer->timerType() == Qt::PreciseTimer,
                     name);
        }
    }

    // Which control is drawn over which: the board under the game-over picture,
    // the panels and boxes under what they hold.
    void stacking_data()
    {
        QTest::addColumn<GameType>("type");
        QTest::addColumn<QString>("below");
        QTest::addColumn<QString>("above");
        for (GameType type : {GameType::Multiplication, GameType::Division}) {
            const QString v = type == GameType::Multiplication ? "M " : "D ";
            const QList<std::pair<QString, QString>> pairs{
                {"lblAnswer(0)", "imgOver"}, {"lblAnswer(58)", "imgOver"}, {"lblSec", "lblMin"}, {"lblSec", "Label2"},
                {"Shape1", "lblLeft(11)"}, {"Shape1", "shpPower"}, {"Shape1", "lblGo"}, {"lstTopTen", "lstVisible"},
                {"Shape2", "lblLeft(60)"}, {"Shape2", targetName(type)}, {"Shape2", "lblEqual"}};
            for (const auto &[below, above] : pairs)
                QTest::newRow(qPrintable(v + below + " under " + above)) << type << below << above;
        }
        QTest::newRow("M operator behind the factor") << GameType::Multiplication << "Label1" << "lblRight(61)";
    }
    void stacking()
    {
        QFETCH(GameType, type);
        QFETCH(QString, below);
        QFETCH(QString, above);
        Fixture f;
        auto screen = f.open(type);
        QVERIFY(stackIndex(screen.get(), below) >= 0);
        QVERIFY(stackIndex(screen.get(), below) < stackIndex(screen.get(), above));
    }

    void topTenListComesFromItsFile()
    {
        Fixture f(QStringLiteral("DE"));
        const QStringList records{"00500 BOB 07/04/26", "00900 ZED 01/02/25", "00500 AMY 07/04/26",
                                  "00100 AB  03/03/24", "02000 TOP 12/31/25", "00000     01/01/24",
                                  "00300 CJ  05/05/25", "00700 KIM 06/06/26", "00400 LEE 02/02/26",
                                  "00200 MAX 04/04/24"};
        QFile file(f.folder.file(QStringLiteral("DEScores.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(records.join(QString()).toLatin1()) == 180);
        file.close();

        auto screen = f.open(GameType::Division);
        QStringList ascending = records;
        ascending.sort(Qt::CaseInsensitive);
        QCOMPARE(items(screen.get(), QStringLiteral("lstTopTen")), ascending);
        QStringList shown = items(screen.get(), QStringLiteral("lstVisible"));
        std::reverse(shown.begin(), shown.end());
        QCOMPARE(shown, ascending);

        // The initials dialog changes the list through the screen and asks it to show it again.
        QCOMPARE(screen->topTen().lowestScore(), 0);
        screen->topTen().removeLowest();
        screen->topTen().add(QStringLiteral("03000 NEW 08/08/26"));
        screen->showTopTen();
        QCOMPARE(items(screen.get(), QStringLiteral("lstVisible")).first(), QStringLiteral("03000 NEW 08/08/26"));
        QCOMPARE(items(screen.get(), QStringLiteral("lstTopTen")).size(), 10);
    }

    void playingByClicks_data()
    {
        QTest::addColumn<GameType>("type");
        QTest::newRow("multiplication") << GameType::Multiplication;
        QTest::newRow("division") << GameType::Division;
    }
    void playingByClicks()
    {
        QFETCH(GameType, type);
        Fixture f;
        auto screen = f.open(type);
        auto *s = screen.get();
        auto *lamp = s->findChild<ShapeWidget *>(QStringLiteral("shpPower"));
        const QString target = targetName(type);

        // Nothing answers before Start.
        click(s, QStringLiteral("lblLeft(6)"));
        click(s, QStringLiteral("lblGo"));
        click(s, QStringLiteral("lblPass"));
        QCOMPARE(caption(s, QStringLiteral("lblLeft(60)")), QStringLiteral("?"));
        QVERIFY(f.sound.played.isEmpty());

        click(s, QStringLiteral("cmdStart"));
        QCOMPARE(caption(s, QStringLiteral("cmdStart")), QStringLiteral("Quit"));
        QCOMPARE(lamp->fill(), colours::green);
        QVERIFY(s->findChild<QTimer *>(QStringLiteral("tmrGame"))->isActive());
        QVERIFY(caption(s, target) != QLatin1String("?"));

        const int number = caption(s, target).toInt();
        const int index = int(std::find(DrillEngine::boardNumbers().begin(), DrillEngine::boardNumbers().end(),
                                        number) - DrillEngine::boardNumbers().begin());
        answerRight(s);
        QCOMPARE(f.sound.played.last(), QStringLiteral("goodbeep.WAV"));
        QCOMPARE(caption(s, QStringLiteral("lblScore")), QStringLiteral("00200"));
        QVERIFY(s->findChild<QLabel *>(QStringLiteral("lblAnswer(%1)").arg(index))->isHidden());
        QCOMPARE(items(s, QStringLiteral("lstRandom")).size(), 58);
        QCOMPARE(caption(s, QStringLiteral("lblLeft(60)")), QStringLiteral("?"));

        // A wrong answer keeps the equation.
        const QString equation = caption(s, target) + caption(s, QStringLiteral("lblRight(61)"));
        const int wrong = caption(s, target).toInt() / caption(s, QStringLiteral("lblRight(61)")).toInt() % 12 + 1;
        click(s, QStringLiteral("lblLeft(%1)").arg(wrong - 1));
        click(s, QStringLiteral("lblLeft(60)")); // the slot itself changes nothing
        QCOMPARE(caption(s, QStringLiteral("lblLeft(60)")), QString::number(wrong));
        click(s, QStringLiteral("lblGo"));
        QCOMPARE(f.sound.played.last(), QStringLiteral("badbeep.WAV"));
        QCOMPARE(caption(s, QStringLiteral("lblScore")), QStringLiteral("00150"));
        QCOMPARE(caption(s, target) + caption(s, QStringLiteral("lblRight(61)")), equation);

        // PASS parks the number in the passed list as three digits.
        const QString passed = QStringLiteral("%1").arg(caption(s, target).toInt(), 3, 10, QLatin1Char('0'));
        click(s, QStringLiteral("lblPass"));
        QCOMPARE(caption(s, QStringLiteral("lblScore")), QStringLiteral("00125"));
        QCOMPARE(items(s, QStringLiteral("lstPassed")), QStringList{passed});

        // The Quit button asks through the play-again dialog; the game goes on.
        click(s, QStringLiteral("cmdStart"));
        QCOMPARE(f.navigator.playAgain, QStringList{"QUIT, ARE YOU SURE?|CANCEL"});
        QVERIFY(s->findChild<QTimer *>(QStringLiteral("tmrGame"))->isActive());
    }

    void endOfGame_data()
    {
        QTest::addColumn<GameType>("type");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("answerOne");
        QTest::newRow("M time-out at 0 does not qualify") << GameType::Multiplication << "5" << false;
        QTest::newRow("D one right answer qualifies") << GameType::Division << "1" << true;
    }
    void endOfGame()
    {
        QFETCH(GameType, type);
        QFETCH(QString, minutes);
        QFETCH(bool, answerOne);
        Fixture f;
        auto screen = f.open(type, minutes);
        auto *s = screen.get();
        const auto timer = [s](const char *name) { return s->findChild<QTimer *>(QLatin1String(name))->isActive(); };
        click(s, QStringLiteral("cmdStart"));
        if (answerOne)
            answerRight(s);
        for (int i = 0; i < minutes.toInt() * 60; ++i)
            s->tmrGame_Timer();
        QCOMPARE(caption(s, QStringLiteral("lblMin")) + ':' + caption(s, QStringLiteral("lblSec")),
                 QStringLiteral("0:01"));
        QVERIFY(timer("tmrGame"));
        s->tmrGame_Timer();
        QCOMPARE(caption(s, QStringLiteral("lblSec")), QStringLiteral("00"));
        QVERIFY(!timer("tmrGame") && timer("tmrOver") && timer("tmrSign"));
        QCOMPARE(s->findChild<ShapeWidget *>(QStringLiteral("shpPower"))->fill(), colours::red);
        QCOMPARE(caption(s, targetName(type)), QStringLiteral("?"));
        QCOMPARE(caption(s, QStringLiteral("cmdStart")), QStringLiteral("Quit"));

        auto *over = s->findChild<QLabel *>(QStringLiteral("imgOver"));
        s->tmrSign_Timer();
        QVERIFY(!over->isHidden());
        s->tmrSign_Timer();
        QVERIFY(over->isHidden());

        s->tmrOver_Timer();
        QCOMPARE(f.sound.played.last(), QStringLiteral("ring.WAV"));
        QVERIFY(!timer("tmrOver"));
        if (!answerOne) {
            QCOMPARE(f.messages.asked.size(), 1);
            QCOMPARE(f.messages.asked[0].prompt, QStringLiteral("Your score didn't make the Top Ten!"));
            QCOMPARE(f.messages.asked[0].title, QStringLiteral("Sorry"));
            QCOMPARE(f.navigator.playAgain, QStringList{"PLAY ANOTHER GAME?|PLAY AGAIN"});
            QVERIFY(!timer("tmrScores"));
            return;
        }
        QVERIFY(f.messages.asked.isEmpty() && f.navigator.playAgain.isEmpty());
        QVERIFY(timer("tmrScores"));
        for (int i = 0; i < 3; ++i)
            s->tmrScores_Timer();
        QCOMPARE(f.navigator.initialsOpened, 0);
        s->tmrScores_Timer();
        QCOMPARE(f.navigator.initialsOpened, 1);
        QVERIFY(!timer("tmrScores"));
        QCOMPARE(s->finalScore(), 200);
    }

    void escapeAsksWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("yes");
        for (const char *focus : {"lstPassed", "frmMZemrit"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, yes").arg(QLatin1String(focus)))) << focus << true;
            QTest::newRow(qPrintable(QStringLiteral("%1, no").arg(QLatin1String(focus)))) << focus << false;
        }
    }
    void escapeAsksWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        QFETCH(bool, yes);
        Fixture f;
        f.messages.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
        auto screen = f.open(GameType::Multiplication);
        click(screen.get(), QStringLiteral("cmdStart"));
        QWidget *target = focus == screen->objectName() ? screen.get() : screen->findChild<QWidget *>(focus);
        QTest::keyClick(target, Qt::Key_A);
        QVERIFY(f.messages.asked.isEmpty());
        QTest::keyClick(target, Qt::Key_Escape);
        QCOMPARE(f.messages.asked.size(), 1);
        QCOMPARE(f.messages.asked[0].prompt, QStringLiteral("Are you sure?"));
        QCOMPARE(f.messages.asked[0].title, QStringLiteral("Quit the Game"));
        QCOMPARE(f.navigator.quits, yes ? 1 : 0);
        QVERIFY(screen->findChild<QTimer *>(QStringLiteral("tmrGame"))->isActive());
    }

    void picturesComeFromTheProgramFolder()
    {
        Fixture f;
        QImage title(129, 61, QImage::Format_ARGB32);
        title.fill(Qt::red);
        QVERIFY(title.save(f.folder.file(QStringLiteral("Title1.png"))));
        auto screen = f.open(GameType::Division);
        QVERIFY(!screen->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());
        QVERIFY(screen->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().isNull());
    }
};

QTEST_MAIN(GameScreenTest)
#include "tst_gamescreen.moc"
