// Frame costs of the stage ground and the particle systems on the null device.
#include "actors/LandScape.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/ResourceLoader.h"
#include "platform/Resources.h"
#include "tests/actors/TileMesh.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kLiveParticles = 5000;

// A 100 × 100 grid with about one cell in `every` holding a tile.
std::string StageGrid(int every)
{
    std::string text;
    unsigned int state = 12345;
    for (int row = 0; row < 100; ++row) {
        for (int column = 0; column < 100; ++column) {
            state = state * 1103515245u + 12345u;
            text += (state >> 16) % every == 0 ? static_cast<char>('1' + (state >> 8) % 2) : '0';
        }
        text += "\r\n";
    }
    return text;
}

// The stage 0 ground under the default camera, as the scene set-up leaves it.
class StageGround {
public:
    explicit StageGround(int every) : mesh(kTileMesh, kTileMesh + std::strlen(kTileMesh)), grid(StageGrid(every))
    {
        UnscrambleResource(mesh.data(), mesh.data(), static_cast<int>(mesh.size()));
        const EmbeddedResource table[] = {
            {"MODEL", "#116", mesh.data(), mesh.size()},
            {"MAP", "#102", reinterpret_cast<const unsigned char*>(grid.data()), grid.size()}};
        RegisterResources(table, 2);
        g_graphics = &graphics;
        camera.position = {0.0f, 0.0f, -10.0f};
        g_camera = &camera;
        g_groundTransform = &groundTransform;
        ground.SetupScene(11, 100, 100);
        ClearResources();
        ground.SetVelocity(-0.03f, 0.5f, 0.0f);
    }

    ~StageGround()
    {
        g_camera = g_groundTransform = nullptr;
        g_graphics = nullptr;
    }

    GraphicsSystem graphics;
    CSprite camera, groundTransform;
    CLandScape ground;

private:
    std::vector<unsigned char> mesh;
    std::string grid;
};

void StageGroundDraw(benchmark::State& state)
{
    StageGround stage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        stage.ground.Update();
        stage.ground.Draw();
    }
}
// One tile in five cells, about as many as the stage grid holds; then every cell a tile.
BENCHMARK(StageGroundDraw)->Arg(5)->Arg(1)->Unit(benchmark::kMicrosecond);

// Lives spread over the whole span, so about 1/120 of the particles die and
// are replaced each frame.
template <typename Particles>
void SpreadLives(Particles* system)
{
    for (size_t i = 0; i < system->particles.size(); ++i)
        system->particles[i].life = 1 + static_cast<int>(i % kParticleLife);
}

template <typename Particles>
void ParticlesFrame(benchmark::State& state)
{
    GraphicsSystem graphics;
    g_graphics = &graphics;
    SeedRandom(1024);
    Particles system;
    const Vec3 at{};
    system.Emit(&at, kLiveParticles);
    SpreadLives(&system);
    for (auto _ : state) {
        system.Update();
        system.Emit(&at, kLiveParticles - static_cast<int>(system.particles.size()));
        system.Draw();
    }
    g_graphics = nullptr;
}
BENCHMARK_TEMPLATE(ParticlesFrame, CPointParticles)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(ParticlesFrame, CTriangleParticles)->Unit(benchmark::kMicrosecond);

}  // namespace
