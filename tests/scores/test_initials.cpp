#include "Fakes.h"
#include "RandomSource.h"
#include "ScoreFile.h"
#include "ScoreTestFiles.h"
#include "Services.h"
#include "TopTenHost.h"
#include "frmInitials.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace scoretest;

namespace {
// Stands in for the game screen whose score is being recorded.
class HostStandIn final : public TopTenHost {
public:
    int finalScore() const override { return score; }
    TopTenList &topTen() override { return list; }
    void showTopTen() override
    {
        ++refreshed;
        visible = list.visibleLines();
    }
    QWidget *hostWindow() override { return window; }

    int score = 0;
    QWidget *window = nullptr;
    TopTenList list;
    QStringList visible;
    int refreshed = 0;
};

const QDate Day(2026, 7, 4);
const QString PlayAgain = QStringLiteral("PLAY ANOTHER GAME?|PLAY AGAIN");

// Ten lines from 00100 up to 01000; the 00100 line is the lowest.
QByteArray startingFile()
{
    QByteArray bytes;
    for (int s = 1000; s >= 100; s -= 100)
        bytes += record(QByteArray::number(s).rightJustified(5, '0').constData(), "OLD", "03/03/25");
    return bytes;
}

// Sends each character as a typed key, whatever its code.
void typeCharacters(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

bool isUnloaded(const QPointer<frmInitials> &dialog)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dialog.isNull();
}
}

class TestInitials : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsOwnLook();
    void standsOverTheGameScreenWithoutJoiningIt();
    void typedCharactersBecomeUpperCase_data();
    void typedCharactersBecomeUpperCase();
    void pastedTextBecomesUpperCase();
    void emptyInitialsAreRefused();
    void okRecordsTheLineAndRewritesTheFile_data();
    void okRecordsTheLineAndRewritesTheFile();
    void okAfterRefusalRecordsTheLine();
    void cancelLeavesEverything();
    void closingFromTitleBarActsAsCancel();
    void closingByTheProgramHandsOverNothing();
    void failedSaveTellsThePlayerAndKeepsTheFile();

private:
    frmInitials *open();

    std::unique_ptr<TempProgramFolder> m_folder;
    RecordingSound m_sound;
    SeededRandomSource m_random{1};
    ScriptedMessages m_messages;
    RecordingNavigator m_navigator;
    std::unique_ptr<Services> m_services;
    HostStandIn m_host;
    QString m_path;
};

void TestInitials::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_messages = ScriptedMessages();
    m_navigator = RecordingNavigator();
    m_navigator.level = QStringLiteral("MI");
    m_services.reset(new Services{m_sound, m_random, m_messages, m_navigator});
    m_path = ScoreFile::pathFor("MI");
    writeBytes(m_path, startingFile());
    m_host = HostStandIn();
    m_host.score = 250;
    m_host.list = ScoreFile::load(m_path);
}

void TestInitials::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
    m_folder.reset();
}

frmInitials *TestInitials::open()
{
    auto *dialog = new frmInitials(*m_services, &m_host);
    dialog->today = [] { return Day; };
    dialog->show();
    return dialog;
}

