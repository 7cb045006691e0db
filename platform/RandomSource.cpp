// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"

#include <QRandomGenerator>

SeededRandomSource::SeededRandomSource()
    : m_engine(QRandomGenerator::system()->generate64())
{
}

SeededRandomSource::SeededRandomSource(std::uint64_t seed)
    : m_engine(seed)
{
}

float SeededRandomSource::draw()
{
    // 24 random bits give every representable step of a float in [0, 1).
    const auto bits = static_cast<std::uint32_t>(m_engine() >> 40);
    return static_cast<float>(bits) / 16777216.0f;
}
