#pragma once

#include <cstdint>

namespace clavora {

// The program's one pseudo-random sequence: a linear congruential generator whose results
// (0..32767) match the classic C runtime's rand, so generated drills are reproducible from a seed.
class RandomGenerator
{
public:
    static constexpr int Max = 32767;

    explicit RandomGenerator(std::uint32_t seed = 1) : m_state(seed) {}

    void Seed(std::uint32_t seed) { m_state = seed; }
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7fffu);
    }
    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state;
};

} // namespace clavora
