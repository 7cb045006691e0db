// The program on the desktop: every screen at twice the pixel density keeps
// its layout exactly and shows its pictures from the sharper files; each
// window tells the window manager its role.
//
// A scale factor only takes effect when the application starts, so the
// screens are rendered by this same executable run twice as a child process
// ("--render FOLDER"), once at scale 1 and once at scale 2; the tests compare
// what the two runs wrote.
#include "AnimatedPicture.h"
#include "Background.h"
#include "Fakes.h"
#include "GameScreen.h"
#include "ProgramFolder.h"
#include "RandomSource.h"
#include "Screens.h"
#include "WindowRole.h"
#include "frmInitials.h"
#include "frmOptions.h"
#include "frmReset.h"
#include "frmRules.h"
#include "frmStart.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMovie>
#include <QProcess>
#include <QtTest>

namespace {
const QString AssetDir = QStringLiteral(TZ_ASSET_DIR);

QJsonArray rectJson(const QRect &r)
{
    return QJsonArray{r.x(), r.y(), r.width(), r.height()};
}

QRect rectOf(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

QRect scaled(const QRect &r, int factor)
{
    return QRect(r.x() * factor, r.y() * factor, r.width() * factor, r.height() * factor);
}

void copyAssets(const QString &into)
{
    const QDir assets(AssetDir);
    for (const QString &name : assets.entryList(QDir::Files))
        QFile::copy(assets.filePath(name), QDir(into).filePath(name));
}

// What one screen looks like at the scale of this run: the window's size and
// every named control's rectangle in device pixels, the grabbed picture, and
// the pixmaps of its pictures.
QJsonObject describe(QWidget *window, const QString &folder)
{
    QCoreApplication::processEvents();
    const qreal ratio = window->devicePixelRatioF();
    const int k = qRound(ratio);
    const QString name = window->objectName();

    QJsonObject screen;
    screen[QStringLiteral("ratio")] = ratio;
    screen[QStringLiteral("size")] = rectJson(scaled(QRect(QPoint(), window->size()), k));
    const QPixmap grab = window->grab();
    grab.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    screen[QStringLiteral("grab")] = rectJson(QRect(QPoint(), grab.size()));

    QJsonObject controls;
    QJsonObject pictures;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const QString control = child->objectName();
        if (control.isEmpty() || control.startsWith(QLatin1String("qt_")))
            continue;
        const QRect logical(child->mapTo(window, QPoint(0, 0)), child->size());
        controls[control] = rectJson(scaled(logical, k));
        auto *label = qobject_cast<QLabel *>(child);
        if (label && !label->pixmap().isNull() && !qobject_cast<AnimatedPicture *>(child)) {
            const QPixmap pixmap = label->pixmap();
            pixmap.toImage().save(QDir(folder).filePath(name + QLatin1Char('.') + control + QStringLiteral(".png")));
            pictures[control] = pixmap.devicePixelRatio();
        }
    }
    screen[QStringLiteral("controls")] = controls;
    screen[QStringLiteral("pictures")] = pictures;
    return screen;
}

int renderScreens(const QString &folder)
{
    QTemporaryDir programFolder;
    copyAssets(programFolder.path());
    ProgramFolder::setPath(programFolder.path());

    RecordingSound sound;
    SeededRandomSource random(7);
    ScriptedMessages messages;
    Screens screens(sound, random, messages);
    screens.endProgram = [] {};
    screens.startProgram();

    QJsonObject all;
    frmStart *start = screens.loadedStart();
    start->AnimatedGif1->stop(); // one still frame to compare
    start->AnimatedGif1->movie()->currentImage().save(QDir(folder).filePath(QStringLiteral("clock-frame.png")));
    all[QStringLiteral("clockRatio")] = start->AnimatedGif1->pictureRatio();
    all[start->objectName()] = describe(start, folder);

    for (GameType type : {GameType::Multiplication, GameType::Division}) {
        GameScreen *game = screens.game(type);
        game->show();
        all[game->objectName()] = describe(game, folder);
    }
    start->strGameLevel = QStringLiteral("MI");
    screens.openInitials();
    all[QStringLiteral("frmInitials")] = describe(screens.loadedInitials(), folder);
    screens.showPlayAgain(QStringLiteral("Your score didn't make the Top Ten!"), QStringLiteral("PLAY AGAIN"));
    all[QStringLiteral("frmOptions")] = describe(screens.loadedOptions(), folder);
    screens.rules()->show();
    all[QStringLiteral("frmRules")] = describe(screens.rules(), folder);
    screens.reset()->show();
    all[QStringLiteral("frmReset")] = describe(screens.reset(), folder);

    QFile out(QDir(folder).filePath(QStringLiteral("screens.json")));
    if (!out.open(QIODevice::WriteOnly))
        return 2;
    out.write(QJsonDocument(all).toJson());
    return 0;
}

const QStringList ScreenNames{"frmStart", "frmMZemrit", "frmDZemrit", "frmInitials",
                              "frmOptions", "frmRules", "frmReset"};

// Pixels only: the pixel ratio a file name implies ("@2x") is not compared,
// and colours are compared as they are drawn (premultiplied).
QImage pixels(const QImage &image, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage copy = image.convertToFormat(format);
    copy.setDevicePixelRatio(1);
    return copy;
}

}

