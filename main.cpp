// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"
#include "Calendar.h"
#include "DisplayPlatform.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "PulseSoundCue.h"
#include "RandomSource.h"
#include "Shell.h"
#include "WorkArea.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    choosePlatform(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempozap"));
    QApplication::setDesktopFileName(QStringLiteral(TEMPOZAP_APP_ID));
    installAccessibility();
    // Portable or installed is decided here, once, before any screen is made.
    const ProgramFolder::Locations folders = ProgramFolder::locate(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QApplication::setWindowIcon(QIcon(Pictures::load(QDir(folders.data).filePath(QStringLiteral("icon64.png")), 1.0)));

    PulseSoundCue sound(folders.data);
    SeededRandomSource random;
    ModalMessageBoxes messages;
    SystemCalendar calendar;
    ScreenWorkArea workArea;
    Shell shell({folders, sound, random, messages, calendar, workArea});
    shell.start();
    return app.exec();
}
