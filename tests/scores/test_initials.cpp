#include "Fakes.h"
#include "RandomSource.h"
#include "ScoreFile.h"
#include "ScoreTestFiles.h"
#include "Services.h"
#include "TopTenHost.h"
#include "frmInitials.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace scoretest;

namespace {
// Stands in for the game screen whose score is being recorded.
class HostStandIn final : public TopTenHost {
public:
    int finalScore() const override { return 250; }
    TopTenList &topTen() override { return list; }
    void showTopTen() override { visible = list.visibleLines(); }
    QWidget *hostWindow() override { return nullptr; }

    TopTenList list;
    QStringList visible; // what was last shown
};

const QString PlayAgain = QStringLiteral("PLAY ANOTHER GAME?|PLAY AGAIN");

// Ten lines from 00100 up to 01000; the 00100 line is the lowest.
QByteArray startingFile()
{
    QByteArray bytes;
    for (int s = 1000; s >= 100; s -= 100)
        bytes += record(QByteArray::number(s).rightJustified(5, '0').constData(), "OLD", "03/03/25");
    return bytes;
}
}

class TestInitials : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { deleteAllWindows(); m_folder.reset(); }

    void enteredCharactersBecomeUpperCase_data();
    void enteredCharactersBecomeUpperCase();
    void emptyInitialsAreRefusedThenAccepted();
    void closingTheDialog_data();
    void closingTheDialog();
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
    m_services.reset(new Services{m_sound, m_random, m_messages, m_navigator});
    m_path = ScoreFile::pathFor("MI");
    writeBytes(m_path, startingFile());
    m_host = HostStandIn();
    m_host.list = ScoreFile::load(m_path);
}

frmInitials *TestInitials::open()
{
    auto *dialog = new frmInitials(*m_services, &m_host);
    dialog->today = [] { return QDate(2026, 7, 4); };
    dialog->show();
    return dialog;
}

void TestInitials::enteredCharactersBecomeUpperCase_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letters") << "aBc" << false << "ABC";
    QTest::newRow("digits and punctuation pass") << "a1!" << false << "A1!";
    QTest::newRow("at most three") << "abcd" << false << "ABC";
    QTest::newRow("accented letter with an 8-bit capital") << "\u00e9a" << false << "\u00c9A";
    QTest::newRow("sharp s has no single capital and stays") << "\u00df" << false << "\u00df";
    QTest::newRow("letter whose capital needs two bytes") << "\u00ffb" << false << "B";
    QTest::newRow("letter outside the 8-bit set") << "\u0436z" << false << "Z";
    QTest::newRow("pasted") << "ab" << true << "AB";
    QTest::newRow("pasted with a character outside the 8-bit set") << "q\u0436" << true << "";
}

void TestInitials::enteredCharactersBecomeUpperCase()
{
    QFETCH(QString, entered);
    QFETCH(bool, pasted);
    QFETCH(QString, shown);

    QLineEdit *field = open()->Text1;
    if (pasted) {
        field->insert(entered);
    } else {
        for (const QChar c : entered) { // each character typed as a key, whatever its code
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    QCOMPARE(field->text(), shown);
}

void TestInitials::emptyInitialsAreRefusedThenAccepted()
{
    QPointer<frmInitials> dialog = open();
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);

    QCOMPARE(m_messages.asked.size(), 1);
    QCOMPARE(m_messages.asked[0].prompt, QStringLiteral("Initials must be entered!\r\nplease retry."));
    QCOMPARE(m_messages.asked[0].title, QStringLiteral("Tempozap"));
    QCOMPARE(m_messages.asked[0].icon, MsgIcon::Exclamation);
    QCOMPARE(bytesOf(m_path), startingFile());
    QVERIFY(m_host.visible.isEmpty() && m_navigator.playAgain.isEmpty());
    QVERIFY(!isUnloaded(dialog) && dialog->isVisible());

    QTest::keyClicks(dialog->Text1, "x");
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QVERIFY(m_host.list.lines().contains("00250 X   07/04/26"));
    QCOMPARE(m_navigator.playAgain, QStringList{PlayAgain});
    QVERIFY(isUnloaded(dialog));
}

void TestInitials::closingTheDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("line"); // empty: list and file unchanged

    QTest::newRow("OK, one initial") << "x" << "ok" << "00250 X   07/04/26";
    QTest::newRow("OK, two initials") << "ab" << "ok" << "00250 AB  07/04/26";
    QTest::newRow("OK, three initials") << "abc" << "ok" << "00250 ABC 07/04/26";
    QTest::newRow("OK, a single space") << " " << "ok" << "00250     07/04/26";
    QTest::newRow("Cancel") << "abc" << "cancel" << "";
    QTest::newRow("title bar acts as Cancel") << "abc" << "window" << "";
    QTest::newRow("closed by the program, nothing handed over") << "abc" << "program" << "";
}

void TestInitials::closingTheDialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, line);

    QPointer<frmInitials> dialog = open();
    const QStringList before = m_host.list.lines();
    QTest::keyClicks(dialog->Text1, typed);
    if (how == "ok") {
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    } else if (how == "cancel") {
        QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    } else if (how == "window") { // the window system's request reaches the window, not the widget
        QCloseEvent request;
        QApplication::sendEvent(dialog->windowHandle(), &request);
    } else {
        dialog->close();
    }

    if (line.isEmpty()) {
        QCOMPARE(bytesOf(m_path), startingFile());
        QCOMPARE(m_host.list.lines(), before);
        QVERIFY(m_host.visible.isEmpty());
    } else {
        // The lowest line makes way; the new one is shown and saved as 18 bytes.
        const QStringList lines = m_host.list.lines();
        QCOMPARE(lines.mid(0, 2), (QStringList{"00200 OLD 03/03/25", line}));
        QCOMPARE(m_host.visible.at(8), line);
        const QByteArray bytes = bytesOf(m_path);
        QCOMPARE(bytes.size(), 180);
        QCOMPARE(bytes.mid(18, 18), line.toLatin1());
        QCOMPARE(ScoreFile::load(m_path).lines(), lines);
    }
    QVERIFY(m_messages.asked.isEmpty());
    QCOMPARE(m_navigator.playAgain, how == "program" ? QStringList() : QStringList{PlayAgain});
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
