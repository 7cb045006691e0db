// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "GameChoice.h"
#include "TopTenList.h"

#include <QList>
#include <QString>

// The six Top Ten lists, one file each in one folder. Every write is atomic:
// at any moment either the old list or the new one is on disk, whole. A
// write that fails says so, and leaves the old file as it was.
class ScoreStore {
public:
    // The lists live in folder (made when first written to); a reset copies blankList.
    ScoreStore(const QString &folder, const QString &blankList);

    QString path(const GameChoice &choice) const;
    // The game's list; a missing or unreadable file gives ten blank lines. Never writes.
    TopTenList load(const GameChoice &choice) const;
    // Puts a new line into the list in place of its lowest one, then writes
    // the list over the game's file. False when the file keeps its old list:
    // it could not be written, or it is there but could not be read, and
    // writing over it would lose its scores.
    bool record(const GameChoice &choice, TopTenList &list, QString line) const;
    // Sets the chosen lists back to ten zero lines, in the order given: the
    // blank list's bytes when it is a whole list file, ten blank records
    // otherwise. Gives back the lists that could not be reset.
    QList<GameChoice> reset(const QList<GameChoice> &chosen) const;

private:
    QString m_folder;
    QString m_blankList;
};
