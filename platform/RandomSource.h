// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>
#include <random>

// Uniform values in [0, 1). The program seeds one source from the system's
// entropy at start-up; tests give a fixed seed so that games repeat exactly.
// Successive draws never repeat merely because they fall in the same clock tick.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float draw() = 0;
};

class SeededRandomSource final : public RandomSource {
public:
    SeededRandomSource(); // seeded from system entropy
    explicit SeededRandomSource(std::uint64_t seed);
    float draw() override;

private:
    std::mt19937_64 m_engine;
};
