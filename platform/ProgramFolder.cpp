#include "ProgramFolder.h"

#include "RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#ifndef TEMPOZAP_DATA_FROM_BIN
#define TEMPOZAP_DATA_FROM_BIN "../share/tempozap"
#endif

namespace {
const QString BlankList = QStringLiteral("ScoresClear.dat");

// A folder holds the program's files when any of these is there: a portable
// folder that has lost its blank list still keeps its players' scores.
const char *const ProgramFiles[] = {"ScoresClear.dat", "MNScores.dat", "MIScores.dat", "MEScores.dat",
                                    "DNScores.dat",    "DIScores.dat", "DEScores.dat", "CLOCK.gif",
                                    "ring.WAV",        "tick.WAV",     "goodbeep.WAV", "badbeep.WAV"};

bool holdsProgramFiles(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QDir dir(folder);
    for (const char *name : ProgramFiles) {
        if (QFileInfo(dir.filePath(QLatin1String(name))).isFile())
            return true;
    }
    return false;
}

std::optional<ProgramFolder::Locations> &chosen()
{
    static std::optional<ProgramFolder::Locations> locations;
    return locations;
}

ProgramFolder::Locations detect()
{
    return ProgramFolder::locate(QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
}

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
            const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                         QStringLiteral("tempozap/") + BlankList);
            if (!found.isEmpty())
                data = QFileInfo(found).absolutePath();
        }
    }
    return {Mode::Installed, data, QDir::cleanPath(userDataFolder)};
}

ProgramFolder::Locations ProgramFolder::current()
{
    if (!chosen())
        chosen() = detect();
    return *chosen();
}

ProgramFolder::Mode ProgramFolder::mode()
{
    return current().mode;
}

QString ProgramFolder::dataPath()
{
    return current().data;
}

QString ProgramFolder::scorePath()
{
    return current().scores;
}

QString ProgramFolder::dataFile(const QString &name)
{
    return QDir(dataPath()).filePath(name);
}

QString ProgramFolder::scoreFile(const QString &name)
{
    const Locations where = current();
    const QString path = QDir(where.scores).filePath(name);
    if (where.mode == Mode::Installed && !QFileInfo::exists(path)) {
        // A missing list starts as the blank list. When that cannot be done
        // the file stays missing: reading it gives a blank list all the same,
        // and the first save makes it.
        if (QDir().mkpath(where.scores)) {
            if (const std::optional<QByteArray> blank = RecordFile::read(QDir(where.data).filePath(BlankList)))
                RecordFile::replace(path, *blank);
        }
    }
    return path;
}

void ProgramFolder::setPath(const QString &folder)
{
    if (folder.isEmpty())
        chosen().reset();
    else
        chosen() = Locations{Mode::Portable, folder, folder};
}

void ProgramFolder::setLocations(const Locations &locations)
{
    chosen() = locations;
}
