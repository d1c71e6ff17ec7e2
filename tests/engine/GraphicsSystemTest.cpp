#include "engine/GraphicsSystem.h"

#include "GraphicsTestResources.h"
#include "TempFolder.h"
#include "engine/BmpWriter.h"
#include "engine/FileUtil.h"
#include "engine/Random.h"
#include "platform/RecordingGraphicsDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>

namespace {

constexpr char kLog[] = "log\\d3d9.txt";

std::string ReadLog() { return ReadTextFile(ProgramFilePath(kLog)); }

using Floats = std::vector<float>;
using Strings = std::vector<std::string>;

class GraphicsSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppendLog(kLog, "");
        ASSERT_TRUE(graphics.Init(&device, 640, 480, false, false));
        device.ClearRecord();
    }
    // A texture slot holding a 2 × 1 picture.
    int LoadTexture(const char* name = "#1")
    {
        resources.AddPicture("TEXTURE", name, {0xFF00FF, 0x00FF00});
        int handle = -1;
        graphics.LoadTextureResource(&handle, name);
        return handle;
    }
    // The draws that draw makes, and no others.
    std::vector<RecordedDraw> Drawn(const std::function<void()>& draw)
    {
        device.ClearRecord();
        draw();
        return device.draws;
    }
    RecordingGraphicsDevice device;
    GraphicsSystem graphics;
    GraphicsTestResources resources;
    const Matrix world = MatrixTranslation(1.0f, 2.0f, 3.0f);
};

TEST_F(GraphicsSystemTest, InitLogsItsStepsAndSetsTheStartStates)
{
    EXPECT_EQ(ReadLog(), "Create Direct3D9 Object.\n -> Finished.\nEnumerate Display Modes.\n -> Finished.\n"
                         "Initialize Direct3D9 Device (Primary).\n -> Finished.\nInitialize Render States.\n"
                         " -> Finished.\n");
    const RecordedState& s = device.state;
    EXPECT_TRUE(s.lighting && s.lightEnabled && s.fog && !s.depthTest && !s.depthWrite);
    EXPECT_EQ(std::tuple(s.fogColor, s.fogStart, s.fogEnd, s.ambient, s.cull),
              std::tuple(0xFF000000u, 20.0f, 40.0f, 0x00AAAAAAu, CullMode::CounterClockwise));
    EXPECT_NEAR(Vec3Length(s.light.direction), 1.0f, 1e-6f);
    EXPECT_LT(s.light.direction.x, 0.0f);
    EXPECT_EQ(s.view, MatrixLookAtLH({0, 0, -10}, {0, 0, 0}, {0, 1, 0}));
    EXPECT_EQ(s.projection, MatrixPerspectiveFovLH(0.9299114f, 1.0f, 1.0f, 1000.0f));
    EXPECT_EQ(graphics.GetViewTransform(), s.view);
    EXPECT_EQ(graphics.GetProjectionTransform(), s.projection);
    graphics.Release();
    EXPECT_EQ(device.calls.back(), "ReleaseDevice");
    EXPECT_NE(ReadLog().find("Release Mesh.\n -> Finished.\nRelease Terxture.\n -> Finished.\n"
                             "Release Direct3D9 Device.\n -> Finished.\n"),
              std::string::npos);
}

TEST(GraphicsSystemInit, FullScreenWithVsyncAsksForTheLowestRateOfAtLeast60Hz)
{
    const std::vector<DisplayMode> modes = {{640, 480, 75, 0}, {640, 480, 60, 0}, {640, 480, 59, 0}, {800, 600, 0, 0}};
    const struct {
        std::vector<DisplayMode> modes;
        bool vsync;
        const char* expected;
    } cases[] = {
        {modes, true, "fullscreen 60 vsync"},
        {{{640, 480, 75, 0}, {640, 480, 0, 0}}, true, "fullscreen 0 vsync"},
        {{{640, 480, 50, 0}, {1024, 768, 60, 0}, {640, 400, 60, 0}}, true, "fullscreen 65535 vsync"},
        {modes, false, "fullscreen 0"},
    };
    for (const auto& c : cases) {
        RecordingGraphicsDevice device;
        device.displayModes = c.modes;
        GraphicsSystem graphics;
        AppendLog(kLog, "");
        ASSERT_TRUE(graphics.Init(&device, 640, 480, true, c.vsync));
        EXPECT_EQ(device.calls[0], std::string("CreateDevice 640x480 ") + c.expected);
    }
    EXPECT_NE(ReadLog().find("Enumerate Display Modes.\n  640x480 75hz 0\n  640x480 60hz 0\n"), std::string::npos);
}