void TestInitials::opensWithItsOwnLook()
{
    frmInitials *dialog = open();
    QCOMPARE(dialog->objectName(), QStringLiteral("frmInitials"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("CONGRATULATIONS !"));
    QCOMPARE(dialog->size(), QSize(431, 157));
    QCOMPARE(dialog->strGameLevel, QStringLiteral("MI"));
    QCOMPARE(dialog->Label2->text(),
             QStringLiteral("Enter your initials below and click \"OK\" to") + QString(20, ' ')
                 + QStringLiteral("add your score to the list !"));
    QVERIFY(dialog->Label2->wordWrap());
    QCOMPARE(dialog->Text1->text(), QString());
    QCOMPARE(dialog->Text1->maxLength(), 3);
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
}

void TestInitials::standsOverTheGameScreenWithoutJoiningIt()
{
    QWidget game;
    game.show();
    m_host.window = &game;
    frmInitials *dialog = open();
    QVERIFY(dialog->isWindow());
    QVERIFY(!dialog->parent());
    QVERIFY(game.findChildren<QWidget *>().isEmpty());
    QCOMPARE(dialog->windowHandle()->transientParent(), game.windowHandle());
    delete dialog;
    m_host.window = nullptr;
}

void TestInitials::typedCharactersBecomeUpperCase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letters") << "abc" << "ABC";
    QTest::newRow("mixed case") << "aBc" << "ABC";
    QTest::newRow("digits and punctuation pass") << "a1!" << "A1!";
    QTest::newRow("space counts") << " x" << " X";
    QTest::newRow("at most three") << "abcd" << "ABC";
    QTest::newRow("accented letter with an 8-bit capital") << "\u00e9a" << "\u00c9A";
    QTest::newRow("sharp s has no single capital and stays") << "\u00df" << "\u00df";
    QTest::newRow("letter whose capital needs two bytes") << "\u00ffb" << "B";
    QTest::newRow("letter outside the 8-bit set") << "\u0436z" << "Z";
    QTest::newRow("symbol outside the 8-bit set") << "\u20aca" << "A";
}

void TestInitials::typedCharactersBecomeUpperCase()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    frmInitials *dialog = open();
    typeCharacters(dialog->Text1, typed);
    QCOMPARE(dialog->Text1->text(), shown);

    // Backspace still works on what was taken.
    QTest::keyClick(dialog->Text1, Qt::Key_Backspace);
    QCOMPARE(dialog->Text1->text(), shown.chopped(1));
}

void TestInitials::pastedTextBecomesUpperCase()
{
    frmInitials *dialog = open();
    QTest::keyClicks(dialog->Text1, "ab");
    QCOMPARE(dialog->Text1->text(), QStringLiteral("AB"));
    dialog->Text1->insert("z");
    QCOMPARE(dialog->Text1->text(), QStringLiteral("ABZ"));
    dialog->Text1->clear();
    dialog->Text1->insert("q\u0436");
    QCOMPARE(dialog->Text1->text(), QString());
}

void TestInitials::emptyInitialsAreRefused()
{
    QPointer<frmInitials> dialog = open();
    const TopTenList before = m_host.list;

    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);

    QCOMPARE(m_messages.asked.size(), 1);
    QCOMPARE(m_messages.asked[0].prompt, QStringLiteral("Initials must be entered!\r\nplease retry."));
    QCOMPARE(m_messages.asked[0].title, QStringLiteral("Tempozap"));
    QCOMPARE(m_messages.asked[0].buttons, MsgButtons::Ok);
    QCOMPARE(m_messages.asked[0].icon, MsgIcon::Exclamation);
    QCOMPARE(m_host.list.lines(), before.lines());
    QCOMPARE(m_host.refreshed, 0);
    QCOMPARE(bytesOf(m_path), startingFile());
    QVERIFY(m_navigator.playAgain.isEmpty());
    QVERIFY(!isUnloaded(dialog));
    QVERIFY(dialog->isVisible());
}

void TestInitials::okRecordsTheLineAndRewritesTheFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");

    QTest::newRow("one initial") << "x" << "00250 X   07/04/26";
    QTest::newRow("two initials") << "ab" << "00250 AB  07/04/26";
    QTest::newRow("three initials") << "abc" << "00250 ABC 07/04/26";
    QTest::newRow("a single space") << " " << "00250     07/04/26";
}

