// The one process-wide random generator: MT19937 with the reference seeding
// and output functions. Replays depend on every draw coming out of it in the
// same order, so callers draw exactly as their rules say.
#pragma once

#include <cstdint>

// One MT19937 state. The game uses the global one through the free functions
// below; a separate instance exists so the reference sequence can be checked
// from a fresh, never-seeded state.
class MersenneTwister {
public:
    void Init(uint32_t seed);
    // The reference seeding by an array of length words.
    void InitByArray(const uint32_t* key, int length);
    // Next 32-bit output; a state never seeded seeds itself with 5489 first.
    uint32_t NextInt32();

private:
    static constexpr int N = 624;
    static constexpr int M = 397;
    void Twist();
    uint32_t mt[N] = {};
    int mti = N + 1;
};

void InitGenrand(uint32_t seed);
void InitByArray(const uint32_t* key, int length);
uint32_t GenrandInt32();
// GenrandInt32 shifted right by one.
int32_t GenrandInt31();
// In [0, 1], both ends possible.
double GenrandReal1();
// In [0, 1).
double GenrandReal2();
// In (0, 1).
double GenrandReal3();
// In [0, 1) with 53-bit resolution, from two draws.
double GenrandRes53();

void SeedRandom(uint32_t seed);
// Seeds with the calendar time in seconds; nothing in the game does, since
// replays need the fixed seed.
void SeedRandomFromTime();
// A copy of the game's generator as it stands, for checks that must not draw from it.
MersenneTwister CopyOfRandomState();
// Uniform in [0, 1], 1.0 included.
float RandomFloat();
// 0 .. n - 1 as a rule, n itself when the generator returns exactly 1.0.
int RandomInt(uint32_t n);
