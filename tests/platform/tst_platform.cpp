// The small services every screen stands on.
#include "AnimatedPicture.h"
#include "Fakes.h"
#include "Layout.h"
#include "RandomSource.h"
#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QMovie>
#include <QtTest>
#include <set>

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void twipsRoundToTheNearestPixel_data()
    {
        QTest::addColumn<int>("twipValue");
        QTest::addColumn<int>("pixels");
        QTest::newRow("just below half") << 1627 << 108;
        QTest::newRow("half rounds up") << 368 << 25;
    }
    void twipsRoundToTheNearestPixel()
    {
        QFETCH(int, twipValue);
        QFETCH(int, pixels);
        QCOMPARE(twips::toPx(twipValue), pixels);
    }

    void seededSourceRepeatsAndStaysInRange()
    {
        SeededRandomSource a(42), b(42);
        for (int i = 0; i < 10000; ++i) {
            const float x = a.draw();
            QCOMPARE(x, b.draw());
            QVERIFY(x >= 0.0f && x < 1.0f);
        }
    }

    void drawsInTheSameInstantDoNotRepeat()
    {
        // The system source is seeded once, so draws made in one clock tick
        // differ as any random sequence does.
        SeededRandomSource source;
        std::set<float> seen;
        for (int i = 0; i < 1000; ++i)
            seen.insert(source.draw());
        QVERIFY(seen.size() > 990);
    }

    void replaceWritesWholeFilesAndKeepsTheOldOneOnFailure_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("new file") << "new.dat" << true;
        QTest::newRow("existing file") << "old.dat" << true;
        QTest::newRow("folder missing") << "missing/old.dat" << false;
        QTest::newRow("target is a folder") << "adir" << false;
    }
    void replaceWritesWholeFilesAndKeepsTheOldOneOnFailure()
    {
        QFETCH(QString, target);
        QFETCH(bool, succeeds);
        TempProgramFolder folder;
        QFile old(folder.file(QStringLiteral("old.dat")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
        old.close();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("adir")));

        const QString path = folder.file(target);
        QCOMPARE(RecordFile::replace(path, QByteArray("new content")), succeeds);
        if (succeeds)
            QCOMPARE(*RecordFile::read(path), QByteArray("new content"));
        QCOMPARE(*RecordFile::read(folder.file(QStringLiteral("old.dat"))),
                 QByteArray(succeeds && target == QLatin1String("old.dat") ? "new content" : "old content"));
        // Nothing but the files we made is left in the folder.
        QStringList expected{QStringLiteral("adir"), QStringLiteral("old.dat")};
        if (succeeds && target == QLatin1String("new.dat"))
            expected << QStringLiteral("new.dat");
        expected.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                               QDir::Name),
                 expected);
    }

    void readGivesNothingForMissingOrFolder()
    {
        TempProgramFolder folder;
        QVERIFY(!RecordFile::read(folder.file(QStringLiteral("none.dat"))));
        QVERIFY(!RecordFile::read(folder.path()));
    }

    void animationStartsStopsAndResumes()
    {
        AnimatedPicture picture;
        picture.setPath(QStringLiteral(TZ_ASSET_DIR "/CLOCK.gif"));
        QVERIFY(picture.movie()->frameCount() > 1);
        picture.start();
        QVERIFY(picture.isRunning());
        // Not decoded while unseen; it runs once shown.
        QCOMPARE(picture.movie()->state(), QMovie::NotRunning);
        picture.show();
        QCOMPARE(picture.movie()->state(), QMovie::Running);
        picture.stop();
        QVERIFY(!picture.isRunning());
        const int frame = picture.movie()->currentFrameNumber();
        QTest::qWait(300);
        QCOMPARE(picture.movie()->currentFrameNumber(), frame);
        picture.start();
        QVERIFY(picture.isRunning());
        QTRY_VERIFY(picture.movie()->currentFrameNumber() != frame);
        picture.hide();
        QVERIFY(picture.isRunning());
        QCOMPARE(picture.movie()->state(), QMovie::Paused);
    }

};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
