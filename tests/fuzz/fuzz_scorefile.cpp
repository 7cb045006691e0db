// Any byte string as a score file: the loader must give ten well-formed lines
// (the highest well-formed records, filled up with blank lines), writing them
// back and loading again must give the same lines byte for byte, and entering
// a qualifying score must keep ten well-formed lines. Any failure aborts, which
// the fuzzer reports as a crash together with the input that caused it.
#include "ScoreFile.h"
#include "TopTenList.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "score file property broken: %s %s\n", what, qPrintable(detail));
    std::abort();
}

void check(bool ok, const char *what, const QString &detail = QString())
{
    if (!ok)
        fail(what, detail);
}

bool lineLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// 18 one-byte characters, a five-digit score, spaces where the separators are.
void checkLine(const QString &line)
{
    check(line.size() == ScoreFile::RecordLength, "line is not 18 characters", line);
    for (int i = 0; i < 5; ++i)
        check(isDigit(line.at(i)), "score field is not five digits", line);
    check(line.at(5) == QLatin1Char(' ') && line.at(9) == QLatin1Char(' '), "separator is not a space", line);
    for (QChar c : line)
        check(c.unicode() <= 0xFF, "character does not fit one byte", line);
}

void checkList(const TopTenList &list)
{
    check(list.count() == TopTenList::Size, "list does not hold ten lines");
    for (const QString &line : list.lines())
        checkLine(line);
    for (int i = 1; i < list.count(); ++i)
        check(!lineLess(list.lines().at(i), list.lines().at(i - 1)), "list is not sorted", list.lines().at(i));
    check(list.lowestScore() == list.lines().first().left(5).toInt(), "lowest score is not entry 0's");
}

// Writing the list and reading it again changes nothing.
void checkRoundTrip(const TopTenList &list)
{
    const QByteArray bytes = ScoreFile::serialise(list);
    check(bytes.size() == ScoreFile::RecordLength * TopTenList::Size, "written list is not 180 bytes");
    check(ScoreFile::isWellFormedList(bytes), "written list is not well formed");
    const TopTenList again = ScoreFile::parse(bytes);
    check(again.lines() == list.lines(), "lines change when written and read again");
    check(ScoreFile::serialise(again) == bytes, "bytes change when read and written again");
}

// The list keeps the highest well-formed records of the file and nothing else,
// filled up with blank lines only when the file has fewer than ten.
void checkKeptRecords(const QByteArray &bytes, const TopTenList &list)
{
    QHash<QString, int> fromFile;
    int records = 0;
    for (qsizetype at = 0; at + ScoreFile::RecordLength <= bytes.size(); at += ScoreFile::RecordLength) {
        const QByteArray record = bytes.mid(at, ScoreFile::RecordLength);
        if (!ScoreFile::isWellFormedRecord(record))
            continue;
        ++records;
        const QString line = QString::fromLatin1(record.left(5)) + QLatin1Char(' ')
            + QString::fromLatin1(record.mid(6, 3)) + QLatin1Char(' ') + QString::fromLatin1(record.mid(10, 8));
        ++fromFile[line];
    }
    int padding = records < TopTenList::Size ? TopTenList::Size - records : 0;
    for (const QString &line : list.lines()) {
        int &left = fromFile[line];
        if (left > 0) {
            --left;
        } else {
            check(line == ScoreFile::blankLine() && padding > 0, "line that is not in the file", line);
            --padding;
        }
    }
    check(padding == 0, "blank lines added although the file had enough records");
    for (auto it = fromFile.cbegin(); it != fromFile.cend(); ++it) {
        if (it.value() > 0)
            check(!lineLess(list.lines().first(), it.key()), "a higher record was dropped", it.key());
    }
}

std::unique_ptr<QTemporaryDir> folder;

// A fixed hash (Qt's own is seeded per process), so each input always takes
// the same path and a reported crash repeats.
std::uint32_t fnv1a(const QByteArray &bytes)
{
    std::uint32_t h = 2166136261u;
    for (char c : bytes)
        h = (h ^ std::uint8_t(c)) * 16777619u;
    return h;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Memory-backed where the machine has it: the loop writes a file per input.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/tempozap-fuzz-XXXXXX"));
    if (!folder->isValid())
        fail("no temporary folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const TopTenList list = ScoreFile::parse(bytes);
    checkList(list);
    checkKeptRecords(bytes, list);
    checkRoundTrip(list);

    // One input in sixteen also goes through a real file (files cost far more
    // than parsing): the loader sees what parse sees, and a save puts exactly
    // the serialised list on disk.
    const std::uint32_t seed = fnv1a(bytes);
    const bool throughFile = (seed & 0xF0000000u) == 0;
    const QString path = folder->filePath(QStringLiteral("MIScores.dat"));
    if (throughFile) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail("cannot write the input file");
        file.close();
        check(ScoreFile::load(path).lines() == list.lines(), "loading the file differs from parsing its bytes");
    }

    // A qualifying score entered as the initials dialog does: the lowest line
    // goes, the new one takes its place, and the file holds the new list.
    const int lowest = list.lowestScore();
    if (lowest < 32767) {
        const int score = lowest + 1 + int(seed % std::uint32_t(32767 - lowest));
        const QString initials = QString::fromLatin1(bytes.right(int(seed >> 8) % 4));
        const QDate date = QDate(1900, 1, 1).addDays(qint64((seed >> 12) % 73000));
        TopTenList updated = list;
        check(updated.qualifies(score), "a score above the lowest line does not qualify");
        updated.removeLowest();
        const QString line = makeTopTenLine(score, initials, date);
        checkLine(line);
        updated.add(line);
        checkList(updated);
        check(updated.lines().contains(line), "the new line is not in the list");
        checkRoundTrip(updated);
        if (throughFile) {
            check(ScoreFile::save(path, updated), "saving the list failed");
            QFile file(path);
            check(file.open(QIODevice::ReadOnly) && file.readAll() == ScoreFile::serialise(updated),
                  "the file does not hold the saved list");
        }
    }
    check(!list.qualifies(lowest), "a score equal to the lowest line qualifies");
    return 0;
}
