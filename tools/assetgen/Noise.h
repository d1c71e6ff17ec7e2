// Deterministic value noise for textures: the same picture on every run.
#pragma once

#include <cstdint>

// Mixes the bits of v into a well-spread 32-bit value.
uint32_t HashBits(uint32_t v);
// A pseudo-random value in 0..1 for the integer lattice point (x, y) and seed.
float LatticeValue(int x, int y, uint32_t seed);
// Smooth value noise; period > 0 makes it repeat every period lattice cells.
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
// Sum of octaves of value noise, 0..1; period (in cells of the first octave)
// makes it repeat.
float FractalNoise(float x, float y, int octaves, uint32_t seed, int period = 0);
