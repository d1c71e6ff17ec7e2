#include "engine/Grid.h"

#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"

#include <cstring>

CGrid* g_grid = nullptr;

void CGrid::Clear() { std::memset(cells, 0, sizeof cells); }

void CGrid::DrawAll()
{
    const auto place = [](int index) { return static_cast<float>(index - kSize / 2) * 0.5f; };
    for (int i = 0; i < kSize; ++i) {
        for (int j = 0; j < kSize; ++j) {
            for (int k = 0; k < kSize; ++k)
                g_graphics->DrawMesh(g_modelArmouredEnemy, MatrixTranslation(place(k), place(j), place(i)));
        }
    }
}
