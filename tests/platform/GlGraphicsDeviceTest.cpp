#include "platform/sdl/GlGraphicsDevice.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000;

ScreenVertex Screen(float x, float y, uint32_t color, float u = 0.0f, float v = 0.0f)
{
    return {x, y, 0.0f, 1.0f, color, u, v};
}

// A rectangle as a strip in the order the game draws them.
void DrawScreenRect(GraphicsDevice& device, float x, float y, float w, float h, uint32_t color)
{
    const ScreenVertex strip[4] = {Screen(x, y, color, 0, 0), Screen(x + w, y, color, 1, 0),
                                   Screen(x, y + h, color, 0, 1), Screen(x + w, y + h, color, 1, 1)};
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

TEST_F(GlGraphicsDeviceTest, ScreenRectangleCoversExactlyItsPixels)
{
    DrawScreenRect(device, 10, 20, 20, 5, 0xFFFFFFFF);
    ExpectRectCovers(device, 10, 20, 20, 5, 0xFFFFFF);
}

TEST_F(GlGraphicsDeviceTest, ScreenPointsAndLinesLandOnTheirPixels)
{
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
    device.Present(10, 5);
    EXPECT_EQ(WindowPixel(9, 5), 0u);
    EXPECT_EQ(WindowPixel(10, 5), 0xFF0000u);
    EXPECT_EQ(WindowPixel(10, 4), 0u);
    EXPECT_EQ(WindowPixel(639, 479), 0xFF0000u);
    // The picture itself stays where it was drawn.
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
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
};

TEST_F(GlLightingTest, MeshIsLitByItsMaterialTheLightAndTheAmbient)
{
    MeshGeometry quad;
    const Vec3 towardsCamera{0, 0, -1};
    quad.vertices = {{{-20, 20, 10}, towardsCamera, {}}, {{20, 20, 10}, towardsCamera, {}},
                     {{-20, -20, 10}, towardsCamera, {}}, {{20, -20, 10}, towardsCamera, {}}};
    quad.indices = {0, 1, 2, 2, 1, 3};
    quad.subsets = {{0, 2}};
    const MeshId mesh = device.CreateMesh(quad);
    ASSERT_NE(mesh, kNoMesh);
    Material material;
    material.diffuse = material.ambient = {0.4f, 0.2f, 0.0f, 1.0f};
    material.specular = {1, 1, 1, 1};
    device.SetMaterial(material);
    device.DrawMeshSubset(mesh, 0);
    // diffuse × (ambient 0.667 + light 0.5 × N·L 1); specular stays off.
    ExpectNear(Pixel(320, 240), 0x773B00);
}

TEST_F(GlLightingTest, VertexColourGivesTheDiffuseAndItsAlphaEmissiveAndAmbientTheColour)
{
    Material material;
    material.diffuse = material.ambient = material.emissive = {0.2f, 0.4f, 0.6f, 1.0f};
    device.SetMaterial(material);
    DrawQuadAt(10, 0xFF000000);
    // emissive + ambient × 0.667, clamped; no normal, so no light term.
    ExpectNear(Pixel(320, 240), 0x55AAFF);

    device.Clear(kClearTarget, kOpaqueBlack, 1.0f);
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    DrawQuadAt(10, 0x80000000);
    ExpectNear(Pixel(320, 240), 0x2B5580);
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

}  // namespace