class DesktopTest : public QObject {
    Q_OBJECT

    struct Run {
        QTemporaryDir folder;
        QJsonObject screens;
        QString file(const QString &name) const { return QDir(folder.path()).filePath(name); }
        QJsonObject screen(const QString &name) const { return screens.value(name).toObject(); }
    };
    Run m_single;
    Run m_double;

    static bool render(int scale, Run &run)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
        env.remove(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--render"), run.folder.path()});
        if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            return false;
        QFile json(run.file(QStringLiteral("screens.json")));
        if (!json.open(QIODevice::ReadOnly))
            return false;
        run.screens = QJsonDocument::fromJson(json.readAll()).object();
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(render(1, m_single));
        QVERIFY(render(2, m_double));
    }

    // At 2x each screen, its grab and every named control are exactly twice as large.
    void everyScreenKeepsItsLayoutAtTwiceTheDensity_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &name : ScreenNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyScreenKeepsItsLayoutAtTwiceTheDensity()
    {
        QFETCH(QString, screen);
        const QJsonObject one = m_single.screen(screen), two = m_double.screen(screen);
        QCOMPARE(one.value(QStringLiteral("ratio")).toDouble(), 1.0);
        QCOMPARE(two.value(QStringLiteral("ratio")).toDouble(), 2.0);
        const QRect size = rectOf(one.value(QStringLiteral("size")));
        QVERIFY(!size.isEmpty());
        QCOMPARE(rectOf(two.value(QStringLiteral("size"))), scaled(size, 2));
        QCOMPARE(rectOf(two.value(QStringLiteral("grab"))), scaled(size, 2));

        const QJsonObject controls1 = one.value(QStringLiteral("controls")).toObject();
        const QJsonObject controls2 = two.value(QStringLiteral("controls")).toObject();
        QVERIFY(!controls1.isEmpty());
        QCOMPARE(controls2.keys(), controls1.keys());
        for (const QString &control : controls1.keys())
            QVERIFY2(rectOf(controls2.value(control)) == scaled(rectOf(controls1.value(control)), 2),
                     qPrintable(control));
    }

