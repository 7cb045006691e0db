// Where the program's files are found, portable and installed, and which
// picture file is shown at which pixel density.
#include "Fakes.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {
const QByteArray Blank = QByteArray("00000             ").repeated(10);

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Installed locations in a temporary tree: <root>/share/tempozap for the data,
// <root>/home/scores (not made yet) for the score files.
struct InstalledTree {
    QTemporaryDir root;
    QString data() const { return root.filePath(QStringLiteral("share/tempozap")); }
    QString scores() const { return root.filePath(QStringLiteral("home/scores")); }
    InstalledTree()
    {
        QDir().mkpath(data());
        ProgramFolder::setLocations({ProgramFolder::Mode::Installed, data(), scores()});
    }
    ~InstalledTree() { ProgramFolder::setPath(QString()); }
};
}

class ProgramFolderTest : public QObject {
    Q_OBJECT
private slots:
    void theExecutablesFolderDecidesTheMode_data()
    {
        // Folders under a temporary root; "bin" is the executable's folder.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("readOnlyBin");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("scores");
        const int portable = int(ProgramFolder::Mode::Portable);
        const int installed = int(ProgramFolder::Mode::Installed);
        QTest::newRow("build folder: files beside the program")
            << QStringList{"bin/ScoresClear.dat", "bin/ring.WAV"} << false << portable << "bin" << "bin";
        QTest::newRow("installed under a prefix, writable bin (as root)")
            << QStringList{"bin/" TZ_DATA_FROM_BIN "/ScoresClear.dat"} << false << installed
            << "bin/" TZ_DATA_FROM_BIN << "user";
        QTest::newRow("build folder wins over a data folder next to it")
            << QStringList{"bin/ScoresClear.dat", "bin/" TZ_DATA_FROM_BIN "/ScoresClear.dat"} << false << portable
            << "bin" << "bin";
        QTest::newRow("build folder that lost its blank list but keeps its scores")
            << QStringList{"bin/MEScores.dat"} << false << portable << "bin" << "bin";
        QTest::newRow("nothing beside the program: data found nowhere")
            << QStringList{} << false << installed << "bin/" TZ_DATA_FROM_BIN << "user";
        QTest::newRow("program copied elsewhere: data from the system's data folders")
            << QStringList{"xdg/tempozap/ScoresClear.dat"} << false << installed << "xdg/tempozap" << "user";
        QTest::newRow("read-only copy of the portable folder")
            << QStringList{"bin/ScoresClear.dat"} << true << installed << "bin" << "user";
        QTest::newRow("installed, read-only bin")
            << QStringList{"bin/" TZ_DATA_FROM_BIN "/ScoresClear.dat"} << true << installed
            << "bin/" TZ_DATA_FROM_BIN << "user";
    }
    void theExecutablesFolderDecidesTheMode()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, readOnlyBin);
        QFETCH(int, mode);
        QFETCH(QString, data);
        QFETCH(QString, scores);
        if (readOnlyBin && geteuid() == 0)
            QSKIP("every folder is writable for root");

        QTemporaryDir root;
        const QDir r(root.path());
        QVERIFY(r.mkpath(QStringLiteral("bin")));
        for (const QString &f : files)
            writeFile(r.filePath(f), Blank);
        const QString bin = r.filePath(QStringLiteral("bin"));
        // The system's data folders are the test's own.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(r.filePath(QStringLiteral("xdg"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(r.filePath(QStringLiteral("xdg-home"))));
        if (readOnlyBin)
            QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        const ProgramFolder::Locations found = ProgramFolder::locate(bin, r.filePath(QStringLiteral("user")));
        QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(int(found.mode), mode);
        QCOMPARE(found.data, QDir::cleanPath(r.filePath(data)));
        QCOMPARE(found.scores, QDir::cleanPath(r.filePath(scores)));
    }

    void installedScoreFilesStartAsTheBlankList_data()
    {
        QTest::addColumn<bool>("templatePresent");
        QTest::addColumn<QByteArray>("existing"); // null: no score file yet
        QTest::addColumn<QByteArray>("expected"); // null: still no score file
        const QByteArray played = QByteArray("01200 ABC 03/04/25").append(QByteArray("00000             ").repeated(9));
        QTest::newRow("first use makes it from the blank list") << true << QByteArray() << Blank;
        QTest::newRow("a kept list is left as it is") << true << played << played;
        QTest::newRow("no blank list: the file waits for the first save") << false << QByteArray() << QByteArray();
    }
    void installedScoreFilesStartAsTheBlankList()
    {
        QFETCH(bool, templatePresent);
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, expected);
        InstalledTree tree;
        if (templatePresent)
            writeFile(tree.data() + QStringLiteral("/ScoresClear.dat"), Blank);
        const QString path = tree.scores() + QStringLiteral("/DIScores.dat");
        if (!existing.isNull())
            writeFile(path, existing);

        QCOMPARE(ProgramFolder::dataFile(QStringLiteral("ring.WAV")), tree.data() + QStringLiteral("/ring.WAV"));
        QCOMPARE(ProgramFolder::scoreFile(QStringLiteral("DIScores.dat")), path);
        QVERIFY(QFileInfo(tree.scores()).isDir()); // the player's folder is made in any case
        const std::optional<QByteArray> now = RecordFile::read(path);
        QCOMPARE(now.has_value(), !expected.isNull());
        if (now)
            QCOMPARE(*now, expected);
        // The blank list itself is never written.
        if (templatePresent)
            QCOMPARE(*RecordFile::read(tree.data() + QStringLiteral("/ScoresClear.dat")), Blank);
    }

    void portableScoreFilesAreNotMadeOnRequest()
    {
        TempProgramFolder folder;
        writeFile(folder.file(QStringLiteral("ScoresClear.dat")), Blank);
        QCOMPARE(ProgramFolder::mode(), ProgramFolder::Mode::Portable);
        QCOMPARE(ProgramFolder::scoreFile(QStringLiteral("MEScores.dat")), folder.file(QStringLiteral("MEScores.dat")));
        QCOMPARE(ProgramFolder::dataFile(QStringLiteral("CLOCK.gif")), folder.file(QStringLiteral("CLOCK.gif")));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("MEScores.dat"))));
    }

    void theSeamGoesBackToTheFoldersFoundAtStart()
    {
        const ProgramFolder::Locations before = ProgramFolder::current();
        {
            TempProgramFolder folder;
            QCOMPARE(ProgramFolder::dataPath(), folder.path());
            QCOMPARE(ProgramFolder::scorePath(), folder.path());
        }
        QCOMPARE(ProgramFolder::dataPath(), before.data);
        QCOMPARE(ProgramFolder::scorePath(), before.scores);
    }

    void theSharperFileIsChosenFromTwiceTheDensity_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("sharpExists");
        QTest::addColumn<bool>("sharpChosen");
        QTest::newRow("ordinary screen") << 1.0 << true << false;
        QTest::newRow("one and a half") << 1.5 << true << false;
        QTest::newRow("twice") << 2.0 << true << true;
        QTest::newRow("three times") << 3.0 << true << true;
        QTest::newRow("twice, no sharper file") << 2.0 << false << false;
    }
    void theSharperFileIsChosenFromTwiceTheDensity()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, sharpExists);
        QFETCH(bool, sharpChosen);
        QTemporaryDir dir;
        QImage plain(10, 6, QImage::Format_RGB32);
        plain.fill(Qt::red);
        QVERIFY(plain.save(dir.filePath(QStringLiteral("Sign.png"))));
        if (sharpExists) {
            QImage sharp(20, 12, QImage::Format_RGB32);
            sharp.fill(Qt::blue);
            QVERIFY(sharp.save(dir.filePath(QStringLiteral("Sign@2x.png"))));
        }

        const QString path = dir.filePath(QStringLiteral("Sign.png"));
        QCOMPARE(Pictures::fileFor(path, ratio),
                 sharpChosen ? dir.filePath(QStringLiteral("Sign@2x.png")) : path);
        const QPixmap pixmap = Pictures::load(path, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), sharpChosen ? 2.0 : 1.0);
        // Either way the picture covers the same logical size.
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(10, 6));
        QCOMPARE(pixmap.toImage().pixelColor(0, 0), QColor(sharpChosen ? Qt::blue : Qt::red));
    }

    void aMissingPictureGivesNothing()
    {
        QVERIFY(Pictures::load(QStringLiteral("/nonexistent-folder/Title1.png"), 2.0).isNull());
    }
};

QTEST_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
