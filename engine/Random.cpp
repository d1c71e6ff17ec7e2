#include "engine/Random.h"

namespace {

constexpr uint32_t kMatrixA = 0x9908b0dfu;
constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7fffffffu;

uint32_t Mix(uint32_t upper, uint32_t lower, uint32_t shifted)
{
    const uint32_t y = (upper & kUpperMask) | (lower & kLowerMask);
    return shifted ^ (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
}

MersenneTwister g_random;

}  // namespace

void MersenneTwister::Init(uint32_t seed)
{
    mt[0] = seed;
    for (mti = 1; mti < N; mti++)
        mt[mti] = 1812433253u * (mt[mti - 1] ^ (mt[mti - 1] >> 30)) + static_cast<uint32_t>(mti);
}

void MersenneTwister::Twist()
{
    int kk = 0;
    for (; kk < N - M; kk++)
        mt[kk] = Mix(mt[kk], mt[kk + 1], mt[kk + M]);
    for (; kk < N - 1; kk++)
        mt[kk] = Mix(mt[kk], mt[kk + 1], mt[kk + (M - N)]);
    mt[N - 1] = Mix(mt[N - 1], mt[0], mt[M - 1]);
    mti = 0;
}

uint32_t MersenneTwister::NextInt32()
{
    if (mti >= N) {
        if (mti == N + 1)
            Init(5489u);
        Twist();
    }
    uint32_t y = mt[mti++];
    y ^= (y >> 11);
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= (y >> 18);
    return y;
}

void InitGenrand(uint32_t seed) { g_random.Init(seed); }

uint32_t GenrandInt32() { return g_random.NextInt32(); }

double GenrandReal1() { return GenrandInt32() * (1.0 / 4294967295.0); }

void SeedRandom(uint32_t seed) { InitGenrand(seed); }

MersenneTwister CopyOfRandomState() { return g_random; }

float RandomFloat() { return static_cast<float>(GenrandReal1()); }

int RandomInt(uint32_t n) { return static_cast<int>(n * GenrandReal1()); }
