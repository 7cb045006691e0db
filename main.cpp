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
    QApplication::setDesktopFileName(QStringLiteral("tempozap"));
    QApplication::setWindowIcon(QIcon(ProgramFolder::file(QStringLiteral("icon64.png"))));

    PulseSoundCue sound;
    SeededRandomSource random;
    ModalMessageBoxes messages;
    Screens screens(sound, random, messages);
    screens.startProgram();
    return app.exec();
}