TEST(GraphicsSystemInit, FailuresAreLoggedAndLeaveNothingOpen)
{
    for (const bool desktopFails : {false, true}) {
        RecordingGraphicsDevice device;
        device.desktopModeAvailable = !desktopFails;
        device.opens = false;
        GraphicsSystem graphics;
        AppendLog(kLog, "");
        EXPECT_FALSE(graphics.Init(&device, 640, 480, false, false));
        const std::string log = ReadLog(), tail = desktopFails ? "(Primary).\n" : "(Primary).\n -> Failed.\n";
        EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
        device.ClearRecord();
        graphics.SetBlendMode(0);
        graphics.Present();
        EXPECT_TRUE(device.calls.empty());
    }
    GraphicsSystem graphics;
    EXPECT_EQ(graphics.GetViewTransform(), MatrixIdentity());
    EXPECT_FALSE(graphics.Init(nullptr, 640, 480, false, false));
}

// The font is the first render state made and the first interface released;
// without a face text draws nothing.
TEST(GraphicsSystemText, FontIsMadeFirstAndReleasedBeforeTheDevice)
{
    const struct {
        bool found;
        Strings textCalls;
    } cases[] = {
        {true, {"DrawText 1 0 0 512 32 ffffffff", "ReleaseFont 1", "ReleaseDevice"}},
        {false, {"ReleaseDevice"}},
    };
    for (const auto& c : cases) {
        RecordingGraphicsDevice device;
        device.findsFonts = c.found;
        GraphicsSystem graphics;
        ASSERT_TRUE(graphics.Init(&device, 640, 480, false, false));
        EXPECT_EQ(device.calls.at(1), "CreateFont 12 Arial");
        device.ClearRecord();
        graphics.DrawText(0, 0, "A", 0xFFFFFFFF);
        graphics.Release();
        Strings textCalls;
        for (const std::string& call : device.calls)
            if (call.starts_with("DrawText") || call.starts_with("Release"))
                textCalls.push_back(call);
        EXPECT_EQ(textCalls, c.textCalls) << c.found;
    }
}

TEST_F(GraphicsSystemTest, TextIsBlendedWithoutDepthOrFogIntoA512By32Box)
{
    graphics.SetZBuffer(1);
    graphics.SetBlendMode(1);
    const auto draws = Drawn([&] { graphics.DrawText(10, 20, "A\nB", 0x80FF0000); });
    ASSERT_EQ(draws.size(), 1u);
    const RecordedState& s = draws[0].state;
    EXPECT_EQ(std::tuple(draws[0].text, s.depthTest, s.depthWrite, s.fog, s.source, s.destination),
              std::tuple("A\nB", false, false, false, BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha));
    EXPECT_EQ(device.calls.back(), "DrawText 1 10 20 522 52 80ff0000");
}

// Nothing in the game shades flat or picks a texture mode; the plays draw through the rest.
TEST_F(GraphicsSystemTest, FlatShadingAndTextureModesReachTheDeviceOnlyWhenTheyChange)
{
    graphics.SetFlatShading(1);
    graphics.SetFlatShading(1);
    for (int mode : {0, 1, 2, 0, 0})
        graphics.SetTextureMode(mode);
    EXPECT_EQ(device.calls, (Strings{"SetShadeMode Flat", "SetSamplerMode WrapNearest", "SetSamplerMode WrapNearest",
                                     "SetSamplerMode ClampLinear"}));
}

// Blending takes the vertex alpha; adding, inverting and multiplying take the texture's.
TEST_F(GraphicsSystemTest, OnlyTheBlendModeModulatesTheTextureAlpha)
{
    for (int mode : {0, 1, 2, 3}) {
        graphics.SetBlendMode(mode);
        EXPECT_EQ(device.state.alphaOp, mode == 0 ? TextureAlphaOp::Modulate : TextureAlphaOp::SelectTexture) << mode;
    }
}

// Only billboards multiply; no play draws a quad at -2.
TEST_F(GraphicsSystemTest, AQuadTakesMinusTwoAsAnOpacity)
{
    const int texture = LoadTexture();
    const Vec3 corners[4] = {{0, 1, 5}, {1, 1, 5}, {0, 0, 5}, {1, 0, 5}};
    const auto quad = Drawn([&] { graphics.DrawTexturedQuad3D(texture, corners, -2.0f, world); });
    ASSERT_EQ(quad.size(), 1u);
    EXPECT_EQ(std::tuple(quad[0].state.source, quad[0].colorVertices[0].color >> 24),
              std::tuple(BlendFactor::SourceAlpha, 2u));
}

