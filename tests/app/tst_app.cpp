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
    void startUpShowsStartScreenOverBackdropWithDefaults()
    {
        Shell s;
        frmStart *start = s.start();
        QVERIFY(start && start->isVisible());
        QVERIFY(s.screens.loadedBackground() && s.screens.loadedBackground()->isVisible());
        QVERIFY(start->optMult->isChecked());
        QVERIFY(start->optIntermediate->isChecked());
        QVERIFY(start->strGameLevel.isEmpty());
        QCOMPARE(start->AnimatedGif1->path(), s.folder.path() + QStringLiteral("/CLOCK.gif"));
        QCOMPARE(start->size(), QSize(620, 245));
        QCOMPARE(start->cmdPlay->geometry(), twips::rect(360, 2880, 1215, 495));
        QCOMPARE(start->optExpert->geometry(), twips::rect(360, 960, 2655, 495));
        QCOMPARE(start->AnimatedGif1->geometry(), twips::rect(2400, 120, 2295, 2535));
        QCOMPARE(start->palette().color(QPalette::Window), colours::yellow);
        const QStringList captions{caption(start, "cmdPlay"), caption(start, "cmdCancel"),
                                   caption(start, "cmdRules"), start->Frame1->title(),
                                   start->Frame2->title(), caption(start, "optNovice(0)")};
        QCOMPARE(captions, (QStringList{"Play", "Cancel", "Rules", "Choose Game", "Choose Level",
                                        "5 minutes - Novice"}));
        // Tab order: game options, level options, then the three buttons.
        QCOMPARE(start->optExpert->nextInFocusChain(), static_cast<QWidget *>(start->cmdPlay));
    }

    void backdropCoversTheWorkAreaAndRingsOnce()
    {
        Shell s;
        Background *back = s.screens.loadedBackground();
        const QRect area = back->screen()->availableGeometry();
        QCOMPARE(back->geometry(), QRect(area.left(), area.top(), area.width(),
                                         area.height() + twips::toPx(400)));
        QCOMPARE(back->palette().color(QPalette::Window), colours::blue);
        QVERIFY(back->Timer1.isActive());
        QCOMPARE(back->Timer1.interval(), 100);
        QTRY_COMPARE(s.sound.played, QStringList{"ring.WAV"});
        QVERIFY(!back->Timer1.isActive());
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
        QCOMPARE(game->objectName(), QString(division ? "frmDZemrit" : "frmMZemrit"));
        QCOMPARE(caption(game, "lblMin"), minutes);
        QCOMPARE(caption(game, "lblSec"), QStringLiteral("00"));
        QVERIFY(!start->isVisible());
        QVERIFY(start->AnimatedGif1->isRunning()); // Play does not stop the clock animation
    }

    void cancelAsksAndNoKeepsTheStartScreen()
    {
        Shell s;
        s.messages.answers = {MsgAnswer::No};
        QTest::mouseClick(s.start()->cmdCancel, Qt::LeftButton);
        QCOMPARE(s.messages.asked.size(), 1);
        QCOMPARE(s.messages.asked[0].prompt, QStringLiteral("Are you sure?"));
        QCOMPARE(s.messages.asked[0].title, QStringLiteral("Quit the Game"));
        QCOMPARE(s.messages.asked[0].buttons, MsgButtons::YesNo);
        QVERIFY(s.start()->isVisible());
        QVERIFY(s.start()->AnimatedGif1->isVisible());
        QVERIFY(s.start()->AnimatedGif1->isRunning());
        QCOMPARE(s.ended, 0);
    }

    void cancelYesEndsTheProgram()
    {
        Shell s;
        s.messages.answers = {MsgAnswer::Yes};
        QTest::mouseClick(s.start()->cmdCancel, Qt::LeftButton);
        QCOMPARE(s.ended, 1);
        QVERIFY(!s.screens.loadedStart());
        QVERIFY(!s.screens.loadedBackground());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void rulesCoverTheStartScreenAndCloseResumesTheClock()
    {
        Shell s;
        QTest::mouseClick(s.start()->cmdRules, Qt::LeftButton);
        frmRules *rules = s.screens.loadedRules();
        QVERIFY(rules && rules->isVisible());
        QVERIFY(!s.start()->AnimatedGif1->isRunning());
        QCOMPARE(rules->size(), QSize(678, 545));
        QCOMPARE(rules->palette().color(QPalette::Window), colours::red);
        const QString text = rules->Text1->toPlainText();
        for (const char *heading : {"Tempozap", "Instructions and Game Play", "GETTING STARTED:",
                                    "GAME PLAY:", "MULTIPLICATION:", "DIVISION:", "END OF GAME:",
                                    "MAINTENANCE OF TOP TEN LISTS:", "Products Remaining",
                                    "Dividends Remaining", "F2"})
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
        QTest::newRow("a") << int(Qt::Key_A) << int(Qt::NoModifier) << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
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
        QCOMPARE(dialog->cmdQuit->text(), QStringLiteral("QUIT GAME"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Tempozap"));
        QCOMPARE(dialog->size(), QSize(362, 93));
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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        // Nothing opens after the quit.
        s.screens.showPlayAgain(QStringLiteral("PLAY ANOTHER GAME?"), QStringLiteral("PLAY AGAIN"));
        QVERIFY(!s.screens.loadedOptions());
    }

    void resetScreenReturnsToTheStartScreen()
    {
        Shell s;
        QTest::keyClick(s.start(), Qt::Key_F2);
        frmReset *reset = s.screens.loadedReset();
        QVERIFY(reset);
        auto *cancel = reset->findChild<QPushButton *>(QStringLiteral("cmdCancel"));
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!s.screens.loadedReset());
        QVERIFY(s.start()->isVisible());
    }
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
