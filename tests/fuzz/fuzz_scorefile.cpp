// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any byte string as a score file: the loader gives ten well-formed lines in
// order, each the text of a well-formed record of the file or a blank line;
// writing them back and loading again gives the same lines; a new line in
// place of the lowest keeps ten well-formed lines. A broken rule aborts, which
// the fuzzer reports as a crash together with the input that caused it.
#include "ScoreRecord.h"

#include <cstdio>
#include <cstdlib>

namespace {
void check(bool ok, const char *rule, const QString &line = QString())
{
    if (!ok) {
        std::fprintf(stderr, "score file rule broken: %s %s\n", rule, qPrintable(line));
        std::abort();
    }
}

// Whether a line says what a record of the file says: score, initials and date.
bool inFile(const QString &line, const QByteArray &file)
{
    const QByteArray bytes = line.toLatin1();
    for (qsizetype at = 0; at + ScoreRecord::Length <= file.size(); at += ScoreRecord::Length) {
        const QByteArray record = file.mid(at, ScoreRecord::Length);
        if (record.left(5) == bytes.left(5) && record.mid(6, 3) == bytes.mid(6, 3) && record.mid(10) == bytes.mid(10))
            return true;
    }
    return false;
}

void checkList(const TopTenList &list, const QByteArray *file)
{
    check(list.count() == TopTenList::Size, "ten lines");
    for (int i = 0; i < list.count(); ++i) {
        const QString &line = list.lines().at(i);
        check(line.size() == ScoreRecord::Length && line.at(5) == ' ' && line.at(9) == ' ', "the layout", line);
        for (int k = 0; k < 5; ++k)
            check(line.at(k).isDigit(), "a five-digit score", line);
        check(i == 0 || QString::compare(list.lines().at(i - 1), line, Qt::CaseInsensitive) <= 0, "in order", line);
        check(!file || line == ScoreRecord::blankLine() || inFile(line, *file), "from the file", line);
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    TopTenList list = ScoreRecord::parse(file);
    checkList(list, &file);
    const QByteArray written = ScoreRecord::serialise(list);
    check(ScoreRecord::isWellFormedList(written), "written whole");
    check(ScoreRecord::parse(written).lines() == list.lines(), "loads again unchanged");
    list.removeLowest();
    list.add(makeTopTenLine(int(size) * 37 % 30000, QString::fromLatin1(file.left(3)).toUpper(), QDate(2026, 7, 4)));
    checkList(ScoreRecord::parse(ScoreRecord::serialise(list)), nullptr);
    return 0;
}
