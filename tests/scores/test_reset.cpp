#include "Fakes.h"
#include "RandomSource.h"
#include "ScoreFile.h"
#include "ScoreTestFiles.h"
#include "Services.h"
#include "frmReset.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <optional>

using namespace scoretest;

namespace {
const QStringList Codes{"MN", "MI", "ME", "DN", "DI", "DE"};

// A template a reset can be told apart from the blank list by.
QByteArray goodTemplate()
{
    return record("00000", "---", "--/--/--").repeated(10);
}

// Each list file starts with bytes of its own.
QByteArray originalOf(const QString &code)
{
    return record("00700", code.toLatin1().constData()).repeated(10);
}

QCheckBox *boxOf(frmReset *screen, const QString &code)
{
    return screen->findChild<QCheckBox *>("chk" + code);
}

bool isUnloaded(const QPointer<frmReset> &screen)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return screen.isNull();
}
}

class TestReset : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsOwnLook();
    void resetReplacesTickedListsOnly_data();
    void resetReplacesTickedListsOnly();
    void nothingTickedDoesNothing();
    void answeringNoChangesNothing();
    void cancelChangesNothing();
    void unusableTemplateStillResetsToBlank_data();
    void unusableTemplateStillResetsToBlank();
    void failedCopyIsReported_data();
    void failedCopyIsReported();
    void closingByTheWindowSystemBringsTheStartScreenBack();

private:
    frmReset *open();
    void writeAllLists();
    void expectOriginals(const QStringList &codes);

    std::unique_ptr<TempProgramFolder> m_folder;
    RecordingSound m_sound;
    SeededRandomSource m_random{1};
    ScriptedMessages m_messages;
    RecordingNavigator m_navigator;
    std::unique_ptr<Services> m_services;
};

void TestReset::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_messages = ScriptedMessages();
    m_navigator = RecordingNavigator();
    m_services.reset(new Services{m_sound, m_random, m_messages, m_navigator});
    writeBytes(m_folder->file("ScoresClear.dat"), goodTemplate());
    writeAllLists();
}

void TestReset::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
    m_folder.reset();
}

frmReset *TestReset::open()
{
    auto *screen = new frmReset(*m_services);
    screen->show();
    return screen;
}

void TestReset::writeAllLists()
{
    for (const QString &code : Codes)
        writeBytes(ScoreFile::pathFor(code), originalOf(code));
}

void TestReset::expectOriginals(const QStringList &codes)
{
    for (const QString &code : codes)
        QVERIFY2(bytesOf(ScoreFile::pathFor(code)) == originalOf(code), qPrintable(code));
}

void TestReset::opensWithItsOwnLook()
{
    frmReset *screen = open();
    QCOMPARE(screen->objectName(), QStringLiteral("frmReset"));
    QVERIFY(screen->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(screen->size(), QSize(468, 241));
    QCOMPARE(screen->Label1->text(),
             QStringLiteral("Use this form to reset Top Ten Scorers' lists to zero. Choose Game/s and "
                            "Level/s and click \"Reset\" button. "));
    QCOMPARE(screen->Frame1->title(), QStringLiteral("Multiplication"));
    QCOMPARE(screen->Frame2->title(), QStringLiteral("Division"));
    const QStringList captions{"Novice", "Intermediate", "Expert"};
    for (int i = 0; i < 6; ++i) {
        QCheckBox *box = boxOf(screen, Codes[i]);
        QVERIFY2(box, qPrintable(Codes[i]));
        QCOMPARE(box->parentWidget(), i < 3 ? screen->Frame1 : screen->Frame2);
        QCOMPARE(box->text(), captions[i % 3]);
        QVERIFY(!box->isChecked());
    }
}

void TestReset::resetReplacesTickedListsOnly_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("MN and DE") << QStringList{"MN", "DE"} << QStringList{};
    QTest::newRow("all six") << Codes << QStringList{};
    QTest::newRow("one division list") << QStringList{"DI"} << QStringList{};
    QTest::newRow("a missing list file is created") << QStringList{"ME"} << QStringList{"ME"};
    QTest::newRow("an unticked missing file stays missing") << QStringList{"MN"} << QStringList{"DN"};
}

void TestReset::resetReplacesTickedListsOnly()
{
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, missing);

    for (const QString &code : missing)
        QVERIFY(QFile::remove(ScoreFile::pathFor(code)));
    QPointer<frmReset> screen = open();
    for (const QString &code : ticked)
        boxOf(screen, code)->setChecked(true);
    m_messages.answers = {MsgAnswer::Yes};

    QTest::mouseClick(screen->cmdReset, Qt::LeftButton);

    QCOMPARE(m_messages.asked.size(), 1);
    QCOMPARE(m_messages.asked[0].prompt, QStringLiteral("Reset Selected Lists?"));
    QCOMPARE(m_messages.asked[0].title, QStringLiteral("Reset to Zero"));
    QCOMPARE(m_messages.asked[0].buttons, MsgButtons::YesNo);
    QCOMPARE(m_messages.asked[0].icon, MsgIcon::None);
    for (const QString &code : Codes) {
        const QString path = ScoreFile::pathFor(code);
        if (ticked.contains(code))
            QVERIFY2(bytesOf(path) == goodTemplate(), qPrintable(code));
        else if (missing.contains(code))
            QVERIFY2(!QFile::exists(path), qPrintable(code));
        else
            QVERIFY2(bytesOf(path) == originalOf(code), qPrintable(code));
    }
    QCOMPARE(bytesOf(m_folder->file("ScoresClear.dat")), goodTemplate());
    QCOMPARE(m_navigator.startShown, 1);
    QVERIFY(isUnloaded(screen));

    // A list read after the reset has ten zero lines, and a score of 1 enters it.
    const TopTenList list = ScoreFile::load(ScoreFile::pathFor(ticked.first()));
    QCOMPARE(list.count(), 10);
    QCOMPARE(list.lowestScore(), 0);
    QVERIFY(list.qualifies(1));
}

void TestReset::nothingTickedDoesNothing()
{
    QPointer<frmReset> screen = open();
    QTest::mouseClick(screen->cmdReset, Qt::LeftButton);
    QVERIFY(m_messages.asked.isEmpty());
    QCOMPARE(m_navigator.startShown, 0);
    QVERIFY(!isUnloaded(screen));
    expectOriginals(Codes);
}

void TestReset::answeringNoChangesNothing()
{
    QPointer<frmReset> screen = open();
    screen->chkMN->setChecked(true);
    screen->chkDE->setChecked(true);
    m_messages.answers = {MsgAnswer::No};
    QTest::mouseClick(screen->cmdReset, Qt::LeftButton);

    QCOMPARE(m_messages.asked.size(), 1);
    expectOriginals(Codes);
    QCOMPARE(m_navigator.startShown, 0);
    QVERIFY(!isUnloaded(screen));
    QVERIFY(screen->chkMN->isChecked());
    QVERIFY(screen->chkDE->isChecked());
}

void TestReset::cancelChangesNothing()
{
    QPointer<frmReset> screen = open();
    for (const QString &code : Codes)
        boxOf(screen, code)->setChecked(true);
    QTest::mouseClick(screen->cmdCancel, Qt::LeftButton);

    QVERIFY(m_messages.asked.isEmpty());
    expectOriginals(Codes);
    QCOMPARE(m_navigator.startShown, 1);
    QVERIFY(isUnloaded(screen));
}

void TestReset::unusableTemplateStillResetsToBlank_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("missing") << "missing" << QByteArray();
    QTest::newRow("a directory") << "directory" << QByteArray();
    QTest::newRow("empty") << "file" << QByteArray();
    QTest::newRow("one byte short") << "file" << goodTemplate().chopped(1);
    QTest::newRow("one byte over") << "file" << goodTemplate() + ' ';
    QTest::newRow("eleven records") << "file" << goodTemplate() + record("00000");
    QTest::newRow("score field not digits")
        << "file" << (goodTemplate().chopped(18) + record("0000x"));
}