// No play draws a textured screen quad.
TEST_F(GraphicsSystemTest, ScreenQuadsShiftTheirTexelsHalfAPixel)
{
    const int texture = LoadTexture();
    const auto draws = Drawn([&] { graphics.DrawTexturedQuad2D(texture, 10, 20, 0.0f); });
    ASSERT_EQ(draws.size(), 1u);
    const std::vector<ScreenVertex>& quad = draws[0].screenVertices;
    EXPECT_EQ(Floats({quad[0].u, quad[0].v, quad[3].x, quad[3].y}), Floats({-0.25f, -0.5f, 12, 21}));
}

TEST_F(GraphicsSystemTest, FogValuesGoOutAtOnceAndWithTheSwitch)
{
    graphics.SetFog(0);
    graphics.SetFogColor(0x140, 82, 138);
    graphics.SetFogRange(10.0f, 50.0f);
    EXPECT_EQ(std::tuple(device.state.fogColor, device.state.fogStart), std::tuple(0xFF40528Au, 10.0f));
    device.state.fogColor = 0;
    device.state.fogEnd = 0;
    graphics.SetFog(1);
    EXPECT_EQ(std::tuple(device.state.fogColor, device.state.fogEnd), std::tuple(0xFF40528Au, 50.0f));
    graphics.Clear();
    graphics.ClearZBuffer();
    EXPECT_EQ(Strings(device.calls.end() - 2, device.calls.end()),
              (Strings{"Clear target ff40528a zbuffer", "Clear zbuffer"}));
}

// Draws UpdateShake makes, seen through the generator's next value.
float NextRandomAfter(int draws)
{
    SeedRandom(1024);
    for (int i = 0; i < draws; ++i)
        RandomInt(10);
    return RandomFloat();
}

TEST_F(GraphicsSystemTest, ShakeOf20DecaysAndStopsAfter59Frames)
{
    SeedRandom(1024);
    graphics.SetShake(20.0f);
    float amplitude = 20.0f;
    for (int frame = 1; frame <= 58; ++frame) {
        graphics.UpdateShake();
        amplitude *= 0.95f;
        graphics.Present();
        const int bound = static_cast<int>(amplitude) / 2 + 1;
        int x = 0, y = 0;
        ASSERT_EQ(std::sscanf(device.calls.back().c_str(), "Present %d %d", &x, &y), 2);
        EXPECT_TRUE(std::abs(x) <= bound && std::abs(y) <= bound) << frame;
    }
    graphics.UpdateShake();
    graphics.UpdateShake();
    graphics.Present();
    EXPECT_EQ(device.calls.back(), "Present 0 0");
    SeedRandom(1024);
    graphics.SetShake(1.0f / 0.95f);  // decays to exactly 1, where the shake stops
    graphics.UpdateShake();
    graphics.UpdateShake();
    const float afterOne = RandomFloat();
    EXPECT_EQ(afterOne, NextRandomAfter(2));
    graphics.Present();
    EXPECT_EQ(device.calls.back(), "Present 0 0");
}

TEST(GraphicsColours, ConversionsTruncateOrRoundAsTheyShould)
{
    EXPECT_EQ(GraphicsSystem::ColorToArgb(0.5f, 1.0f, 0.0f, 0.25f), 0x7FFF003Fu);
    EXPECT_EQ(GraphicsSystem::ColorToArgb(-0.5f, 0, 0, 0) >> 24, 0x81u);
    EXPECT_EQ(GraphicsSystem::ColorToArgb(-2.0f, 0, 0, 0) >> 24, 0x02u);
    EXPECT_EQ(GraphicsSystem::ColorValueToArgb({0.5f, 1.5f, -1.0f, 1.0f}), 0xFF80FF00u);
    const Color c = GraphicsSystem::ColorToFloats(0x80FF0033);
    EXPECT_EQ(Floats({c.r, c.g, c.b, c.a}), Floats({1, 0, 0x33 / 255.0f, 0x80 / 255.0f}));
    ScreenVertex v;
    GraphicsSystem::SetScreenVertex(&v, 1, 2, 0, 1, {0, 0, 1, 1}, 0.5f, 0.25f);
    EXPECT_EQ(std::tuple(v.color, v.v), std::tuple(0xFF0000FFu, 0.25f));
}

