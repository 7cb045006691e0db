// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TopTenList.h"

#include <algorithm>

namespace {
bool lineLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}
} // namespace

QStringList TopTenList::visibleLines() const
{
    QStringList shown;
    shown.reserve(Size);
    for (int i = Size - 1; i >= 0; --i)
        shown << (i < m_lines.size() ? m_lines.at(i) : QString());
    return shown;
}

void TopTenList::add(const QString &line)
{
    // After every line that compares equal, so equal lines keep their order of arrival.
    const auto at = std::upper_bound(m_lines.begin(), m_lines.end(), line, lineLess);
    m_lines.insert(at, line);
}

void TopTenList::removeLowest()
{
    if (!m_lines.isEmpty())
        m_lines.removeFirst();
}

int TopTenList::lowestScore() const
{
    if (m_lines.isEmpty())
        return 0;
    const QString field = m_lines.first().left(TopTenLine::ScoreWidth);
    int value = 0;
    for (const QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QString makeTopTenLine(int score, const QString &initials, const QDate &date)
{
    using namespace TopTenLine;
    // The score field is five digits wide; a score outside 0..99999 never
    // qualifies in play, and clamping keeps every line readable as a record.
    const int shown = std::clamp(score, 0, 99999);
    return QStringLiteral("%1 ").arg(shown, ScoreWidth, 10, QLatin1Char('0'))
        + initials.left(InitialsWidth).leftJustified(DateAt - InitialsAt, QLatin1Char(' '))
        + date.toString(QStringLiteral("MM/dd/yy"));
}
