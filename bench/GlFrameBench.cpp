// Frames per second of the OpenGL device drawing the game's heaviest frames
// through GraphicsSystem. Headless: SDL_VIDEODRIVER defaults to offscreen
// (Mesa llvmpipe); run once with LP_NUM_THREADS=2 and once with 8.
#include "engine/FileUtil.h"
#include "engine/GraphicsSystem.h"
#include "engine/VectorHelpers.h"
#include "platform/sdl/GlGraphicsDevice.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Primitives.h"
#include "tools/assetgen/meshes/XFileWriter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr int kBillboards = 2000;

// A small mesh: a textured block of 12 triangles on the same footprint.
Mesh SmallBlock()
{
    MeshBuilder builder;
    const int material = builder.AddMaterial(Textured(0.88f, 0.84f, 0.74f, kGroundPicture));
    builder.Add(Box({-0.45f, -0.45f, -0.3f}, {0.45f, 0.45f, 0.0f}), material, BoxMapping(2.0f));
    return builder.Result();
}

// A window, the device and the manager with a 32 × 32 picture and one mesh.
class GlScene {
public:
    explicit GlScene(const Mesh& mesh = SmallBlock())
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ready = window.Create("bench", 640, 480) && graphics.Init(&device, 640, 480, false, false);
        resources.Add("TEXTURE", "#1", SpotPicture());
        resources.AddText("MODEL", "#1", WriteXFile(mesh));
        for (const ModelMaterial& material : mesh.materials)
            if (!material.textureFile.empty())
                meshPicture = "#" + GetFileNameNoExt(material.textureFile);
        resources.AddPicture("TEXTUREM", meshPicture.c_str(), {0xECE8DE, 0x787064});
        graphics.LoadTextureResource(&texture, "#1");
        graphics.LoadMesh(&this->mesh, "#1", "MODEL");
    }

    // Draws one frame as the frame pass does and waits until GL has finished it.
    template <typename Draw>
    void Frame(Draw draw)
    {
        graphics.Clear();
        graphics.BeginScene();
        graphics.SetViewport(160, 0, 480, 480);
        draw(graphics);
        graphics.EndScene();
        graphics.Present();
        glFinish();
    }

    bool ready = false;
    int texture = -1, mesh = -1;

private:
    // A soft round spot, as shots and sparks are.
    static std::vector<unsigned char> SpotPicture()
    {
        TestPng picture;
        picture.width = picture.height = 32;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const float r = std::hypot(static_cast<float>(x) - 15.5f, static_cast<float>(y) - 15.5f) / 16.0f;
                const auto v = static_cast<unsigned char>(255.0f * std::fmax(0.0f, 1.0f - r));
                picture.rows.insert(picture.rows.end(), {v, v, static_cast<unsigned char>(v / 2)});
            }
        return EncodeTestPng(picture);
    }

    std::string meshPicture;
    GraphicsTestResources resources;
    SdlWindow window;
    GlGraphicsDevice device{window};
    GraphicsSystem graphics;
};

// Billboards spread evenly over the play field, as a screen full of shots.
std::vector<Matrix> BillboardPlaces()
{
    std::vector<Matrix> places;
    for (int i = 0; i < kBillboards; ++i) {
        const float x = std::fmod(static_cast<float>(i) * 0.618034f, 1.0f) * 10.0f - 5.0f;
        const float y = (static_cast<float>(i) + 0.5f) / kBillboards * 10.0f - 5.0f;
        places.push_back(MatrixMultiply(MatrixRotationZ(static_cast<float>(i) * 0.1f), MatrixTranslation(x, y, 0.0f)));
    }
    return places;
}

// The stage ground tilted as stage 0 tilts it, every cell of its grid filled:
// of the tiles that the ground's view test passes, the count nearest the eye,
// in the order the ground draws them.
std::vector<Matrix> TilePlaces(size_t count)
{
    const Matrix ground = MatrixRotationX(0.2f * kPi);
    Matrix inverse;
    MatrixInverse(&inverse, ground);
    Vec3 camera = Vec3TransformNormal({0.0f, 0.0f, 10.0f}, inverse);
    const Vec3 eye = Vec3TransformCoord({0.0f, 0.0f, -10.0f}, inverse);
    std::vector<Vec3> passed;
    for (int y = 60; y >= -60; --y)
        for (int x = -60; x <= 60; ++x) {
            const Vec3 p{static_cast<float>(x), static_cast<float>(y), 10.0f};
            Vec3 d = camera - p;
            if (VecLength(&d) > 20.0f)
                VecNormalizeScale(&d, 20.0f);
            const Vec3 q = p + d;
            if (AngleBetween(&camera, &q) <= 0.785398)
                passed.push_back(p);
        }
    std::vector<float> distances;
    for (const Vec3& p : passed)
        distances.push_back(Vec3Length(p - eye));
    std::vector<float> sorted = distances;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count) - 1, sorted.end());
    const float farthest = sorted[count - 1];
    std::vector<Matrix> places;
    for (size_t i = 0; i < passed.size() && places.size() < count; ++i)
        if (distances[i] <= farthest)
            places.push_back(MatrixMultiply(MatrixTranslation(passed[i].x, passed[i].y, passed[i].z), ground));
    return places;
}

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Times whole frames of draw; draws: the drawing calls of one frame, for the report.
template <typename Draw>
void MeasureFrames(benchmark::State& state, GlScene& scene, size_t draws, const std::string& what, Draw draw)
{
    if (!scene.ready) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    const double before = ProcessCpuSeconds();
    for (auto _ : state)
        scene.Frame(draw);
    // The drawing threads' time too, which the benchmark's own CPU time leaves out.
    state.counters["cpu_ms_per_frame"] =
        1000.0 * (ProcessCpuSeconds() - before) / static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["draws"] = static_cast<double>(draws);
    const char* threads = std::getenv("LP_NUM_THREADS");
    state.SetLabel(what + ", LP_NUM_THREADS=" + (threads ? threads : "unset"));
}

void BM_GlFrameOfAdditiveBillboards(benchmark::State& state)
{
    GlScene scene;
    const std::vector<Matrix> places = BillboardPlaces();
    MeasureFrames(state, scene, places.size(), "0.5 x 0.5 additive", [&](GraphicsSystem& g) {
        g.SetCameraMode(45);
        g.SetFog(0);
        g.SetCulling(0);
        g.SetZBuffer(0);
        for (const Matrix& world : places)
            g.DrawBillboard(scene.texture, 0.5f, 0.5f, 0.0f, world);
    });
}
BENCHMARK(BM_GlFrameOfAdditiveBillboards)->Unit(benchmark::kMillisecond)->UseRealTime();

// First argument 0: the stage ground's tile as the asset generator makes it
// (108 triangles in three materials, two textured); 1: a small mesh in its
// place. Second: the tiles drawn, every cell filled (3000) or about as many as
// the stage's grid fills (300).
void BM_GlFrameOfGroundTiles(benchmark::State& state)
{
    GlScene scene(state.range(0) == 0 ? BuildGroundTile() : SmallBlock());
    const std::vector<Matrix> places = TilePlaces(static_cast<size_t>(state.range(1)));
    const char* what = state.range(0) == 0 ? "ground tile" : "12-triangle block";
    MeasureFrames(state, scene, places.size(), what, [&](GraphicsSystem& g) {
        g.SetFogColor(64, 82, 138);
        g.SetFogRange(10.0f, 50.0f);
        g.SetBlendMode(0);
        g.SetCulling(1);
        g.SetFog(1);
        g.SetCameraMode(45);
        for (const Matrix& world : places)
            g.DrawMesh(scene.mesh, world);
    });
}
BENCHMARK(BM_GlFrameOfGroundTiles)->Args({0, 3000})->Args({1, 3000})->Args({0, 300})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
