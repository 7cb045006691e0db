// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Where the program finds its files. Two kinds of file, two folders:
//  - read-only files (sounds, pictures, the clock, the blank list
//    "ScoresClear.dat", the icon) in the data folder;
//  - the six score files in the score folder.
//
//  - Portable: the executable's folder holds the program's files (the blank
//    list, a score file, the clock or a sound) and can be written: both
//    folders are the executable's folder.
//  - Installed: otherwise. Read-only files come from <exe>/../share/tempozap
//    (so any prefix works), or, when that folder lacks them, from the
//    executable's folder if they are there (a read-only copy of the portable
//    program), or from "tempozap" in the system's data folders; the score
//    files live in the player's own data folder.
namespace ProgramFolder {
// The blank list, which a reset copies over a list.
inline constexpr char BlankList[] = "ScoresClear.dat";

struct Locations {
    QString data; // read-only files
    QString scores; // the six score files
};

// The decision, for an executable's folder and a per-user data folder.
Locations locate(const QString &executableFolder, const QString &userDataFolder);
} // namespace ProgramFolder
