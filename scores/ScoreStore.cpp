// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreStore.h"

#include "RecordFile.h"
#include "ScoreRecord.h"

#include <QDir>
#include <QFileInfo>

ScoreStore::ScoreStore(const QString &folder, const QString &blankList)
    : m_folder(folder)
    , m_blankList(blankList)
{
}

QString ScoreStore::path(const GameChoice &choice) const
{
    return QDir(m_folder).filePath(choice.scoreFileName());
}

TopTenList ScoreStore::load(const GameChoice &choice) const
{
    return ScoreRecord::parse(RecordFile::read(path(choice)).value_or(QByteArray()));
}

bool ScoreStore::record(const GameChoice &choice, TopTenList &list, QString line) const
{
    list.removeLowest();
    list.add(line);
    const QString file = path(choice);
    if (QFileInfo::exists(file) && !RecordFile::read(file))
        return false;
    return QDir().mkpath(m_folder) && RecordFile::replace(file, ScoreRecord::serialise(list));
}

QList<GameChoice> ScoreStore::reset(const QList<GameChoice> &chosen) const
{
    QByteArray blank = RecordFile::read(m_blankList).value_or(QByteArray());
    if (!ScoreRecord::isWellFormedList(blank))
        blank = ScoreRecord::blankList();
    QList<GameChoice> failed;
    for (const GameChoice &choice : chosen) {
        if (!QDir().mkpath(m_folder) || !RecordFile::replace(path(choice), blank))
            failed.append(choice);
    }
    return failed;
}
