// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// A line of a list, character for character as it is stored in a record of
// the list's file: the score in five digits, a space, the initials in three
// characters, a space and the date "mm/dd/yy".
namespace TopTenLine {
inline constexpr int ScoreWidth = 5;
inline constexpr int InitialsAt = 6;
inline constexpr int InitialsWidth = 3;
inline constexpr int DateAt = 10;
inline constexpr int DateWidth = 8;
inline constexpr int Length = DateAt + DateWidth;
} // namespace TopTenLine

// One list of Top Ten lines, kept in ascending text order without regard to
// case (a new line goes straight to its place). Entry 0 is the lowest line;
// the first five characters of a line are its zero-filled score.
class TopTenList {
public:
    static constexpr int Size = 10;

    const QStringList &lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    // Entries 9 down to 0: the list as the player sees it, highest first.
    // Missing entries read as empty lines.
    QStringList visibleLines() const;

    void add(const QString &line);
    void removeLowest();
    // The score of entry 0 (0 for an empty list or a line that does not start with a number).
    int lowestScore() const;
    // Whether a final score enters the list: only one above its lowest line does.
    bool admits(int score) const { return score > lowestScore(); }

private:
    QStringList m_lines;
};

// Builds a new list line: score "00000", a space, the initials filled with
// spaces to four characters, the date "mm/dd/yy".
QString makeTopTenLine(int score, const QString &initials, const QDate &date);
