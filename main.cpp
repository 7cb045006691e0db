#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "PulseSoundCue.h"
#include "RandomSource.h"
#include "Screens.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempozap"));
    QApplication::setDesktopFileName(QStringLiteral(TEMPOZAP_APP_ID));
    // Portable or installed is decided here, once, before any screen is made.
    QApplication::setWindowIcon(QIcon(ProgramFolder::dataFile(QStringLiteral("icon64.png"))));

    PulseSoundCue sound;
    SeededRandomSource random;
    ModalMessageBoxes messages;
    Screens screens(sound, random, messages);
    screens.startProgram();
    return app.exec();
}