TEST_F(GraphicsSystemTest, TheTriangleBatchHoldsAtMost8192Vertices)
{
    std::vector<Vec3> positions(9000, Vec3{1, 2, 3});
    const auto batch = Drawn([&] {
        graphics.AddTriangleVertices(positions.data(), 8000);
        graphics.AddTriangleVertices(positions.data(), 1000);
        graphics.FlushTriangles();
    });
    ASSERT_EQ(batch.size(), 1u);
    EXPECT_EQ(batch[0].primitiveCount, 8192 / 3);
    EXPECT_EQ(batch[0].state.world, MatrixIdentity());
    graphics.ClearTriangles();
    EXPECT_TRUE(Drawn([&] { graphics.FlushTriangles(); }).empty());
}

TEST_F(GraphicsSystemTest, TextureSlotsAreSearchedOnwardsAndWrap)
{
    int handles[3];
    for (int& h : handles)
        h = LoadTexture();
    EXPECT_EQ(std::tuple(handles[0], handles[2]), std::tuple(0, 2));
    graphics.ReleaseTexture(&handles[1]);
    EXPECT_EQ(handles[1], -1);
    EXPECT_EQ(LoadTexture(), 3);
    // Reloading into a handle frees what it held first.
    int reload = 3;
    graphics.LoadTextureResource(&reload, "#1");
    EXPECT_EQ(std::tuple(reload, device.CountCalls("ReleaseTexture")), std::tuple(3, 2));
    for (int i = 4; i < 256; ++i)
        ASSERT_EQ(LoadTexture(), i);
    EXPECT_EQ(LoadTexture(), 1);
    int full = -1, none = -1;
    graphics.LoadTextureResource(&full, "#1");
    EXPECT_EQ(full, -1);
    graphics.ReleaseTexture(&handles[0]);
    EXPECT_EQ(LoadTexture(), 0);
    graphics.ReleaseTexture(&none);
    EXPECT_EQ(none, -1);
    graphics.SetTexture(-1);
    EXPECT_EQ(device.state.texture, kNoTexture);
}

TEST_F(GraphicsSystemTest, TexturesAreColourKeyedAndMissingOnesDrawNothing)
{
    LoadTexture();
    EXPECT_EQ(device.lastTexturePixels, (std::vector<uint32_t>{0x00000000, 0xFF00FF00}));
    int missing = -1;
    device.ClearRecord();
    graphics.LoadTextureResource(&missing, "#999");
    EXPECT_EQ(std::tuple(missing, device.CountCalls("CreateTexture")), std::tuple(1, 0));
    EXPECT_TRUE(Drawn([&] {
                    for (int bad : {missing, -1, 255, 256, 100000}) {
                        graphics.DrawTexture2D(bad, 0, 0, 0, 0, 1, 1, 1.0f);
                        graphics.DrawTexture2DFull(bad, 0, 0, 0);
                        graphics.DrawTexturedQuad2D(bad, 0, 0, 1.0f);
                        graphics.DrawMesh(bad, world);
                    }
                }).empty());
}

TEST_F(GraphicsSystemTest, MeshesLoadWithTheirMaterialsAndReloadsFreeThemFirst)
{
    resources.AddText("MODEL", "#101", kTwoMaterialSquare);
    resources.AddText("MODEL", "#102", "xof 0303txt 0032\nnot a mesh");
    resources.AddPicture("TEXTUREM", "#210", {0xFF00FF});
    int mesh = -1;
    graphics.LoadMesh(&mesh, "#102", "MODEL");
    EXPECT_EQ(mesh, -1);
    graphics.LoadMesh(&mesh, "#101", "MODEL");
    ASSERT_EQ(mesh, 0);
    // Material textures take no colour key.
    EXPECT_EQ(device.lastTexturePixels, (std::vector<uint32_t>{0xFFFF00FF}));
    EXPECT_EQ(std::tuple(graphics.GetMeshMaterialCount(mesh), graphics.GetMeshFaceCount(mesh),
                         graphics.GetMeshVertexCount(mesh), graphics.GetMeshFaceCount(-1)),
              std::tuple(2, 2, 4, 0));
    const TextureId materialTexture = Drawn([&] { graphics.DrawMesh(mesh, world); })[1].state.texture;
    // The game's materials are opaque; a translucent one fades further.
    EXPECT_EQ(Drawn([&] { graphics.DrawMeshAlpha(mesh, world, 0.5f); })[1].state.material.diffuse.a, 0.25f);
    // Loading into a handle that holds a mesh frees that mesh, and its material texture, first.
    graphics.LoadMesh(&mesh, "#101", "MODEL");
    EXPECT_EQ(std::tuple(mesh, device.CountCalls("ReleaseMesh"), device.CountCalls("ReleaseTexture"),
                         device.CountCalls("ReleaseTexture " + std::to_string(materialTexture))),
              std::tuple(0, 1, 1, 1));
    graphics.ReleaseMesh(&mesh);
    EXPECT_EQ(mesh, -1);
}