void TestInitials::okRecordsTheLineAndRewritesTheFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);

    QPointer<frmInitials> dialog = open();
    QTest::keyClicks(dialog->Text1, typed);
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);

    const QStringList lines = m_host.list.lines();
    QCOMPARE(lines.size(), 10);
    QVERIFY(!lines.contains("00100 OLD 03/03/25"));
    QCOMPARE(lines.at(0), QStringLiteral("00200 OLD 03/03/25"));
    QCOMPARE(lines.at(1), line);
    QCOMPARE(m_host.refreshed, 1);
    QCOMPARE(m_host.visible.first(), QStringLiteral("01000 OLD 03/03/25"));
    QCOMPARE(m_host.visible.at(8), line);

    const QByteArray bytes = bytesOf(m_path);
    QCOMPARE(bytes.size(), 180);
    QCOMPARE(bytes.left(18), QByteArray("00200 OLD 03/03/25"));
    QCOMPARE(bytes.mid(18, 18), line.toLatin1());
    QCOMPARE(ScoreFile::load(m_path).lines(), lines);

    QVERIFY(m_messages.asked.isEmpty());
    QCOMPARE(m_navigator.playAgain, QStringList{PlayAgain});
    QVERIFY(isUnloaded(dialog));
}

void TestInitials::okAfterRefusalRecordsTheLine()
{
    QPointer<frmInitials> dialog = open();
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QTest::keyClicks(dialog->Text1, "x");
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);

    QCOMPARE(m_messages.asked.size(), 1);
    QVERIFY(m_host.list.lines().contains("00250 X   07/04/26"));
    QCOMPARE(m_navigator.playAgain, QStringList{PlayAgain});
    QVERIFY(isUnloaded(dialog));
}

void TestInitials::cancelLeavesEverything()
{
    QPointer<frmInitials> dialog = open();
    const TopTenList before = m_host.list;
    QTest::keyClicks(dialog->Text1, "abc");
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);

    QCOMPARE(bytesOf(m_path), startingFile());
    QCOMPARE(m_host.list.lines(), before.lines());
    QCOMPARE(m_host.refreshed, 0);
    QVERIFY(m_messages.asked.isEmpty());
    QCOMPARE(m_navigator.playAgain, QStringList{PlayAgain});
    QVERIFY(isUnloaded(dialog));
}

void TestInitials::closingFromTitleBarActsAsCancel()
{
    QPointer<frmInitials> dialog = open();
    QTest::keyClicks(dialog->Text1, "abc");
    QVERIFY(dialog->windowHandle());
    // The window system's close request reaches the window, not the widget.
    QCloseEvent request;
    QApplication::sendEvent(dialog->windowHandle(), &request);

    QCOMPARE(bytesOf(m_path), startingFile());
    QCOMPARE(m_host.refreshed, 0);
    QCOMPARE(m_navigator.playAgain, QStringList{PlayAgain});
    QVERIFY(isUnloaded(dialog));
}

void TestInitials::closingByTheProgramHandsOverNothing()
{
    QPointer<frmInitials> dialog = open();
    dialog->close();
    QVERIFY(m_navigator.playAgain.isEmpty());
    QCOMPARE(bytesOf(m_path), startingFile());
    QVERIFY(isUnloaded(dialog));
}

void TestInitials::failedSaveTellsThePlayerAndKeepsTheFile()
{
    QPointer<frmInitials> dialog = open();
    QTest::keyClicks(dialog->Text1, "abc");
    {
        FileSizeLimit limit(100);
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    }

    QCOMPARE(m_messages.asked.size(), 1);
    QCOMPARE(m_messages.asked[0].title, QStringLiteral("Tempozap"));
    QCOMPARE(m_messages.asked[0].icon, MsgIcon::Exclamation);
    QVERIFY(m_messages.asked[0].prompt.contains("could not be saved"));
    QCOMPARE(bytesOf(m_path), startingFile());
    QCOMPARE(entriesOf(m_folder->path()), QStringList{"MIScores.dat"});
    // The list on screen already holds the line; the game goes on as after any OK.
    QVERIFY(m_host.list.lines().contains("00250 ABC 07/04/26"));
    QCOMPARE(m_navigator.playAgain, QStringList{PlayAgain});
    QVERIFY(isUnloaded(dialog));
}

QTEST_MAIN(TestInitials)
#include "test_initials.moc"
