#include "platform/sdl/GlGraphicsDevice.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000;

ScreenVertex Screen(float x, float y, uint32_t color, float u = 0.0f, float v = 0.0f)
{
    return {x, y, 0.0f, 1.0f, color, u, v};
}

// A rectangle as a strip in the order the game draws them.
void DrawScreenRect(GraphicsDevice& device, float x, float y, float w, float h, uint32_t color, float z = 0.0f)
{
    ScreenVertex strip[4] = {Screen(x, y, color, 0, 0), Screen(x + w, y, color, 1, 0),
                             Screen(x, y + h, color, 0, 1), Screen(x + w, y + h, color, 1, 1)};
    for (ScreenVertex& v : strip)
        v.z = z;
    device.DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
}

// Left-handed perspective with a 90° field of view, aspect 1, depth 1..1000 to 0..1.
Matrix Perspective90()
{
    Matrix m;
    m.m[0][0] = 1.0f;
    m.m[1][1] = 1.0f;
    m.m[2][2] = 1000.0f / 999.0f;
    m.m[2][3] = 1.0f;
    m.m[3][2] = -1000.0f / 999.0f;
    return m;
}

class GlGraphicsDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!window.Create("gl device test", 640, 480))
            GTEST_SKIP() << "no window: " << SDL_GetError();
        if (!device.CreateDevice({640, 480, true, 0, false}))
            GTEST_SKIP() << "no OpenGL context: " << SDL_GetError();
        // The states every case starts from: no depth, no light, no culling.
        device.SetDepthTest(false);
        device.SetDepthWrite(false);
        device.SetCullMode(CullMode::None);
        device.Clear(kClearTarget | kClearZBuffer, kOpaqueBlack, 1.0f);
    }

    uint32_t Pixel(int x, int y) { return ReadPixel(device, x, y); }

    void SetBlend(BlendFactor source, BlendFactor destination)
    {
        device.SetAlphaBlendEnable(true);
        device.SetBlendFactors(source, destination);
    }

    SdlWindow window;
    GlGraphicsDevice device{window};
};

TEST_F(GlGraphicsDeviceTest, ScreenRectanglesPointsAndLinesLandOnTheirPixels)
{
    DrawScreenRect(device, 10, 20, 20, 5, 0xFFFFFFFF);
    ExpectRectCovers(device, 10, 20, 20, 5, 0xFFFFFF);
    const ScreenVertex point = Screen(100, 50, 0xFFFFFFFF);
    device.DrawPrimitive(PrimitiveType::PointList, 1, &point);
    const ScreenVertex line[2] = {Screen(200, 60, 0xFF00FF00), Screen(210, 60, 0xFF00FF00)};
    device.DrawPrimitive(PrimitiveType::LineList, 1, line);
    EXPECT_EQ(Pixel(100, 50), 0xFFFFFFu);
    EXPECT_EQ(Pixel(101, 50), 0u);
    EXPECT_EQ(Pixel(100, 51), 0u);
    EXPECT_EQ(Pixel(200, 60), 0x00FF00u);
    EXPECT_EQ(Pixel(209, 60), 0x00FF00u);
    EXPECT_EQ(Pixel(205, 61), 0u);
}

TEST_F(GlGraphicsDeviceTest, ViewportClipsScreenDrawingAndClearing)
{
    device.SetViewport({160, 0, 480, 480, 0.0f, 1.0f});
    DrawScreenRect(device, 0, 0, 640, 480, 0xFFFF0000);
    EXPECT_EQ(Pixel(159, 100), 0u);
    EXPECT_EQ(Pixel(160, 100), 0xFF0000u);
    device.SetViewport({0, 400, 100, 80, 0.0f, 1.0f});
    device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
    EXPECT_EQ(Pixel(50, 399), 0u);
    EXPECT_EQ(Pixel(50, 400), 0x0000FFu);
    EXPECT_EQ(Pixel(200, 400), 0xFF0000u);
}

TEST_F(GlGraphicsDeviceTest, BlendFactorsAddInvertAndMultiply)
{
    device.Clear(kClearTarget, 0xFFC86432, 1.0f);
    SetBlend(BlendFactor::One, BlendFactor::One);
    DrawScreenRect(device, 0, 0, 10, 10, 0xFF102030);
    SetBlend(BlendFactor::InverseDestinationColor, BlendFactor::Zero);
    DrawScreenRect(device, 10, 0, 10, 10, 0xFFFFFFFF);
    SetBlend(BlendFactor::DestinationColor, BlendFactor::Zero);
    DrawScreenRect(device, 20, 0, 10, 10, 0xFF808080);
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    DrawScreenRect(device, 30, 0, 10, 10, 0x80000000);

    EXPECT_EQ(Pixel(5, 5), 0xD88462u);
    EXPECT_EQ(Pixel(15, 5), 0x379BCDu);
    ExpectNear(Pixel(25, 5), 0x643219);
    ExpectNear(Pixel(35, 5), 0x643219);
}

