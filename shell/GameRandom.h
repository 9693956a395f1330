#pragma once
// The game's random generator: every gameplay choice draws from it, so a
// level plays the same way from the same seed.
#include <cstdint>

class cGameRandom {
  public:
    void Seed(uint32_t seed) { m_state = seed; }
    // 0 .. 32767.
    int Next() {
        m_state = m_state * 69069u + 1u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    uint32_t State() const { return m_state; }

  private:
    uint32_t m_state = 0;
};
