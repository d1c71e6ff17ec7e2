// What GraphicsSystem itself costs per draw: the null device draws nothing,
// so these times are the manager's own work (state switches, vertices).
#include "engine/GraphicsSystem.h"
#include "tests/engine/GraphicsTestResources.h"

#include <benchmark/benchmark.h>

namespace {

class NullScene {
public:
    NullScene()
    {
        graphics.Init(&device, 640, 480, false, false);
        resources.AddPicture("TEXTURE", "#1", {0xFFFFFF});
        resources.AddText("MODEL", "#1", kTwoMaterialSquare);
        resources.AddPicture("TEXTUREM", "#210", {0x00FF00});
        graphics.LoadTextureResource(&texture, "#1");
        graphics.LoadMesh(&mesh, "#1", "MODEL");
    }

    GraphicsTestResources resources;
    NullGraphicsDevice device;
    GraphicsSystem graphics;
    int texture = -1, mesh = -1;
};

void BM_NullDrawBillboard(benchmark::State& state)
{
    NullScene scene;
    const Matrix world = MatrixTranslation(1.0f, 2.0f, 0.0f);
    const float alpha = static_cast<float>(state.range(0));
    for (auto _ : state)
        scene.graphics.DrawBillboard(scene.texture, 0.5f, 0.5f, alpha, world);
}
// Additive (one pass) and subtractive (three passes).
BENCHMARK(BM_NullDrawBillboard)->Arg(0)->Arg(-1);

void BM_NullDrawMesh(benchmark::State& state)
{
    NullScene scene;
    const Matrix world = MatrixTranslation(1.0f, 2.0f, 10.0f);
    for (auto _ : state)
        scene.graphics.DrawMesh(scene.mesh, world);
}
BENCHMARK(BM_NullDrawMesh);

void BM_NullDrawTexture2D(benchmark::State& state)
{
    NullScene scene;
    for (auto _ : state)
        scene.graphics.DrawTexture2D(scene.texture, 10, 20, 0, 0, 1, 1, 0.5f);
}
BENCHMARK(BM_NullDrawTexture2D);

void BM_NullDrawRect2D(benchmark::State& state)
{
    NullScene scene;
    for (auto _ : state)
        scene.graphics.DrawRect2D(10, 20, 30, 40, 0.5f, 1.0f, 0.5f, 0.25f);
}
BENCHMARK(BM_NullDrawRect2D);

}  // namespace