void TestReset::unusableTemplateStillResetsToBlank()
{
    QFETCH(QString, state);
    QFETCH(QByteArray, bytes);

    const QString templatePath = m_folder->file("ScoresClear.dat");
    QFile::remove(templatePath);
    if (state == "directory")
        QVERIFY(QDir(m_folder->path()).mkdir("ScoresClear.dat"));
    if (state == "file")
        writeBytes(templatePath, bytes);

    QPointer<frmReset> screen = open();
    screen->chkMI->setChecked(true);
    m_messages.answers = {MsgAnswer::Yes};
    QTest::mouseClick(screen->cmdReset, Qt::LeftButton);

    const QByteArray blank = QByteArray("00000             ").repeated(10);
    QCOMPARE(bytesOf(ScoreFile::pathFor("MI")), blank);
    expectOriginals({"MN", "ME", "DN", "DI", "DE"});
    // The template is only ever read.
    QCOMPARE(QFileInfo(templatePath).isDir(), state == "directory");
    QCOMPARE(QFile::exists(templatePath), state != "missing");
    if (state == "file")
        QCOMPARE(bytesOf(templatePath), bytes);
    QCOMPARE(m_messages.asked.size(), 1);
    QVERIFY(isUnloaded(screen));
}

void TestReset::failedCopyIsReported_data()
{
    QTest::addColumn<bool>("limitWrites");
    QTest::newRow("a directory in the list's place") << false;
    QTest::newRow("every write fails midway") << true;
}

void TestReset::failedCopyIsReported()
{
    QFETCH(bool, limitWrites);

    if (!limitWrites) {
        QVERIFY(QFile::remove(ScoreFile::pathFor("DE")));
        QVERIFY(QDir(m_folder->path()).mkdir("DEScores.dat"));
    }
    const QStringList before = entriesOf(m_folder->path());
    QPointer<frmReset> screen = open();
    screen->chkMN->setChecked(true);
    screen->chkDE->setChecked(true);
    m_messages.answers = {MsgAnswer::Yes};
    {
        std::optional<FileSizeLimit> limit;
        if (limitWrites)
            limit.emplace(100);
        QTest::mouseClick(screen->cmdReset, Qt::LeftButton);
    }

    if (limitWrites) {
        expectOriginals(Codes);
    } else {
        QCOMPARE(bytesOf(ScoreFile::pathFor("MN")), goodTemplate());
        QVERIFY(QFileInfo(ScoreFile::pathFor("DE")).isDir());
    }
    QCOMPARE(m_messages.asked.size(), 2);
    const ScriptedMessages::Asked &report = m_messages.asked[1];
    QCOMPARE(report.title, QStringLiteral("Reset to Zero"));
    QCOMPARE(report.buttons, MsgButtons::Ok);
    QCOMPARE(report.icon, MsgIcon::Exclamation);
    QVERIFY(report.prompt.contains("Division Expert"));
    QCOMPARE(report.prompt.contains("Multiplication Novice"), limitWrites);
    QCOMPARE(m_navigator.startShown, 1);
    QVERIFY(isUnloaded(screen));
    QCOMPARE(entriesOf(m_folder->path()), before); // no temporary file left beside the lists
}

void TestReset::closingByTheWindowSystemBringsTheStartScreenBack()
{
    QPointer<frmReset> screen = open();
    screen->chkMN->setChecked(true);
    QCloseEvent request;
    QApplication::sendEvent(screen->windowHandle(), &request);

    QCOMPARE(m_navigator.startShown, 1);
    QVERIFY(m_messages.asked.isEmpty());
    expectOriginals(Codes);
    QVERIFY(isUnloaded(screen));
}

QTEST_MAIN(TestReset)
#include "test_reset.moc"
