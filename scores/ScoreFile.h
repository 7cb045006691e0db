#pragma once
#include "TopTenList.h"

#include <QByteArray>
#include <QString>

// The six Top Ten lists live in headerless files of 18-byte records in the
// program's score folder (see ProgramFolder): "<code>Scores.dat" for the game
// codes MN, MI, ME, DN, DI, DE.
namespace ScoreFile {
constexpr int RecordLength = 18;

// Full path of the score file of a game code.
QString pathFor(const QString &gameCode);

// Turns the bytes of a score file into exactly ten well-formed lines: the
// well-formed records (the ten highest if there are more), filled up with
// blank zero lines. Never fails.
TopTenList parse(const QByteArray &bytes);
// The bytes of a list: each line as one 18-byte record, lowest first.
QByteArray serialise(const TopTenList &list);

// Loads a list; a missing or unreadable file gives ten blank lines. Never writes.
TopTenList load(const QString &path);
// Replaces the file atomically: either the old list or the new one is on disk,
// whole, at any moment. Returns false (and leaves the old file) when it cannot.
bool save(const QString &path, const TopTenList &list);

// A record is well formed when its score field is five decimal digits.
bool isWellFormedRecord(const QByteArray &record);
// The blank line: a zero score and spaces.
QString blankLine();
// Ten blank records: what a list file holds after a reset.
QByteArray blankList();
// Whether bytes are a whole list file: exactly ten well-formed records.
bool isWellFormedList(const QByteArray &bytes);
}
