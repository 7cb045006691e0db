#pragma once
#include <QString>

// Where the program finds its files. Two kinds of file, two folders:
//  - read-only files (sounds, pictures, the clock, the blank list
//    "ScoresClear.dat", the icon) in the data folder;
//  - the six score files in the score folder.
//
// Which folders, is decided once, the first time they are asked for:
//  - Portable: the executable's folder holds the program's files (the blank
//    list, a score file, the clock or a sound) and can be written: both
//    folders are the executable's folder.
//  - Installed: otherwise. Read-only files come from <exe>/../share/tempozap
//    (so any prefix works), or, when that folder lacks them, from the
//    executable's folder if they are there (a read-only copy of the portable
//    program), or from "tempozap" in the system's data folders; the score
//    files live in the player's own data folder, where a missing one is made
//    from the blank list when first asked for.
namespace ProgramFolder {
enum class Mode { Portable, Installed };

struct Locations {
    Mode mode = Mode::Portable;
    QString data;   // read-only files
    QString scores; // the six score files
};

// The decision itself, for an executable's folder and a per-user data folder.
Locations locate(const QString &executableFolder, const QString &userDataFolder);

// The locations in force.
Locations current();
Mode mode();
QString dataPath();
QString scorePath();

// Full path of a read-only file.
QString dataFile(const QString &name);
// Full path of a score file. Installed, the score folder is made if need be
// and a missing file is made from the blank list; portable, nothing is
// written here.
QString scoreFile(const QString &name);

// Tests' seam: one folder for everything (portable), or explicit locations.
// An empty folder goes back to the locations found at start-up.
void setPath(const QString &folder);
void setLocations(const Locations &locations);
}