TEST_F(GlGraphicsDeviceTest, TexturesSampleNearestAndTransparentTexelsLetTheBackgroundThrough)
{
    // Left texel transparent black (a keyed magenta), right texel opaque green.
    const uint32_t pixels[2] = {0x00000000, 0xFF00FF00};
    const TextureId texture = device.CreateTexture(2, 1, pixels);
    ASSERT_NE(texture, kNoTexture);
    device.Clear(kClearTarget, 0xFFFF0000, 1.0f);
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    device.SetTextureAlphaOp(TextureAlphaOp::Modulate);
    device.SetTexture(texture);
    // Texel centres on pixel centres: the quad starts half a pixel up and left.
    DrawScreenRect(device, 99.5f, 99.5f, 20, 10, 0xFFFFFFFF);
    EXPECT_EQ(Pixel(100, 100), 0xFF0000u);
    EXPECT_EQ(Pixel(109, 109), 0xFF0000u);
    EXPECT_EQ(Pixel(110, 100), 0x00FF00u);
    EXPECT_EQ(Pixel(119, 109), 0x00FF00u);
    device.ReleaseTexture(texture);
}

TEST_F(GlGraphicsDeviceTest, ClampLinearSamplingBlendsTexelsButNotAcrossTheEdge)
{
    const uint32_t pixels[2] = {0xFF000000, 0xFFFFFFFF};
    const TextureId texture = device.CreateTexture(2, 1, pixels);
    device.SetTexture(texture);
    for (SamplerMode mode : {SamplerMode::ClampLinear, SamplerMode::WrapNearest}) {
        device.SetSamplerMode(mode);
        DrawScreenRect(device, 99.5f, 99.5f, 20, 10, 0xFFFFFFFF);
        const uint32_t middle = Pixel(110, 100) & 0xFF;
        EXPECT_EQ(Pixel(100, 100), 0u);
        EXPECT_EQ(Pixel(119, 100), 0xFFFFFFu);
        if (mode == SamplerMode::ClampLinear)
            EXPECT_TRUE(middle > 0x40 && middle < 0xC0) << middle;
        else
            EXPECT_EQ(middle, 0xFFu);
    }
    device.ReleaseTexture(texture);
}

TEST_F(GlGraphicsDeviceTest, ClockwiseTrianglesAreFrontFaces)
{
    device.SetLighting(false);
    device.SetTransform(TransformType::Projection, Perspective90());
    device.SetCullMode(CullMode::CounterClockwise);
    // Top left half of the picture at depth 10, clockwise as seen.
    const ColorVertex clockwise[3] = {
        {-10, 10, 10, 0xFFFFFFFF, 0, 0}, {10, 10, 10, 0xFFFFFFFF, 0, 0}, {-10, -10, 10, 0xFFFFFFFF, 0, 0}};
    device.DrawPrimitive(PrimitiveType::TriangleList, 1, clockwise);
    EXPECT_EQ(Pixel(160, 120), 0xFFFFFFu);
    EXPECT_EQ(Pixel(480, 360), 0u);

    device.Clear(kClearTarget, kOpaqueBlack, 1.0f);
    const ColorVertex counterClockwise[3] = {clockwise[0], clockwise[2], clockwise[1]};
    device.DrawPrimitive(PrimitiveType::TriangleList, 1, counterClockwise);
    EXPECT_EQ(Pixel(160, 120), 0u);
}

