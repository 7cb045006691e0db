// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "TopTenList.h"

#include <QByteArray>

// A Top Ten list on disk: a headerless file of records, one line of the list
// each (see TopTenLine), lowest first, one byte a character.
namespace ScoreRecord {
constexpr int Length = TopTenLine::Length;

// The bytes of a list file as exactly ten well-formed lines: its well-formed
// records (the ten highest if there are more), filled up with blank lines.
// A record is well formed when its score field is five decimal digits; the
// separator bytes are read as spaces whatever they hold.
TopTenList parse(const QByteArray &bytes);
// The bytes of a list: each line as one record, lowest first.
QByteArray serialise(const TopTenList &list);

// A zero score and spaces: a line of a list that has been reset.
QString blankLine();
// Ten blank records.
QByteArray blankList();
// Whether bytes are a whole list file: exactly ten well-formed records.
bool isWellFormedList(const QByteArray &bytes);
} // namespace ScoreRecord