    void picturesComeFromTheFileDrawnForTheScale_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("file");
        QTest::newRow("start title") << "frmStart" << "Image1" << "StartTitle1";
        QTest::newRow("game title") << "frmMZemrit" << "Image1" << "Title1";
        QTest::newRow("division sign") << "frmDZemrit" << "Image4" << "DivSign";
        QTest::newRow("game over") << "frmMZemrit" << "imgOver" << "GameOver";
    }
    void picturesComeFromTheFileDrawnForTheScale()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, file);
        const QString shown = screen + QLatin1Char('.') + control + QStringLiteral(".png");
        const QImage plain(AssetDir + QLatin1Char('/') + file + QStringLiteral(".png"));
        const QImage sharp(AssetDir + QLatin1Char('/') + file + QStringLiteral("@2x.png"));
        QCOMPARE(sharp.size(), plain.size() * 2);

        QCOMPARE(m_single.screen(screen).value(QStringLiteral("pictures")).toObject().value(control).toDouble(), 1.0);
        QCOMPARE(m_double.screen(screen).value(QStringLiteral("pictures")).toObject().value(control).toDouble(), 2.0);
        QCOMPARE(pixels(QImage(m_single.file(shown))), pixels(plain));
        QCOMPARE(pixels(QImage(m_double.file(shown))), pixels(sharp));
    }

    void sharpPicturesReachTheScreenPixelForPixel_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("plainFile");
        QTest::addColumn<QString>("sharpFile");
        QTest::newRow("division sign") << "frmDZemrit" << "Image4" << AssetDir + "/DivSign.png"
                                       << AssetDir + "/DivSign@2x.png";
        // The clock is held still; each run saved the frame it shows.
        QTest::newRow("clock") << "frmStart" << "AnimatedGif1" << m_single.file("clock-frame.png")
                               << m_double.file("clock-frame.png");
    }
    void sharpPicturesReachTheScreenPixelForPixel()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, plainFile);
        QFETCH(QString, sharpFile);
        const QImage plain(plainFile);
        const QImage sharp(sharpFile);
        QCOMPARE(sharp.size(), plain.size() * 2);
        for (const Run *run : {&m_single, &m_double}) {
            const QImage grab(run->file(screen + QStringLiteral(".png")));
            const QRect place = rectOf(run->screen(screen).value(QStringLiteral("controls")).toObject().value(control));
            const QImage &expected = run == &m_single ? plain : sharp;
            QCOMPARE(place.size(), expected.size());
            QCOMPARE(pixels(grab.copy(place), QImage::Format_RGB32), pixels(expected, QImage::Format_RGB32));
        }
        if (control == QLatin1String("AnimatedGif1")) {
            QCOMPARE(m_single.screens.value(QStringLiteral("clockRatio")).toDouble(), 1.0);
            QCOMPARE(m_double.screens.value(QStringLiteral("clockRatio")).toDouble(), 2.0);
            QCOMPARE(sharp.size(), QImage(AssetDir + QStringLiteral("/CLOCK@2x.gif")).size());
        }
    }

    void onlyTheStartScreenStandsForTheProgram()
    {
        TempProgramFolder folder;
        RecordingSound sound;
        SeededRandomSource random(7);
        ScriptedMessages messages;
        Screens screens(sound, random, messages);
        screens.endProgram = [] {};
        screens.startProgram();
        screens.loadedStart()->strGameLevel = QStringLiteral("DE");
        screens.game(GameType::Division);
        screens.openInitials();
        screens.showPlayAgain(QString(), QStringLiteral("PLAY AGAIN"));

        const QList<std::pair<QWidget *, WindowRole>> expected{
            {screens.loadedStart(), WindowRole::Main},
            {screens.loadedBackground(), WindowRole::Backdrop},
            {screens.loadedGame(GameType::Division), WindowRole::Secondary},
            {screens.game(GameType::Multiplication), WindowRole::Secondary},
            {screens.loadedInitials(), WindowRole::Secondary},
            {screens.loadedOptions(), WindowRole::Secondary},
            {screens.rules(), WindowRole::Secondary},
            {screens.reset(), WindowRole::Secondary},
        };
        for (const auto &[window, role] : expected) {
            QVERIFY(window && windowRole(window) == role);
            // Only the backdrop asks to be kept below the others.
            QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnBottomHint), role == WindowRole::Backdrop);
        }
        QVERIFY(screens.loadedBackground()->isVisible()); // the flag was set before it was shown
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--render") == 0) {
        QApplication app(argc, argv);
        return renderScreens(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
