// White noise from a seeded xorshift generator: the same seed always gives
// the same sounds, on every machine and every run.
#pragma once

#include <cstdint>

class NoiseSource {
public:
    explicit NoiseSource(uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

    uint32_t NextBits()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform in [0, 1).
    float NextUnit() { return static_cast<float>(NextBits() >> 8) * (1.0f / 16777216.0f); }

    // Uniform in [-1, 1).
    float Next() { return NextUnit() * 2.0f - 1.0f; }

private:
    uint32_t state_;
};
