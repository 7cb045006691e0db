// The program's roads through its screens, driven by clicks, keys and the
// screens' timers: start-up, a game to its end with or without a Top Ten
// score, the quit questions, the rules and the reset of the lists.
#include "AnimatedPicture.h"
#include "Fakes.h"
#include "RandomSource.h"
#include "Shell.h"
#include "Widgets.h"

#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
// Seven lines of 500 and above three of 100 or 200: the lowest line scores lowest.
QByteArray listWithLowest(int lowest)
{
    QByteArray bytes = QStringLiteral("%1 LOW 01/02/25").arg(lowest, 5, 10, QLatin1Char('0')).toLatin1();
    for (int i = 1; i < 10; ++i)
        bytes += QStringLiteral("%1 A%2  03/04/25").arg(500 + i, 5, 10, QLatin1Char('0')).arg(i).toLatin1();
    return bytes;
}

QString text(const QString &window, const QString &name)
{
    return control<QLabel>(window, name)->text();
}

struct Program {
    Program()
        : shell({ProgramFolder::Mode::Portable, folder.path(), folder.path()}, sound, random, messages)
    {
        shell.endProgram = [this] { ended = true; };
        shell.start();
    }
    QString file(const QString &name) const { return folder.filePath(name); }
    QByteArray read(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Start, one right answer, then the clock runs out: 200 points.
    void playToTheEnd(const QString &game = QStringLiteral("frmMZemrit"))
    {
        click(game, QStringLiteral("cmdStart"));
        const int target = text(game, game == "frmMZemrit" ? "lblProduct" : "lblDividend").toInt();
        const int key = target / text(game, QStringLiteral("lblRight(61)")).toInt();
        click(game, QStringLiteral("lblLeft(%1)").arg(key - 1));
        click(game, QStringLiteral("lblGo"));
        while (fire(shownWindow(game), "tmrGame")) { }
        QCOMPARE(text(game, QStringLiteral("lblScore")), QStringLiteral("00200"));
        QVERIFY(fire(shownWindow(game), "tmrOver"));
    }

    QTemporaryDir folder;
    RecordingSound sound;
    SeededRandomSource random{3};
    ScriptedMessages messages;
    Shell shell;
    bool ended = false;
};
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { settle(); }

    void startUpShowsTheStartScreenOverTheBackdropThatRingsOnce()
    {
        Program p;
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmStart"}));
        QVERIFY(control<AnimatedPicture>("frmStart", "AnimatedGif1")->isRunning());
        QVERIFY(fire(shownWindow("Background"), "Timer1"));
        QVERIFY(!fire(shownWindow("Background"), "Timer1"));
        QCOMPARE(p.sound.played, QStringList{"ring.WAV"});
    }

