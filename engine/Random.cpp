#include "engine/Random.h"

#include <algorithm>
#include <ctime>

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

void MersenneTwister::InitByArray(const uint32_t* key, int length)
{
    Init(19650218u);
    int i = 1;
    int j = 0;
    for (int k = std::max(N, length); k > 0; k--) {
        const uint32_t word = length > 0 ? key[j] : 0u;  // an empty key reads nothing
        mt[i] = (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1664525u)) + word + static_cast<uint32_t>(j);
        i++;
        j++;
        if (i >= N) {
            mt[0] = mt[N - 1];
            i = 1;
        }
        if (j >= length)
            j = 0;
    }
    for (int k = N - 1; k > 0; k--) {
        mt[i] = (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1566083941u)) - static_cast<uint32_t>(i);
        i++;
        if (i >= N) {
            mt[0] = mt[N - 1];
            i = 1;
        }
    }
    mt[0] = 0x80000000u;  // non-zero initial state assured
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

void InitByArray(const uint32_t* key, int length) { g_random.InitByArray(key, length); }

uint32_t GenrandInt32() { return g_random.NextInt32(); }

int32_t GenrandInt31() { return static_cast<int32_t>(GenrandInt32() >> 1); }

double GenrandReal1() { return GenrandInt32() * (1.0 / 4294967295.0); }

double GenrandReal2() { return GenrandInt32() * (1.0 / 4294967296.0); }

double GenrandReal3() { return (static_cast<double>(GenrandInt32()) + 0.5) * (1.0 / 4294967296.0); }

double GenrandRes53()
{
    const uint32_t a = GenrandInt32() >> 5;
    const uint32_t b = GenrandInt32() >> 6;
    return (a * 67108864.0 + b) * (1.0 / 9007199254740992.0);
}

void SeedRandom(uint32_t seed) { InitGenrand(seed); }

void SeedRandomFromTime() { InitGenrand(static_cast<uint32_t>(std::time(nullptr))); }

MersenneTwister CopyOfRandomState() { return g_random; }

float RandomFloat() { return static_cast<float>(GenrandReal1()); }

int RandomInt(uint32_t n) { return static_cast<int>(n * GenrandReal1()); }
