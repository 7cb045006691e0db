// What every screen looks like, pixel for pixel, in each of its states: the
// start screen, both game screens from Start to the end, the dialogs, the
// rules and the reset screen. Each picture is compared with the one kept in
// tests/looks (a few, at twice the pixel density, with the "@2x" one);
// TEMPOZAP_UPDATE_LOOKS=1 writes them anew after an intended change.
#include "AnimatedPicture.h"
#include "Backdrop.h"
#include "Fakes.h"
#include "GameScreen.h"
#include "InitialsDialog.h"
#include "PlayAgainDialog.h"
#include "RandomSource.h"
#include "ResetScreen.h"
#include "RulesScreen.h"
#include "ScoreStore.h"
#include "StartScreen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMovie>
#include <QtTest>

namespace {
const QString Looks = QStringLiteral(TZ_LOOKS_DIR);

// Every pixel within a small step of the kept picture's (the anti-aliasing of
// large text may differ by a shade from one run of the rasteriser to another).
QString differs(const QImage &shown, const QImage &kept)
{
    if (shown.size() != kept.size())
        return QStringLiteral("size %1x%2").arg(shown.width()).arg(shown.height());
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y), b = kept.pixelColor(x, y);
            count += std::max(
                         {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())})
                > 40;
        }
    }
    return count ? QStringLiteral("%1 pixels differ").arg(count) : QString();
}
} // namespace

class LooksTest : public QObject {
    Q_OBJECT
    QStringList m_failed;

    void look(QWidget *screen, const QString &name)
    {
        QCoreApplication::processEvents();
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        // At twice the density, the screens with every picture of the program.
        const qreal ratio = screen->devicePixelRatioF();
        if (ratio > 1 && !QStringList{"start", "mult-ended", "div-played", "reset"}.contains(name))
            return;
        const QString file = Looks + '/' + name + (ratio > 1 ? "@2x.png" : ".png");
        const QImage shown = screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("TEMPOZAP_UPDATE_LOOKS")) {
            QVERIFY(shown.save(file));
            return;
        }
        const QString difference = differs(shown, QImage(file).convertToFormat(QImage::Format_RGB32));
        if (!difference.isEmpty()) {
            m_failed << name + ": " + difference;
            shown.save(QDir(qEnvironmentVariable("TEMPOZAP_TEST_ARTIFACTS", QDir::tempPath()))
                           .filePath("look-" + QFileInfo(file).fileName()));
        }
    }

private slots:
    void everyScreenLooksAsKept()
    {
        QTemporaryDir folder;
        for (const QString &name : QDir(TZ_ASSET_DIR).entryList(QDir::Files))
            QFile::copy(QDir(TZ_ASSET_DIR).filePath(name), folder.filePath(name));
        QFile list(folder.filePath("MIScores.dat"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("05000 EVE 08/09/2500300 AMY 01/02/2526000 IVY 02/16/26");
        list.close();
        RecordingSound sound;
        SeededRandomSource random(7);
        ScriptedMessages messages;
        ScoreStore store(folder.path(), folder.filePath("ScoresClear.dat"));

        Backdrop backdrop(sound);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(backdrop.geometry(), area.adjusted(0, 0, 0, 27)); // the work area and 400 twips more
        StartScreen start(messages, folder.path());
        start.show();
        auto *clock = start.findChild<AnimatedPicture *>("AnimatedGif1");
        clock->stop();
        clock->movie()->jumpToFrame(0);
        look(&start, "start");

        using Operation = GameChoice::Operation;
        for (Operation operation : {Operation::Multiplication, Operation::Division}) {
            const QString n = operation == Operation::Multiplication ? "mult" : "div";
            GameScreen game(
                GameChoice(operation, GameChoice::Level::Intermediate), store, sound, random, messages, folder.path());
            game.show();
            const QString name = game.objectName();
            look(&game, n + "-ready");
            click(name, "cmdStart");
            for (int i = 0; i < 3; ++i)
                fire(&game, "tmrGame");
            look(&game, n + "-running");
            const auto number = [&](const char *label) { return control<QLabel>(name, label)->text().toInt(); };
            const char *target = operation == Operation::Multiplication ? "lblProduct" : "lblDividend";
            click(name, QStringLiteral("lblLeft(%1)").arg(number(target) / number("lblRight(61)") - 1));
            look(&game, n + "-answer");
            click(name, "lblGo");
            click(name, QStringLiteral("lblLeft(%1)").arg(number(target) / number("lblRight(61)") % 12));
            click(name, "lblGo");
            click(name, "lblPass");
            click(name, "lblPass");
            look(&game, n + "-played");
            while (fire(&game, "tmrGame")) { }
            fire(&game, "tmrSign");
            look(&game, n + "-ended");
            InitialsDialog initials(messages, &game);
            initials.show();
            initials.findChild<QLineEdit *>("Text1")->setText("AB");
            look(&initials, n + "-initials");
        }

        PlayAgainDialog dialog;
        dialog.show();
        dialog.setMode(PlayAgainDialog::Mode::QuitQuestion);
        look(&dialog, "quit-question");
        dialog.setMode(PlayAgainDialog::Mode::AnotherGame);
        look(&dialog, "play-again");
        ResetScreen reset(store, messages);
        reset.findChild<QCheckBox *>("chkMN")->setChecked(true);
        reset.show();
        look(&reset, "reset");
        RulesScreen rules;
        rules.show();
        look(&rules, "rules");
        QVERIFY2(m_failed.isEmpty(), qPrintable(m_failed.join("; ")));
    }
};

QTEST_MAIN(LooksTest)
#include "tst_looks.moc"