TEST_F(GraphicsSystemTest, PictureAndMeshFiles)
{
    const std::string png = ::testing::TempDir() + "graphics_files.png", bmp = "graphics_files.bmp";
    const std::vector<unsigned char> pngBytes = EncodeTestPng(Png(2, PNG_COLOR_TYPE_RGB, {0xFF, 0, 0xFF, 0, 0xFF, 0})),
                                     bmpBytes = EncodeBmp24({0xFF, 0, 0xFF}, 1, 1);
    ASSERT_TRUE(WriteFileBytes(png, pngBytes.data(), pngBytes.size()));
    ASSERT_TRUE(WriteFileBytes(ProgramFilePath(bmp), bmpBytes.data(), bmpBytes.size()));  // a relative path
    const struct {
        void (GraphicsSystem::*load)(int*, const std::string&);
        std::string path;
        std::vector<uint32_t> pixels;
    } cases[] = {
        {&GraphicsSystem::LoadTextureFile, png, {0xFFFF00FF, 0xFF00FF00}},
        {&GraphicsSystem::LoadTextureFileDecoded, png, {0x00000000, 0xFF00FF00}},
        {&GraphicsSystem::LoadTextureFile, bmp, {0xFFFF00FF}},
        {&GraphicsSystem::LoadTextureFile, "missing.png", {0xFFFF00FF}},  // loads nothing
    };
    for (const auto& test : cases) {
        int handle = -1;
        (graphics.*test.load)(&handle, test.path);
        EXPECT_EQ(device.lastTexturePixels, test.pixels) << test.path;
        EXPECT_EQ(graphics.GetTextureWidth(handle) * 10 + graphics.GetTextureHeight(handle),
                  test.path == "missing.png" ? 0 : static_cast<int>(test.pixels.size()) * 10 + 1);
    }
    std::remove(ProgramFilePath(bmp).c_str());
    const std::string x = ::testing::TempDir() + "graphics_files.x";
    ASSERT_TRUE(WriteFileBytes(x, kTwoMaterialSquare, std::strlen(kTwoMaterialSquare)));
    resources.AddText("MODEL", "#101", kTwoMaterialSquare);
    resources.AddPicture("TEXTUREM", "#210", {0xFF00FF});
    CModel fromFile(&device), viaFile(&device);
    ASSERT_TRUE(fromFile.LoadFromFile(x));
    EXPECT_TRUE(viaFile.LoadFromResourceViaTempFile("#101", "MODEL"));
    EXPECT_FALSE(viaFile.LoadFromResourceViaTempFile("#999", "MODEL"));
    const auto draws = Drawn([&] { fromFile.DrawUntextured(); });
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].state.texture, kNoTexture);
    // The square spans -1..1 in x and y at z = 0; corner i takes the larger x for bit 0, y for bit 1.
    const auto& bounds = fromFile.Bounds();
    EXPECT_EQ(Floats({bounds[0].x, bounds[0].y, bounds[5].x, bounds[5].y, bounds[8].x, bounds[10].x, bounds[10].y}),
              Floats({-1, -1, 1, -1, -0.5f, -0.5f, 0.5f}));
}

}  // namespace

TEST_F(GraphicsSystemTest, AnUntexturedMeshDrawsOpaqueWithDepthAndNoTexture)
{
    resources.AddText("MODEL", "#101", kTwoMaterialSquare);
    resources.AddPicture("TEXTUREM", "#210", {0xFF00FF});
    int mesh = -1;
    graphics.LoadMesh(&mesh, "#101", "MODEL");
    graphics.SetBlendMode(1);
    graphics.SetZBuffer(0);
    device.ClearRecord();
    graphics.DrawMeshUntextured(mesh, world);
    ASSERT_EQ(device.draws.size(), 2u);
    for (const RecordedDraw& draw : device.draws) {
        EXPECT_EQ(draw.state.texture, kNoTexture);
        EXPECT_TRUE(draw.state.depthTest);
        EXPECT_EQ(draw.state.source, BlendFactor::SourceAlpha);
        EXPECT_EQ(draw.state.world, world);
    }
    EXPECT_EQ(device.draws[1].subset, 1);
}
