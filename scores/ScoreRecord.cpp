// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreRecord.h"

namespace {
using namespace TopTenLine;

bool wellFormed(const char *record)
{
    for (int i = 0; i < ScoreWidth; ++i) {
        if (record[i] < '0' || record[i] > '9')
            return false;
    }
    return true;
}

// The separators are not part of what a record says: each reads as a space.
QString lineOf(const char *record)
{
    return QString::fromLatin1(record, ScoreWidth) + QLatin1Char(' ')
        + QString::fromLatin1(record + InitialsAt, InitialsWidth) + QLatin1Char(' ')
        + QString::fromLatin1(record + DateAt, DateWidth);
}
} // namespace

QString ScoreRecord::blankLine()
{
    return QString(ScoreWidth, QLatin1Char('0')).leftJustified(Length, QLatin1Char(' '));
}

QByteArray ScoreRecord::blankList()
{
    return blankLine().toLatin1().repeated(TopTenList::Size);
}

bool ScoreRecord::isWellFormedList(const QByteArray &bytes)
{
    if (bytes.size() != Length * TopTenList::Size)
        return false;
    for (int k = 0; k < TopTenList::Size; ++k) {
        if (!wellFormed(bytes.constData() + k * Length))
            return false;
    }
    return true;
}

TopTenList ScoreRecord::parse(const QByteArray &bytes)
{
    TopTenList list;
    const qsizetype records = bytes.size() / Length; // a trailing partial record is dropped
    for (qsizetype k = 0; k < records; ++k) {
        const char *record = bytes.constData() + k * Length;
        if (wellFormed(record))
            list.add(lineOf(record));
    }
    while (list.count() > TopTenList::Size)
        list.removeLowest();
    while (list.count() < TopTenList::Size)
        list.add(blankLine());
    return list;
}

QByteArray ScoreRecord::serialise(const TopTenList &list)
{
    QByteArray bytes;
    bytes.reserve(list.count() * Length);
    for (const QString &line : list.lines())
        bytes += line.toLatin1().leftJustified(Length, ' ', true);
    return bytes;
}
