// A cube of 64 × 64 × 64 cells that the program entry keeps from start to end;
// nothing in the game reads or draws it.
#pragma once

#include <cstdint>

class CGrid {
public:
    static constexpr int kSize = 64;

    void Clear();
    // The armoured enemy's mesh at every cell, half a unit apart, centred on the origin.
    void DrawAll();

    // [i][j][k]: i is z, j is y, k is x. Left as they are until cleared.
    int32_t cells[kSize][kSize][kSize];
};

extern CGrid* g_grid;
