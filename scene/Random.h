#pragma once
// The game's kind of random generator: seed × 69069 + 1 (mod 2^32), 15-bit
// results. The particle system keeps one of its own; the game object keeps the
// one that drives gameplay (fireworks, decor, walkers' wandering), which scene
// code reaches through g_gameRandom. Deterministic: the same seed always gives
// the same sequence.
#include <cstdint>

class cRandom {
  public:
    explicit cRandom(uint32_t startSeed = 0) : seed(startSeed) {}

    // The next 15-bit value, 0 … 32767.
    uint32_t Next() {
        seed = seed * 69069u + 1u;
        return seed & 0x7FFFu;
    }
    // In [0, 1).
    float Unit() { return static_cast<float>(Next()) / 32768.0f; }
    // a + (b − a) × r: in [a, b), or a when the two are equal.
    float Range(float a, float b) { return a + (b - a) * Unit(); }
    // One of 0 … n − 1, from the upper bits of the next value: the low bits
    // of this generator repeat in short cycles (the lowest one alternates),
    // so `Next() % 2` would take turns rather than choose.
    uint32_t Pick(uint32_t n) { return n == 0 ? 0 : (Next() * n) >> 15; }

    uint32_t seed;
};

// The game's generator, for scene code; null while no game object exists. Its
// owner sets it and clears it when it goes.
extern cRandom* g_gameRandom;
