// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramFolder.h"

#include "SoundCue.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#ifndef TEMPOZAP_DATA_FROM_BIN
#define TEMPOZAP_DATA_FROM_BIN "../share/tempozap"
#endif

namespace {
// A folder holds the program's files when any of them is there: a portable
// folder that has lost its blank list still keeps its players' scores.
bool holdsProgramFiles(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    // Names compared by hand: a name filter would start a regular expression
    // engine, half a megabyte kept for the whole run, to look at a few names.
    const QDir dir(folder);
    if (dir.exists(QLatin1String(ProgramFolder::BlankList)) || dir.exists(QStringLiteral("CLOCK.gif")))
        return true;
    for (const char *name : SoundFiles) {
        if (dir.exists(QLatin1String(name)))
            return true;
    }
    const QStringList files = dir.entryList(QDir::Files);
    return std::any_of(files.begin(), files.end(),
        [](const QString &name) { return name.size() == 12 && name.endsWith(QLatin1String("Scores.dat")); });
}
} // namespace

ProgramFolder::Locations ProgramFolder::locate(const QString &executableFolder, const QString &userDataFolder)
{
    const QString exe = QDir::cleanPath(executableFolder);
    if (holdsProgramFiles(exe) && QFileInfo(exe).isWritable())
        return {exe, exe}; // portable

    // Installed, or a read-only copy of the portable folder.
    const QString beside = QDir::cleanPath(exe + QStringLiteral("/" TEMPOZAP_DATA_FROM_BIN));
    QString data = beside;
    if (!holdsProgramFiles(beside)) {
        if (holdsProgramFiles(exe)) {
            data = exe;
        } else {
            const QString found
                = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("tempozap/") + QLatin1String(BlankList));
            if (!found.isEmpty())
                data = QFileInfo(found).absolutePath();
        }
    }
    return {data, QDir::cleanPath(userDataFolder)}; // installed
}
