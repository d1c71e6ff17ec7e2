// The start-up loading of the master lists from the embedded assets, as the
// program entry runs it, on the null devices: the decoding of every picture,
// mesh and sound (the null mixer keeps the sounds, so they are decoded too).
#include "assets/EmbeddedAssets.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/SoundSystem.h"
#include "platform/NullAudioDevice.h"
#include "platform/NullGraphicsDevice.h"
#include "platform/Resources.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_StartUpLoading(benchmark::State& state)
{
    ClearResources();
    RegisterEmbeddedAssets();
    for (auto _ : state) {
        NullGraphicsDevice device;
        GraphicsSystem graphics;
        SoundSystem sound(std::make_unique<NullAudioDevice>());
        graphics.Init(&device, 640, 480, false, false);
        g_graphics = &graphics;
        g_sound = &sound;
        int loading = -1;
        LoadMasterTextures();
        graphics.LoadTextureResource(&loading, "#342");
        LoadMoreTextures();
        LoadMasterSounds();
        LoadMasterModels();
        graphics.ReleaseTexture(&loading);
        g_graphics = nullptr;
        g_sound = nullptr;
    }
    ClearResources();
}
// Once, as in a process: the handles stay set, and a set handle loads nothing again.
BENCHMARK(BM_StartUpLoading)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
