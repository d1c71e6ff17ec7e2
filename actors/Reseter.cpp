#include "actors/Reseter.h"

#include "engine/ObjectLists.h"

#include <cstddef>

namespace {

constexpr int kReseterFrames = static_cast<int>(60 * 4.0);

}  // namespace

CReseter::CReseter(int scene, int step, int frames) : scene(scene), step(step)
{
    dyingLeft = frames;
    dyingFrames = frames;
    Die();
}

CReseter::~CReseter() = default;

void SpawnReseter(int scene, int step) { g_systemSpriteList.push_back(new CReseter(scene, step, kReseterFrames)); }

void RemoveAllReseters()
{
    for (std::size_t i = 0; i < g_systemSpriteList.size();) {
        if (dynamic_cast<CReseter*>(g_systemSpriteList[i]) == nullptr) {
            ++i;
            continue;
        }
        delete g_systemSpriteList[i];
        g_systemSpriteList.erase(g_systemSpriteList.begin() + static_cast<std::ptrdiff_t>(i));
    }
}