    void playOpensTheChosenGame_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("list");
        QTest::newRow("as the screen opens") << QStringList{} << "frmMZemrit"
                                             << "4"
                                             << "MIScores.dat";
        QTest::newRow("division, novice") << QStringList{"optDiv(1)", "optNovice(0)"} << "frmDZemrit"
                                          << "5"
                                          << "DNScores.dat";
        QTest::newRow("expert") << QStringList{"optExpert(2)"} << "frmMZemrit"
                                << "3"
                                << "MEScores.dat";
    }
    void playOpensTheChosenGame()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, game);
        QFETCH(QString, minutes);
        QFETCH(QString, list);
        Program p;
        p.write(list, listWithLowest(400));
        for (const QString &option : options)
            control<QRadioButton>("frmStart", option)->click();
        click("frmStart", "cmdPlay");
        QCOMPARE(shownWindows(), (QStringList{"Background", game}));
        QCOMPARE(text(game, "lblMin") + ':' + text(game, "lblSec"), minutes + ":00");
        QCOMPARE(control<QPushButton>(game, "cmdStart")->text(), QStringLiteral("Start"));

        // The game ends; PLAY AGAIN brings the start screen back with its choices.
        p.playToTheEnd(game);
        QCOMPARE(p.messages.asked, QStringList{"Your score didn't make the Top Ten!|Sorry"});
        QCOMPARE(text("frmOptions", "Label1"), QStringLiteral("PLAY ANOTHER GAME?"));
        click("frmOptions", "cmdPlay");
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmStart"}));
        click("frmStart", "cmdPlay");
        QCOMPARE(text(game, "lblMin"), minutes);
        QCOMPARE(text(game, "lblScore"), QStringLiteral("00000")); // a fresh game screen
    }

    // A score above the lowest line opens the initials dialog on the fourth
    // second after the ring; OK enters the line on screen and on disk.
    void topTenScoreIsEntered_data()
    {
        QTest::addColumn<int>("lowest");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("equal score") << 200 << "" << false;
        QTest::newRow("one point more, OK") << 199 << "x" << true;
        QTest::newRow("one point more, Cancel") << 199 << "abc" << false;
    }
    void topTenScoreIsEntered()
    {
        QFETCH(int, lowest);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        Program p;
        const QByteArray before = listWithLowest(lowest);
        p.write("MIScores.dat", before);
        click("frmStart", "cmdPlay");
        p.playToTheEnd();
        const bool qualifies = lowest < 200;
        QCOMPARE(p.messages.asked.size(), qualifies ? 0 : 1);
        for (int second = 1; second <= 4 && qualifies; ++second) {
            QVERIFY(!shownWindow("frmInitials"));
            QVERIFY(fire(shownWindow("frmMZemrit"), "tmrScores"));
        }
        QVERIFY(!fire(shownWindow("frmMZemrit"), "tmrScores"));
        QCOMPARE(shownWindow("frmInitials") != nullptr, qualifies);
        if (qualifies) {
            click("frmInitials", "OKButton"); // nothing typed yet
            QCOMPARE(p.messages.asked, QStringList{"Initials must be entered!\r\nplease retry.|Tempozap"});
            QTest::keyClicks(control("frmInitials", "Text1"), typed);
            click("frmInitials", ok ? "OKButton" : "CancelButton");
        }
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmMZemrit", "frmOptions"}));
        QCOMPARE(control<QPushButton>("frmOptions", "cmdPlay")->text(), QStringLiteral("PLAY AGAIN"));
        const QString line = "00200 " + typed.toUpper().leftJustified(4) + QDate::currentDate().toString("MM/dd/yy");
        const QByteArray after = ok ? line.toLatin1() + before.mid(18) : before;
        QCOMPARE(p.read("MIScores.dat"), after);
        const auto *list = control<QListWidget>("frmMZemrit", "lstVisible");
        QCOMPARE(list->item(9)->text(), QString::fromLatin1(after.left(18)));
        QCOMPARE(list->item(0)->text(), QStringLiteral("00509 A9  03/04/25"));
    }

    void quitRoads_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("ends");
        const QStringList sure{"Are you sure?|Quit the Game"};
        QTest::newRow("start screen, Cancel, Yes") << "cancel" << true << sure << true;
        QTest::newRow("start screen, Cancel, No") << "cancel" << false << sure << false;
        QTest::newRow("game, Escape, Yes") << "escape" << true << sure << true;
        QTest::newRow("game, Escape, No") << "escape" << false << sure << false;
        QTest::newRow("game, Quit, QUIT GAME") << "quit" << true << QStringList{} << true;
        QTest::newRow("game, Quit, CANCEL") << "quit" << false << QStringList{} << false;
    }
    void quitRoads()
    {
        QFETCH(QString, road);
        QFETCH(bool, yes);
        QFETCH(QStringList, asked);
        QFETCH(bool, ends);
        Program p;
        p.messages.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        QString shown = "frmStart";
        if (road == "cancel") {
            click("frmStart", "cmdCancel");
        } else {
            shown = "frmMZemrit";
            click("frmStart", "cmdPlay");
            click(shown, "cmdStart");
            if (road == "escape") {
                QTest::keyClick(control(shown, "lstVisible"), Qt::Key_Escape);
            } else {
                click(shown, "cmdStart");
                QCOMPARE(text("frmOptions", "Label1"), QStringLiteral("QUIT, ARE YOU SURE?"));
                click("frmOptions", yes ? "cmdQuit" : "cmdPlay");
            }
        }
        QCOMPARE(p.messages.asked, asked);
        QCOMPARE(p.ended, ends);
        QCOMPARE(shownWindows(), ends ? QStringList{} : (QStringList{"Background", shown}));
        if (!ends && road == "cancel")
            QVERIFY(control<AnimatedPicture>(shown, "AnimatedGif1")->isRunning());
        if (!ends && road != "cancel")
            QVERIFY(fire(shownWindow(shown), "tmrGame")); // the game goes on
    }

    void rulesCoverTheStartScreenAndStopItsClock()
    {
        Program p;
        click("frmStart", "cmdRules");
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmRules", "frmStart"}));
        QVERIFY(!control<AnimatedPicture>("frmStart", "AnimatedGif1")->isRunning());
        QCOMPARE(shownWindow("frmRules")->focusWidget()->objectName(), QStringLiteral("Text1"));
        click("frmRules", "cmdClose");
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmStart"}));
        QVERIFY(control<AnimatedPicture>("frmStart", "AnimatedGif1")->isRunning());
    }

    // F2 opens the reset screen in the start screen's place; the ticked lists
    // become copies of the blank list, in a fixed order, after a Yes.
    void resetReplacesTheTickedListsOnly_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QList<MsgAnswer>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("reset");
        const QString question = "Reset Selected Lists?|Reset to Zero";
        QTest::newRow("none ticked") << QStringList{} << QList<MsgAnswer>{} << QStringList{} << QStringList{};
        QTest::newRow("No") << QStringList{"chkMN"} << QList<MsgAnswer>{MsgAnswer::No} << QStringList{question}
                            << QStringList{};
        QTest::newRow("two, Yes") << QStringList{"chkMN", "chkDE"} << QList<MsgAnswer>{MsgAnswer::Yes}
                                  << QStringList{question} << QStringList{"MNScores.dat", "DEScores.dat"};
        QTest::newRow("a list that cannot be written")
            << QStringList{"chkDI", "chkMN"} << QList<MsgAnswer>{MsgAnswer::Yes}
            << QStringList{question, "These lists could not be reset:\r\nDivision Intermediate|Reset to Zero"}
            << QStringList{"MNScores.dat"};
    }
    void resetReplacesTheTickedListsOnly()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QList<MsgAnswer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, reset);
        Program p;
        const QByteArray blank = QByteArray("00000 TPL 01/01/26").repeated(10);
        p.write("ScoresClear.dat", blank);
        const QStringList files{"MNScores.dat", "MIScores.dat", "MEScores.dat", "DNScores.dat", "DEScores.dat"};
        for (const QString &file : files)
            p.write(file, listWithLowest(300));
        QDir(p.folder.path()).mkdir("DIScores.dat"); // a folder where the file should be
        p.messages.answers.assign(answers.begin(), answers.end());

        QTest::keyClick(control("frmStart", "cmdRules"), Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmReset"}));
        for (const QString &box : ticked)
            control<QCheckBox>("frmReset", box)->setChecked(true);
        click("frmReset", "cmdReset");
        QCOMPARE(p.messages.asked, asked);
        for (const QString &file : files)
            QCOMPARE(p.read(file), reset.contains(file) ? blank : listWithLowest(300));
        const bool leaves = answers.value(0) == MsgAnswer::Yes;
        if (!leaves)
            click("frmReset", "cmdCancel");
        QCOMPARE(shownWindows(), (QStringList{"Background", "frmStart"}));
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
