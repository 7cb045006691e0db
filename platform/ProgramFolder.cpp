// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TEMPOZAP_DATA_FROM_BIN
#define TEMPOZAP_DATA_FROM_BIN "../share/tempozap"
#endif

namespace {
const QString BlankList = QStringLiteral("ScoresClear.dat");

// A folder holds the program's files when any of them is there: a portable
// folder that has lost its blank list still keeps its players' scores.
bool holdsProgramFiles(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QStringList files{BlankList, QStringLiteral("CLOCK.gif"), QStringLiteral("ring.WAV"),
        QStringLiteral("tick.WAV"), QStringLiteral("goodbeep.WAV"), QStringLiteral("badbeep.WAV"),
        QStringLiteral("??Scores.dat")};
    return !QDir(folder).entryList(files, QDir::Files).isEmpty();
}
} // namespace

ProgramFolder::Locations ProgramFolder::locate(const QString &executableFolder, const QString &userDataFolder)
{
    const QString exe = QDir::cleanPath(executableFolder);
    if (holdsProgramFiles(exe) && QFileInfo(exe).isWritable())
        return {Mode::Portable, exe, exe};

    // Installed, or a read-only copy of the portable folder.
    const QString beside = QDir::cleanPath(exe + QStringLiteral("/" TEMPOZAP_DATA_FROM_BIN));
    QString data = beside;
    if (!holdsProgramFiles(beside)) {
        if (holdsProgramFiles(exe)) {
            data = exe;
        } else {
            const QString found
                = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("tempozap/") + BlankList);
            if (!found.isEmpty())
                data = QFileInfo(found).absolutePath();
        }
    }
    return {Mode::Installed, data, QDir::cleanPath(userDataFolder)};
}
