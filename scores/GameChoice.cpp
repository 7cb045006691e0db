// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameChoice.h"

QString GameChoice::code() const
{
    const char operation = m_operation == Operation::Multiplication ? 'M' : 'D';
    const char level = m_level == Level::Novice ? 'N' : m_level == Level::Intermediate ? 'I' : 'E';
    const char letters[] = {operation, level};
    return QString::fromLatin1(letters, 2);
}

QString GameChoice::scoreFileName() const
{
    return code() + QStringLiteral("Scores.dat");
}