// Reads the window's picture; the offscreen driver keeps it after the swap.
uint32_t WindowPixel(int x, int y)
{
    auto bindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBindFramebuffer"));
    bindFramebuffer(GL_FRAMEBUFFER, 0);
    unsigned char p[3] = {};
    glReadPixels(x, 479 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
}

TEST_F(GlGraphicsDeviceTest, PresentMovesThePictureByTheOffsetOverBlack)
{
    if (std::string(SDL_GetCurrentVideoDriver()) != "offscreen")
        GTEST_SKIP() << "the window's picture is only kept by the offscreen driver";
    device.Clear(kClearTarget, 0xFFFF0000, 1.0f);
    // Whichever buffer comes back from the swap has shown the picture unmoved.
    for (int i = 0; i < 3; ++i)
        device.Present(0, 0);
    device.Present(10, 5);
    EXPECT_EQ(WindowPixel(9, 5), 0u);
    EXPECT_EQ(WindowPixel(10, 5), 0xFF0000u);
    EXPECT_EQ(WindowPixel(10, 4), 0u);
    EXPECT_EQ(WindowPixel(639, 479), 0xFF0000u);
    // The picture itself stays where it was drawn.
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
}

// Draws of alpha 0 are left out only where they cannot change a pixel.
TEST_F(GlGraphicsDeviceTest, TransparentDrawsStillDrawWhatTheirStatesLetThrough)
{
    const uint32_t greenTexel = 0xFF00FF00;
    const TextureId green = device.CreateTexture(1, 1, &greenTexel);
    struct Case {
        const char* name;
        std::function<void()> states;
        uint32_t lastVertexAlpha;
        bool changes;  // the pixel by the last vertex
    };
    const Case cases[] = {
        {"blended away", [] {}, 0, false},
        {"one vertex not transparent", [] {}, 0xFF, true},
        {"added", [&] { SetBlend(BlendFactor::One, BlendFactor::One); }, 0, true},
        {"alpha from the texture", [&] {
             device.SetTexture(green);
             device.SetTextureAlphaOp(TextureAlphaOp::SelectTexture);
         }, 0, true},
        {"depth tested, not written", [&] { device.SetDepthTest(true); }, 0, false},
    };
    for (const Case& c : cases) {
        device.Clear(kClearTarget, 0xFF000080, 1.0f);
        SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
        device.SetTexture(kNoTexture);
        device.SetTextureAlphaOp(TextureAlphaOp::Modulate);
        c.states();
        const uint32_t red = 0x00FF0000;
        const ScreenVertex strip[4] = {Screen(0, 0, red), Screen(100, 0, red), Screen(0, 100, red),
                                       Screen(100, 100, red | c.lastVertexAlpha << 24)};
        device.DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
        EXPECT_EQ(Pixel(98, 98) != 0x000080u, c.changes) << c.name;
        device.SetDepthTest(false);
    }
}

TEST_F(GlGraphicsDeviceTest, TransparentDrawThatWritesDepthHidesWhatIsBehind)
{
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    device.SetDepthTest(true);
    device.SetDepthWrite(true);
    DrawScreenRect(device, 0, 0, 100, 100, 0x00FFFFFF);
    device.SetAlphaBlendEnable(false);
    DrawScreenRect(device, 0, 0, 100, 100, 0xFF808080, 0.5f);
    EXPECT_EQ(Pixel(50, 50), 0u);
}

// A depth clear counts wherever it cleared, however many clears and draws
// come between it and the next depth-tested draw.
TEST_F(GlGraphicsDeviceTest, DepthClearsOfPartsOfThePictureAllCount)
{
    device.SetDepthTest(true);
    device.SetDepthWrite(true);
    DrawScreenRect(device, 0, 0, 640, 480, 0xFF0000FF, 0.2f);
    device.SetViewport({0, 0, 100, 100, 0.0f, 1.0f});
    device.Clear(kClearZBuffer, 0, 1.0f);
    device.SetViewport({200, 0, 100, 100, 0.0f, 1.0f});
    device.Clear(kClearZBuffer, 0, 1.0f);
    device.SetViewport({0, 0, 640, 480, 0.0f, 1.0f});
    device.Clear(kClearTarget, kOpaqueBlack, 1.0f);
    device.SetDepthTest(false);
    DrawScreenRect(device, 400, 0, 10, 10, 0xFFFFFFFF);
    device.SetDepthTest(true);
    DrawScreenRect(device, 0, 0, 640, 480, 0xFF00FF00, 0.5f);
    EXPECT_EQ(Pixel(50, 50), 0x00FF00u);
    EXPECT_EQ(Pixel(250, 50), 0x00FF00u);
    EXPECT_EQ(Pixel(150, 50), 0u);
}

class GlLightingTest : public GlGraphicsDeviceTest {
protected:
    void SetUp() override
    {
        GlGraphicsDeviceTest::SetUp();
        if (IsSkipped())
            return;
        device.SetTransform(TransformType::Projection, Perspective90());
        device.SetLight({{0.5f, 0.5f, 0.5f, 0.0f}, {0.0f, 0.0f, 1.0f}});
        device.EnableLight(true);
        device.SetLighting(true);
        device.SetAmbient(0x00AAAAAA);
    }

    // A quad over the whole picture at the given depth, clockwise as seen.
    void DrawQuadAt(float z, uint32_t color)
    {
        const ColorVertex strip[4] = {{-50, 50, z, color, 0, 0}, {50, 50, z, color, 0, 0},
                                      {-50, -50, z, color, 0, 0}, {50, -50, z, color, 0, 0}};
        device.DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
    }

    // A mesh of one square facing the camera, corners (x0, y0, z0) top left
    // and (x1, y1, z1) bottom right, the texture once across it.
    MeshId SquareMesh(float x0, float y0, float z0, float x1, float y1, float z1)
    {
        MeshGeometry square;
        const Vec3 towardsCamera{0, 0, -1};
        square.vertices = {{{x0, y0, z0}, towardsCamera, {0, 0}}, {{x1, y0, z0}, towardsCamera, {1, 0}},
                           {{x0, y1, z1}, towardsCamera, {0, 1}}, {{x1, y1, z1}, towardsCamera, {1, 1}}};
        square.indices = {0, 1, 2, 2, 1, 3};
        square.subsets = {{0, 2}};
        return device.CreateMesh(square);
    }
};

TEST_F(GlLightingTest, MeshIsLitByItsMaterialTheLightAndTheAmbient)
{
    const MeshId mesh = SquareMesh(-20, 20, 10, 20, -20, 10);
    ASSERT_NE(mesh, kNoMesh);
    Material material;
    material.diffuse = material.ambient = {0.4f, 0.2f, 0.0f, 1.0f};
    material.specular = {1, 1, 1, 1};
    device.SetMaterial(material);
    device.DrawMeshSubset(mesh, 0);
    // diffuse × (ambient 0.667 + light 0.5 × N·L 1); specular stays off.
    ExpectNear(Pixel(320, 240), 0x773B00);
}

TEST_F(GlLightingTest, MeshBlendsByItsMaterialsAlpha)
{
    device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
    Material glass;
    glass.diffuse = {0, 0, 0, 0.5f};
    glass.emissive = {1, 1, 1, 1};
    device.SetMaterial(glass);
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    device.DrawMeshSubset(SquareMesh(-20, 20, 10, 20, -20, 10), 0);
    ExpectNear(Pixel(320, 240), 0x8080FF);
}

TEST_F(GlLightingTest, VertexColourGivesTheDiffuseAndItsAlphaEmissiveAndAmbientTheColour)
{
    Material material;
    material.diffuse = material.ambient = material.emissive = {0.2f, 0.4f, 0.6f, 1.0f};
    device.SetMaterial(material);
    DrawQuadAt(10, 0xFF000000);
    // emissive + ambient × 0.667, clamped; no normal, so no light term.
    ExpectNear(Pixel(320, 240), 0x55AAFF);

    // Without a texture the lit colour and its alpha pass on in either alpha mode.
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    for (TextureAlphaOp op : {TextureAlphaOp::Modulate, TextureAlphaOp::SelectTexture}) {
        device.Clear(kClearTarget, kOpaqueBlack, 1.0f);
        device.SetTextureAlphaOp(op);
        DrawQuadAt(10, 0x80000000);
        ExpectNear(Pixel(320, 240), 0x2B5580);
    }
}

TEST_F(GlLightingTest, FogIsLinearInEyeDepth)
{
    Material white;
    white.emissive = {1, 1, 1, 1};
    device.SetMaterial(white);
    device.SetFogColor(0xFF000000);
    device.SetFogStart(20.0f);
    device.SetFogEnd(40.0f);
    device.SetFogEnable(true);
    DrawQuadAt(30, 0xFF000000);
    ExpectNear(Pixel(320, 240), 0x808080);
    device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
    DrawQuadAt(45, 0xFF000000);
    EXPECT_EQ(Pixel(320, 240), 0u);
    DrawQuadAt(15, 0xFF000000);
    EXPECT_EQ(Pixel(320, 240), 0xFFFFFFu);
}

TEST_F(GlLightingTest, DepthTestKeepsTheNearerAndEqualPasses)
{
    Material red, green;
    red.emissive = {1, 0, 0, 1};
    green.emissive = {0, 1, 0, 1};
    device.SetDepthTest(true);
    device.SetDepthWrite(true);
    device.SetMaterial(red);
    DrawQuadAt(10, 0xFF000000);
    device.SetMaterial(green);
    DrawQuadAt(20, 0xFF000000);
    EXPECT_EQ(Pixel(320, 240), 0xFF0000u);
    DrawQuadAt(10, 0xFF000000);
    EXPECT_EQ(Pixel(320, 240), 0x00FF00u);
    device.Clear(kClearZBuffer, 0, 1.0f);
    device.SetMaterial(red);
    DrawQuadAt(20, 0xFF000000);
    EXPECT_EQ(Pixel(320, 240), 0xFF0000u);
}

// The device sends GL only the states that changed since the draw before:
// every draw must still come out as its own states say, whatever was drawn
// before it. Each draw sets every state it depends on and covers a square of
// its own, 32 × 24 pixels a unit at depth 10.
class GlStateChangesTest : public GlLightingTest {
protected:
    void SetUp() override
    {
        GlLightingTest::SetUp();
        if (IsSkipped())
            return;
        const uint32_t green = 0xFF00FF00, grey = 0xFF808080;
        greenTexture = device.CreateTexture(1, 1, &green);
        greyTexture = device.CreateTexture(1, 1, &grey);
        mesh = SquareMesh(-1, 1, 10, 1, -1, 10);
    }

    void SetStates(bool blend, TextureId texture, TextureAlphaOp alphaOp, bool fog, const Color& emissive)
    {
        device.SetAlphaBlendEnable(blend);
        device.SetBlendFactors(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
        device.SetTexture(texture);
        device.SetTextureAlphaOp(alphaOp);
        device.SetFogEnable(fog);
        Material material;
        material.diffuse = material.ambient = {0.4f, 0.2f, 0.0f, 1.0f};
        material.emissive = emissive;
        device.SetMaterial(material);
    }

    void DrawMeshAt(float x, float y)
    {
        device.SetTransform(TransformType::World, Translation(x, y));
        device.DrawMeshSubset(mesh, 0);
    }

    void DrawColorSquareAt(float x, float y, uint32_t color)
    {
        device.SetTransform(TransformType::World, Translation(x, y));
        const ColorVertex strip[4] = {{-1, 1, 10, color, 0, 0}, {1, 1, 10, color, 1, 0},
                                      {-1, -1, 10, color, 0, 1}, {1, -1, 10, color, 1, 1}};
        device.DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
    }

    static Matrix Translation(float x, float y)
    {
        Matrix m = kIdentityMatrix;
        m.m[3][0] = x;
        m.m[3][1] = y;
        return m;
    }

    // The draws of a frame, each at its own place.
    std::vector<std::function<void()>> Draws()
    {
        return {
            [this] {
                SetStates(false, greenTexture, TextureAlphaOp::Modulate, false, Color{});
                DrawMeshAt(-6, 5);
            },
            [this] {
                SetStates(true, kNoTexture, TextureAlphaOp::Modulate, false, {0.2f, 0.4f, 0.6f, 1.0f});
                DrawColorSquareAt(0, 5, 0x80FFFFFF);
            },
            [this] {
                SetStates(false, kNoTexture, TextureAlphaOp::SelectTexture, false, Color{});
                DrawMeshAt(6, 5);
            },
            [this] {
                SetStates(false, greyTexture, TextureAlphaOp::SelectTexture, true, Color{});
                DrawMeshAt(-6, -5);
            },
            [this] {
                SetStates(true, greenTexture, TextureAlphaOp::SelectTexture, false, {1, 1, 1, 1});
                DrawColorSquareAt(0, -5, 0x40FFFFFF);
            },
            [this] {
                SetStates(false, kNoTexture, TextureAlphaOp::Modulate, false, Color{});
                device.SetTexture(kNoTexture);
                DrawScreenRect(device, 500, 300, 20, 20, 0xFFFF8000);
            },
        };
    }

    // The centre pixel of each draw's square after drawing them in the given order.
    std::vector<uint32_t> DrawInOrder(const std::vector<size_t>& order, bool presentBetween)
    {
        device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
        const std::vector<std::function<void()>> draws = Draws();
        for (size_t i : order) {
            draws[i]();
            if (presentBetween)
                device.Present(0, 0);
        }
        std::vector<uint32_t> centres;
        for (const auto& [x, y] : {std::pair{128, 120}, {320, 120}, {512, 120}, {128, 360}, {320, 360}, {510, 310}})
            centres.push_back(Pixel(x, y));
        return centres;
    }

    TextureId greenTexture = kNoTexture, greyTexture = kNoTexture;
    MeshId mesh = kNoMesh;
};

TEST_F(GlStateChangesTest, EveryDrawComesOutTheSameWhateverWasDrawnBefore)
{
    device.SetFogColor(0xFFFF0000);
    device.SetFogStart(0.0f);
    device.SetFogEnd(20.0f);
    const std::vector<uint32_t> alone = {
        DrawInOrder({0}, false)[0], DrawInOrder({1}, false)[1], DrawInOrder({2}, false)[2],
        DrawInOrder({3}, false)[3], DrawInOrder({4}, false)[4], DrawInOrder({5}, false)[5]};
    // The lit colour times the grey texel, half fogged to red.
    ExpectNear(alone[3], 0x9D0F00);
    EXPECT_EQ(DrawInOrder({0, 1, 2, 3, 4, 5}, false), alone);
    EXPECT_EQ(DrawInOrder({5, 4, 3, 2, 1, 0}, false), alone);
    EXPECT_EQ(DrawInOrder({3, 0, 5, 2, 4, 1}, true), alone);
}

TEST_F(GlStateChangesTest, TexturesAndMeshesMadeAfterOthersWereReleasedDrawTheirOwn)
{
    SetStates(false, greenTexture, TextureAlphaOp::Modulate, false, {1, 1, 1, 1});
    DrawMeshAt(0, 0);
    device.ReleaseTexture(greenTexture);
    device.ReleaseMesh(mesh);
    const uint32_t red = 0xFFFF0000;
    const TextureId redTexture = device.CreateTexture(1, 1, &red);
    mesh = SquareMesh(-3, 1, 10, -1, -1, 10);
    device.Clear(kClearTarget, kOpaqueBlack, 1.0f);
    SetStates(false, redTexture, TextureAlphaOp::Modulate, false, {1, 1, 1, 1});
    DrawMeshAt(0, 0);
    EXPECT_EQ(Pixel(256, 240), 0xFF0000u);
    EXPECT_EQ(Pixel(320, 240), 0u);
}

// Releasing the device drops every texture and mesh; made again, it draws as before.
TEST_F(GlStateChangesTest, DeviceMadeAgainDrawsAsTheFirstTime)
{
    const auto drawFrame = [this] {
        device.Clear(kClearTarget, kOpaqueBlack, 1.0f);
        SetStates(false, greenTexture, TextureAlphaOp::Modulate, false, {1, 1, 1, 1});
        DrawMeshAt(0, 0);
        SetStates(false, kNoTexture, TextureAlphaOp::Modulate, false, {1, 1, 1, 1});
        DrawMeshAt(4, 0);
        return std::pair{Pixel(320, 240), Pixel(448, 240)};
    };
    const std::pair<uint32_t, uint32_t> greenAndWhite{0x00FF00, 0xFFFFFF};
    EXPECT_EQ(drawFrame(), greenAndWhite);
    device.ReleaseDevice();
    ASSERT_TRUE(device.CreateDevice({640, 480, true, 0, false}));
    const uint32_t green = 0xFF00FF00;
    greenTexture = device.CreateTexture(1, 1, &green);
    mesh = SquareMesh(-1, 1, 10, 1, -1, 10);
    EXPECT_EQ(drawFrame(), greenAndWhite);
}

// Meshes wholly out of view are not sent to GL; one partly in view is drawn.
TEST_F(GlStateChangesTest, MeshesPartlyInViewAreDrawn)
{
    device.SetViewport({160, 0, 480, 480, 0.0f, 1.0f});
    SetStates(false, kNoTexture, TextureAlphaOp::Modulate, false, {1, 1, 1, 1});
    const MeshId acrossTheLeftEdge = SquareMesh(-12, 1, 10, -9, -1, 10);
    const MeshId throughTheNearPlane = SquareMesh(-1, 1, 0.5f, 1, -1, 20);
    const MeshId behindTheEye = SquareMesh(-1, 1, -5, 1, -1, -5);
    device.DrawMeshSubset(acrossTheLeftEdge, 0);
    device.DrawMeshSubset(throughTheNearPlane, 0);
    device.DrawMeshSubset(behindTheEye, 0);
    EXPECT_EQ(Pixel(159, 240), 0u);
    EXPECT_EQ(Pixel(165, 240), 0xFFFFFFu);
    EXPECT_EQ(Pixel(400, 245), 0xFFFFFFu);
    EXPECT_EQ(Pixel(400, 260), 0u);
}

}  // namespace
