// The application shell: start-up, the start screen, the backdrop, the
// play-again dialog, the rules screen, and quitting.
#include "AnimatedPicture.h"
#include "Background.h"
#include "Fakes.h"
#include "GameScreen.h"
#include "Layout.h"
#include "RandomSource.h"
#include "Screens.h"
#include "frmOptions.h"
#include "frmReset.h"
#include "frmRules.h"
#include "frmStart.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {
struct Shell {
    TempProgramFolder folder;
    RecordingSound sound;
    SeededRandomSource random{7};
    ScriptedMessages messages;
    Screens screens{sound, random, messages};
    int ended = 0;
    Shell()
    {
        QFile::copy(QStringLiteral(TZ_ASSET_DIR "/CLOCK.gif"), folder.file(QStringLiteral("CLOCK.gif")));
        screens.endProgram = [this] { ++ended; };
        screens.startProgram();
    }
    frmStart *start() { return screens.loadedStart(); }
};

QString caption(QWidget *screen, const char *name)
{
    auto *w = screen->findChild<QWidget *>(QString::fromLatin1(name));
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return QStringLiteral("<missing %1>").arg(QLatin1String(name));
}
}

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsStartScreenOverTheBackdropThatRingsOnce()
    {
        Shell s;
        frmStart *start = s.start();
        QVERIFY(start && start->isVisible());
        QVERIFY(start->optMult->isChecked() && start->optIntermediate->isChecked());
        QVERIFY(start->strGameLevel.isEmpty());
        QCOMPARE(start->AnimatedGif1->path(), s.folder.file(QStringLiteral("CLOCK.gif")));

        Background *back = s.screens.loadedBackground();
        QVERIFY(back && back->isVisible());
        const QRect area = back->screen()->availableGeometry();
        QCOMPARE(back->geometry(), area.adjusted(0, 0, 0, twips::toPx(400)));
        QTRY_COMPARE(s.sound.played, QStringList{"ring.WAV"});
        QTest::qWait(250);
        QCOMPARE(s.sound.played.size(), 1);
    }

    void playOpensTheChosenGameWithItsMinutes_data()
    {
        QTest::addColumn<bool>("division");
        QTest::addColumn<int>("level"); // 0 novice, 1 intermediate, 2 expert
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("MN") << false << 0 << "MN" << "5";
        QTest::newRow("MI") << false << 1 << "MI" << "4";
        QTest::newRow("ME") << false << 2 << "ME" << "3";
        QTest::newRow("DN") << true << 0 << "DN" << "5";
        QTest::newRow("DI") << true << 1 << "DI" << "4";
        QTest::newRow("DE") << true << 2 << "DE" << "3";
    }
    void playOpensTheChosenGameWithItsMinutes()
    {
        QFETCH(bool, division);
        QFETCH(int, level);
        QFETCH(QString, code);
        QFETCH(QString, minutes);
        Shell s;
        frmStart *start = s.start();
        (division ? start->optDiv : start->optMult)->setChecked(true);
        QRadioButton *levels[] = {start->optNovice, start->optIntermediate, start->optExpert};
        levels[level]->setChecked(true);
        QTest::mouseClick(start->cmdPlay, Qt::LeftButton);

        QCOMPARE(start->strGameLevel, code);
        QCOMPARE(s.screens.gameLevel(), code);
        const GameType type = division ? GameType::Division : GameType::Multiplication;
        const GameType other = division ? GameType::Multiplication : GameType::Division;
        GameScreen *game = s.screens.loadedGame(type);
        QVERIFY(game && game->isVisible());
        QVERIFY(!s.screens.loadedGame(other));
        QCOMPARE(caption(game, "lblMin"), minutes);
        QCOMPARE(caption(game, "lblSec"), QStringLiteral("00"));
        QVERIFY(!start->isVisible());
        QVERIFY(start->AnimatedGif1->isRunning()); // Play does not stop the clock animation
    }

    void cancelAsksBeforeEndingTheProgram_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps the start screen") << false;
        QTest::newRow("Yes ends the program") << true;
    }
    void cancelAsksBeforeEndingTheProgram()
    {
        QFETCH(bool, yes);
        Shell s;
        s.messages.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        QTest::mouseClick(s.start()->cmdCancel, Qt::LeftButton);
        QCOMPARE(s.messages.asked.size(), 1);
        QCOMPARE(s.messages.asked[0].prompt, QStringLiteral("Are you sure?"));
        QCOMPARE(s.messages.asked[0].title, QStringLiteral("Quit the Game"));
        QCOMPARE(s.messages.asked[0].buttons, MsgButtons::YesNo);
        QCOMPARE(s.ended, yes ? 1 : 0);
        if (yes) {
            QVERIFY(!s.screens.loadedStart() && !s.screens.loadedBackground());
            QCOMPARE(visibleWindows(), QStringList());
        } else {
            QVERIFY(s.start()->isVisible() && s.start()->AnimatedGif1->isRunning());
        }
    }

    void rulesCoverTheStartScreenAndCloseResumesTheClock()
    {
        Shell s;
        QTest::mouseClick(s.start()->cmdRules, Qt::LeftButton);
        frmRules *rules = s.screens.loadedRules();
        QVERIFY(rules && rules->isVisible());
        QVERIFY(!s.start()->AnimatedGif1->isRunning());
        const QString text = rules->Text1->toPlainText();
        for (const char *heading : {"Instructions and Game Play", "MAINTENANCE OF TOP TEN LISTS:", "F2"})
            QVERIFY2(text.contains(QLatin1String(heading)), heading);
        // What the player types is not kept for the next opening.
        rules->Text1->appendPlainText(QStringLiteral("scribble"));
        QTest::mouseClick(rules->cmdClose, Qt::LeftButton);
        QVERIFY(!s.screens.loadedRules());
        QVERIFY(s.start()->AnimatedGif1->isRunning());
        QTest::mouseClick(s.start()->cmdRules, Qt::LeftButton);
        QVERIFY(!s.screens.loadedRules()->Text1->toPlainText().contains(QLatin1String("scribble")));
    }

    void f2OpensTheResetScreenWhateverTheModifiers_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift+F2") << int(Qt::Key_F2) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+F2") << int(Qt::Key_F2) << int(Qt::ControlModifier) << true;
        QTest::newRow("F3") << int(Qt::Key_F3) << int(Qt::NoModifier) << false;
    }
    void f2OpensTheResetScreenWhateverTheModifiers()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        Shell s;
        // Sent to the focused option button: the form sees it first.
        QTest::keyClick(s.start()->optDiv, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(bool(s.screens.loadedReset()), opens);
        QCOMPARE(s.start()->isVisible(), !opens);
        QVERIFY(s.messages.asked.isEmpty());
        if (opens) { // the reset screen's Cancel brings the start screen back
            QTest::mouseClick(s.screens.loadedReset()->findChild<QPushButton *>(QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
            QVERIFY(!s.screens.loadedReset() && s.start()->isVisible());
        }
    }

    void playAgainDialogActsOnItsCaption_data()
    {
        QTest::addColumn<QString>("playCaption");
        QTest::addColumn<bool>("backToStart");
        QTest::addColumn<bool>("dialogStays");
        QTest::newRow("PLAY AGAIN") << "PLAY AGAIN" << true << false;
        QTest::newRow("CANCEL") << "CANCEL" << false << false;
        QTest::newRow("other caption") << "Play again" << false << true;
    }
    void playAgainDialogActsOnItsCaption()
    {
        QFETCH(QString, playCaption);
        QFETCH(bool, backToStart);
        QFETCH(bool, dialogStays);
        Shell s;
        s.start()->optDiv->setChecked(true);
        QTest::mouseClick(s.start()->cmdPlay, Qt::LeftButton);
        s.screens.showPlayAgain(QStringLiteral("PLAY ANOTHER GAME?"), playCaption);
        frmOptions *dialog = s.screens.loadedOptions();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Label1->text(), QStringLiteral("PLAY ANOTHER GAME?"));
        QTest::mouseClick(dialog->cmdPlay, Qt::LeftButton);

        QCOMPARE(bool(s.screens.loadedOptions()), dialogStays);
        QCOMPARE(bool(s.screens.loadedGame(GameType::Division)), !backToStart);
        QCOMPARE(s.start()->isVisible(), backToStart);
        if (backToStart)
            QVERIFY(s.start()->optDiv->isChecked()); // last choices kept
        QCOMPARE(s.ended, 0);
    }

    void lastCallerWinsAndClosingBlanksTheDialog()
    {
        Shell s;
        QTest::mouseClick(s.start()->cmdPlay, Qt::LeftButton);
        s.screens.showPlayAgain(QStringLiteral("PLAY ANOTHER GAME?"), QStringLiteral("PLAY AGAIN"));
        frmOptions *dialog = s.screens.loadedOptions();
        s.screens.showPlayAgain(QStringLiteral("QUIT, ARE YOU SURE?"), QStringLiteral("CANCEL"));
        QCOMPARE(s.screens.loadedOptions(), dialog);
        QCOMPARE(dialog->Label1->text(), QStringLiteral("QUIT, ARE YOU SURE?"));
        QCOMPARE(dialog->cmdPlay->text(), QStringLiteral("CANCEL"));
        dialog->close(); // the window manager's close: blanks the captions, as CANCEL
        QVERIFY(!s.screens.loadedOptions());
        QVERIFY(s.screens.loadedGame(GameType::Multiplication));
    }

    void quitGameClosesEveryWindowWhateverIsOpen()
    {
        Shell s;
        QTest::mouseClick(s.start()->cmdPlay, Qt::LeftButton);
        s.screens.showPlayAgain(QStringLiteral("QUIT, ARE YOU SURE?"), QStringLiteral("CANCEL"));
        s.screens.openInitials();
        QTest::mouseClick(s.screens.loadedOptions()->cmdQuit, Qt::LeftButton);
        QCOMPARE(s.ended, 1);
        QVERIFY(!s.screens.loadedGame(GameType::Multiplication));
        QVERIFY(!s.screens.loadedInitials());
        QVERIFY(!s.screens.loadedOptions());
        QVERIFY(!s.screens.loadedStart());
        QCOMPARE(visibleWindows(), QStringList());
        // Nothing opens after the quit.
        s.screens.showPlayAgain(QStringLiteral("PLAY ANOTHER GAME?"), QStringLiteral("PLAY AGAIN"));
        QVERIFY(!s.screens.loadedOptions());
    }

};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
