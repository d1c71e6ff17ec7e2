#include "tools/assetgen/Noise.h"

#include <cmath>

namespace {

int Wrap(int v, int period)
{
    if (period <= 0)
        return v;
    const int r = v % period;
    return r < 0 ? r + period : r;
}

float Fade(float t) { return t * t * (3.0f - 2.0f * t); }

} // namespace

uint32_t HashBits(uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7FEB352Du;
    v ^= v >> 15;
    v *= 0x846CA68Bu;
    v ^= v >> 16;
    return v;
}

float LatticeValue(int x, int y, uint32_t seed)
{
    return HashBits(static_cast<uint32_t>(x) * 73856093u ^ HashBits(static_cast<uint32_t>(y) * 19349663u ^ seed)) /
           4294967295.0f;
}

float ValueNoise(float x, float y, uint32_t seed, int period)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const float tx = Fade(x - fx), ty = Fade(y - fy);
    const float v00 = LatticeValue(Wrap(x0, period), Wrap(y0, period), seed);
    const float v10 = LatticeValue(Wrap(x0 + 1, period), Wrap(y0, period), seed);
    const float v01 = LatticeValue(Wrap(x0, period), Wrap(y0 + 1, period), seed);
    const float v11 = LatticeValue(Wrap(x0 + 1, period), Wrap(y0 + 1, period), seed);
    const float top = v00 + (v10 - v00) * tx;
    const float bottom = v01 + (v11 - v01) * tx;
    return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, int octaves, uint32_t seed, int period)
{
    float sum = 0, weight = 0, amplitude = 1, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(x * frequency, y * frequency, seed + 101u * i, period * static_cast<int>(frequency));
        weight += amplitude;
        amplitude *= 0.5f;
        frequency *= 2.0f;
    }
    return sum / weight;
}
