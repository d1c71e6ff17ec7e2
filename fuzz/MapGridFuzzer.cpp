// MAP grids: the first two bytes give the grid's width and height (each
// taken modulo 101), the rest is the grid text. Every cell of the grid holds
// a digit's value, and no cell outside it is touched.
#include "actors/LandScape.h"
#include "fuzz/FuzzCheck.h"
#include "platform/Resources.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const EmbeddedResource grid{"MAP", "#fuzz", data + 2, size - 2};
    ClearResources();
    RegisterResources(&grid, 1);
    auto ground = std::make_unique<CLandScape>();
    ground->gridWidth = data[0] % (CLandScape::kMaxGrid + 1);
    ground->gridHeight = data[1] % (CLandScape::kMaxGrid + 1);
    ground->LoadMapGrid("#fuzz");
    for (int x = 0; x < CLandScape::kMaxGrid; ++x) {
        for (int y = 0; y < CLandScape::kMaxGrid; ++y) {
            const int cell = ground->cells[x * CLandScape::kMaxGrid + y];
            const bool inside = x < ground->gridWidth && y < ground->gridHeight;
            FuzzCheck(inside ? cell <= 9 : cell == 0, "cells hold digits, and only inside the grid");
        }
    }
    ClearResources();
    return 0;
}
