#include "ScoreFile.h"

#include "ProgramFolder.h"
#include "RecordFile.h"

#include <QFileInfo>


namespace {
constexpr int ScoreWidth = 5;
constexpr int InitialsAt = 6;
constexpr int InitialsWidth = 3;
constexpr int DateAt = 10;
constexpr int DateWidth = 8;

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
}

QString ScoreFile::pathFor(const QString &gameCode)
{
    return ProgramFolder::scoreFile(gameCode + QStringLiteral("Scores.dat"));
}

bool ScoreFile::isWellFormedRecord(const QByteArray &record)
{
    return record.size() == RecordLength && wellFormed(record.constData());
}

QString ScoreFile::blankLine()
{
    return QStringLiteral("00000").leftJustified(RecordLength, QLatin1Char(' '));
}

QByteArray ScoreFile::blankList()
{
    return blankLine().toLatin1().repeated(TopTenList::Size);
}

bool ScoreFile::isWellFormedList(const QByteArray &bytes)
{
    if (bytes.size() != RecordLength * TopTenList::Size)
        return false;
    for (int k = 0; k < TopTenList::Size; ++k) {
        if (!wellFormed(bytes.constData() + k * RecordLength))
            return false;
    }
    return true;
}

TopTenList ScoreFile::parse(const QByteArray &bytes)
{
    TopTenList list;
    const qsizetype records = bytes.size() / RecordLength; // a trailing partial record is dropped
    for (qsizetype k = 0; k < records; ++k) {
        const char *record = bytes.constData() + k * RecordLength;
        if (wellFormed(record))
            list.add(lineOf(record));
    }
    while (list.count() > TopTenList::Size)
        list.removeLowest();
    while (list.count() < TopTenList::Size)
        list.add(blankLine());
    return list;
}

QByteArray ScoreFile::serialise(const TopTenList &list)
{
    QByteArray bytes;
    bytes.reserve(list.count() * RecordLength);
    for (const QString &line : list.lines())
        bytes += line.toLatin1().leftJustified(RecordLength, ' ', true);
    return bytes;
}

TopTenList ScoreFile::load(const QString &path)
{
    const std::optional<QByteArray> bytes = RecordFile::read(path);
    return parse(bytes.value_or(QByteArray()));
}

bool ScoreFile::save(const QString &path, const TopTenList &list)
{
    // A list that is there but could not be read is never written over: the
    // game showed blank lines in its place, and saving would lose its scores.
    if (QFileInfo::exists(path) && !RecordFile::read(path))
        return false;
    return RecordFile::replace(path, serialise(list));
}
