// One frame pass at stage 0's densest wave: two bits, eight diving enemies, a
// row each of straight and hovering enemies, two mid enemies streaming shots,
// a beam laying its hit volumes, and all their shots. Timed over the 36
// frames in which the beam hurts, from the same start each time: on the null
// device, and on the OpenGL device (headless, Mesa llvmpipe) with the
// enemies' own meshes; run the latter with LP_NUM_THREADS=2.
#include "actors/enemies/Beam.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/MidEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "engine/AssetLists.h"
#include "engine/FileUtil.h"
#include "game/FramePass.h"
#include "game/Scenes.h"
#include "platform/sdl/GlGraphicsDevice.h"
#include "tests/common/TestWorld.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/XFileWriter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

// Frames of play before the beam, so that the shots have built up.
constexpr int kWarmUpFrames = 120;
constexpr int kBeamFrames = 36;

void FillDensestWave()
{
    SetScene(113, -1);
    g_player->EnableControl();
    g_player->Activate();
    g_player->SetPosition(0.0f, -4.5f, 0.0f);
    g_player->countdown = 1000000;
    SpawnBit();
    SpawnBit();
    for (int i = 0; i < 8; ++i)
        SpawnEnemy1Random();
    SpawnEnemy0Row(0.75f);
    SpawnEnemy2Row();
    for (float x : {-2.5f, 2.5f}) {
        auto* mid = new CEnemym0(x, 2.0f, 0.0f);
        mid->StopMotion();
        mid->SetPhase(MID_WORKING);
        g_enemyList.push_back(mid);
    }
}

// Seconds per frame of the beam's hurting frames, the scene built afresh for each run.
void MeasureWave(benchmark::State& state, bool presentWaits)
{
    double seconds = 0.0;
    for (auto _ : state) {
        FillDensestWave();
        for (int frame = 0; frame < kWarmUpFrames; ++frame)
            Frame(false);
        const CSprite* mid = g_enemyList.back();
        CreateBeam(mid->position.x, mid->position.y, mid->position.z, &mid->facing);
        const auto start = std::chrono::steady_clock::now();
        for (int frame = 0; frame < kBeamFrames; ++frame) {
            Frame(false);
            if (presentWaits)
                glFinish();
        }
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(spent.count() / kBeamFrames);
        seconds += spent.count();
    }
    state.counters["fps"] = static_cast<double>(state.iterations()) * kBeamFrames / seconds;
    state.counters["enemies"] = static_cast<double>(g_enemyList.size());
    state.counters["enemyShots"] = static_cast<double>(g_enemyShotList.size());
    state.counters["effects"] = static_cast<double>(g_effectList.size());
}

void BM_DensestWaveFrameNull(benchmark::State& state)
{
    TestWorld world;
    world.ListTransforms();
    MeasureWave(state, false);
}
// Each run plays its warm-up untimed: a fixed count keeps the wall time short.
BENCHMARK(BM_DensestWaveFrameNull)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(300);

// The window must exist before the world opens the device on it.
struct OffscreenWindow {
    OffscreenWindow()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        created = window.Create("bench", 640, 480);
    }
    SdlWindow window;
    bool created = false;
};

// The wave's meshes as the asset generator makes them, each material picture a plain two-texel one.
class GlWave {
public:
    GlWave()
    {
        world.ListTransforms();
        LoadModel(&g_modelBit, "#120", BuildBit());
        LoadModel(&g_modelSmallEnemy, "#103", BuildSmallEnemy());
        LoadModel(&g_modelMidEnemy, "#110", BuildMidEnemy());
        resources.AddPicture("TEXTURE", "#106", {0xFFE0A0, 0xFF8040});
        world.graphics.LoadTextureResource(&g_texEnemyShot, "#106");
    }

    ~GlWave()
    {
        for (int* handle : {&g_modelBit, &g_modelSmallEnemy, &g_modelMidEnemy, &g_texEnemyShot})
            *handle = -1;
    }

    bool Ready() const { return offscreen.created && world.graphics.GetMeshFaceCount(g_modelBit) > 0; }

private:
    void LoadModel(int* handle, const char* name, const Mesh& mesh)
    {
        for (const ModelMaterial& material : mesh.materials) {
            if (material.textureFile.empty())
                continue;
            const std::string& picture = names.emplace_back("#" + GetFileNameNoExt(material.textureFile));
            resources.AddPicture("TEXTUREM", picture.c_str(), {0xD0D0C8, 0x606870});
        }
        resources.AddText("MODEL", name, WriteXFile(mesh));
        world.graphics.LoadMesh(handle, name, "MODEL");
    }

    OffscreenWindow offscreen;
    GlGraphicsDevice device{offscreen.window};
    GraphicsTestResources resources;
    std::deque<std::string> names;

public:
    TestWorld world{&device};
};

void BM_DensestWaveFrameGl(benchmark::State& state)
{
    GlWave wave;
    if (!wave.Ready()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    MeasureWave(state, true);
    const char* threads = std::getenv("LP_NUM_THREADS");
    state.SetLabel(std::string("LP_NUM_THREADS=") + (threads ? threads : "unset"));
}
BENCHMARK(BM_DensestWaveFrameGl)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace
