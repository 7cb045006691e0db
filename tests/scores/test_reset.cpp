#include "Fakes.h"
#include "RandomSource.h"
#include "ScoreFile.h"
#include "ScoreTestFiles.h"
#include "Services.h"
#include "frmReset.h"

#include <QCheckBox>
#include <QCloseEvent>
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
}

class TestReset : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { deleteAllWindows(); m_folder.reset(); }

    void resetReplacesTickedListsOnly_data();
    void resetReplacesTickedListsOnly();
    void leavingWithoutResetChangesNothing_data();
    void leavingWithoutResetChangesNothing();
    void unusableTemplateStillResetsToBlank_data();
    void unusableTemplateStillResetsToBlank();
    void failedCopyIsReported_data();
    void failedCopyIsReported();

private:
    frmReset *openTicking(const QStringList &codes);
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
    for (const QString &code : Codes)
        writeBytes(ScoreFile::pathFor(code), originalOf(code));
}

frmReset *TestReset::openTicking(const QStringList &codes)
{
    auto *screen = new frmReset(*m_services);
    screen->show();
    for (const QString &code : codes)
        screen->findChild<QCheckBox *>("chk" + code)->setChecked(true);
    return screen;
}

void TestReset::expectOriginals(const QStringList &codes)
{
    for (const QString &code : codes)
        QVERIFY2(bytesOf(ScoreFile::pathFor(code)) == originalOf(code), qPrintable(code));
}

void TestReset::resetReplacesTickedListsOnly_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("MN and DE") << QStringList{"MN", "DE"} << QStringList{};
    QTest::newRow("all six") << Codes << QStringList{};
    QTest::newRow("a missing list file is created") << QStringList{"ME"} << QStringList{"ME"};
    QTest::newRow("an unticked missing file stays missing") << QStringList{"MN"} << QStringList{"DN"};
}

void TestReset::resetReplacesTickedListsOnly()
{
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, missing);

    for (const QString &code : missing)
        QVERIFY(QFile::remove(ScoreFile::pathFor(code)));
    QPointer<frmReset> screen = openTicking(ticked);
    m_messages.answers = {MsgAnswer::Yes};
    QTest::mouseClick(screen->cmdReset, Qt::LeftButton);

    QCOMPARE(m_messages.asked.size(), 1);
    QCOMPARE(m_messages.asked[0].prompt, QStringLiteral("Reset Selected Lists?"));
    QCOMPARE(m_messages.asked[0].title, QStringLiteral("Reset to Zero"));
    QCOMPARE(m_messages.asked[0].buttons, MsgButtons::YesNo);
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
    // A score of 1 enters a list read after the reset.
    QVERIFY(ScoreFile::load(ScoreFile::pathFor(ticked.first())).qualifies(1));
}

void TestReset::leavingWithoutResetChangesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("leaves");

    QTest::newRow("Reset with nothing ticked") << "reset" << QStringList{} << 0 << false;
    QTest::newRow("Reset answered No") << "reset" << QStringList{"MN", "DE"} << 1 << false;
    QTest::newRow("Cancel") << "cancel" << Codes << 0 << true;
    QTest::newRow("closed by the window system") << "window" << QStringList{"MN"} << 0 << true;
}

void TestReset::leavingWithoutResetChangesNothing()
{
    QFETCH(QString, how);
    QFETCH(QStringList, ticked);
    QFETCH(int, questions);
    QFETCH(bool, leaves);

    QPointer<frmReset> screen = openTicking(ticked);
    m_messages.answers = {MsgAnswer::No};
    if (how == "reset") {
        QTest::mouseClick(screen->cmdReset, Qt::LeftButton);
    } else if (how == "cancel") {
        QTest::mouseClick(screen->cmdCancel, Qt::LeftButton);
    } else {
        QCloseEvent request;
        QApplication::sendEvent(screen->windowHandle(), &request);
    }

    expectOriginals(Codes);
    QCOMPARE(m_messages.asked.size(), questions);
    QCOMPARE(m_navigator.startShown, leaves ? 1 : 0);
    QCOMPARE(isUnloaded(screen), leaves);
    if (!leaves) // the ticks stay for another try
        QCOMPARE(screen->chkMN->isChecked(), ticked.contains("MN"));
}

void TestReset::unusableTemplateStillResetsToBlank_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("missing") << "missing" << QByteArray();
    QTest::newRow("a directory") << "directory" << QByteArray();
    QTest::newRow("empty") << "file" << QByteArray();
    QTest::newRow("one byte short") << "file" << goodTemplate().chopped(1);
    QTest::newRow("eleven records") << "file" << goodTemplate() + record("00000");
    QTest::newRow("score field not digits") << "file" << (goodTemplate().chopped(18) + record("0000x"));
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

    QPointer<frmReset> screen = openTicking({"MI"});
    m_messages.answers = {MsgAnswer::Yes};
    QTest::mouseClick(screen->cmdReset, Qt::LeftButton);

    QCOMPARE(bytesOf(ScoreFile::pathFor("MI")), QByteArray("00000             ").repeated(10));
    expectOriginals({"MN", "ME", "DN", "DI", "DE"});
    // The template is only ever read.
    QCOMPARE(QFileInfo(templatePath).isDir(), state == "directory");
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
    QPointer<frmReset> screen = openTicking({"MN", "DE"});
    m_messages.answers = {MsgAnswer::Yes};
    {
        std::optional<FileSizeLimit> limit;
        if (limitWrites)
            limit.emplace(100);
        QTest::mouseClick(screen->cmdReset, Qt::LeftButton);
    }

    if (limitWrites)
        expectOriginals(Codes);
    else
        QCOMPARE(bytesOf(ScoreFile::pathFor("MN")), goodTemplate());
    QCOMPARE(m_messages.asked.size(), 2);
    const ScriptedMessages::Asked &report = m_messages.asked[1];
    QCOMPARE(report.title, QStringLiteral("Reset to Zero"));
    QCOMPARE(report.icon, MsgIcon::Exclamation);
    QVERIFY(report.prompt.contains("Division Expert"));
    QCOMPARE(report.prompt.contains("Multiplication Novice"), limitWrites);
    QCOMPARE(m_navigator.startShown, 1);
    QVERIFY(isUnloaded(screen));
    QCOMPARE(entriesOf(m_folder->path()), before); // no temporary file left beside the lists
}

QTEST_MAIN(TestReset)
#include "test_reset.moc"
