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

TEST_F(GlGraphicsDeviceTest, ViewportClipsScreenDrawingAndClearing)
{
    device.SetViewport({160, 0, 480, 480, 0.0f, 1.0f});
    DrawScreenRect(device, 0, 0, 640, 480, 0xFFFF0000);
    device.SetViewport({0, 400, 100, 80, 0.0f, 1.0f});
    device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
    ExpectPixels(device, {{159, 100, 0}, {160, 100, 0xFF0000}, {50, 399, 0}, {50, 400, 0x0000FF}, {200, 400, 0xFF0000}});
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
    ExpectPixels(device, {{100, 100, 0xFF0000}, {109, 109, 0xFF0000}, {110, 100, 0x00FF00}, {119, 109, 0x00FF00}});
    device.ReleaseTexture(texture);
}

// Reads the window's picture; the offscreen driver keeps it after the swap.
uint32_t WindowPixel(int x, int y)
{
    reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBindFramebuffer"))(GL_FRAMEBUFFER, 0);
    unsigned char p[3] = {};
    glReadPixels(x, 479 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
}

// A 320 x 240 picture in a 700 x 480 window: twice as large, centred, moved
// by twice the offset, black around it.
TEST(GlGraphicsDevicePresent, ScalesThePictureToTheWindowAndMovesItByTheOffsetOverBlack)
{
    SdlWindow window;
    GlGraphicsDevice device{window};
    if (!window.Create("present test", 700, 480) || !device.CreateDevice({320, 240, true, 0, false}) ||
        std::string(SDL_GetCurrentVideoDriver()) != "offscreen")
        GTEST_SKIP() << "the window's picture is only kept by the offscreen driver";
    device.Clear(kClearTarget, 0xFFFF0000, 1.0f);
    const ScreenVertex points[] = {Screen(0, 0, 0xFFFFFFFF), Screen(0, 239, 0xFF00FF00)};
    device.DrawPrimitive(PrimitiveType::PointList, 2, points);
    // Whichever buffer comes back from the swap has shown the picture unmoved.
    for (int i = 0; i < 3; ++i)
        device.Present(0, 0);
    for (const auto& [x, y, color] : std::initializer_list<ExpectedPixel>{
             {29, 0, 0}, {30, 0, 0xFFFFFF}, {31, 1, 0xFFFFFF}, {32, 2, 0xFF0000}, {30, 478, 0x00FF00},
             {31, 479, 0x00FF00}, {669, 479, 0xFF0000}, {670, 479, 0}})
        EXPECT_EQ(WindowPixel(x, y), color) << x << "," << y;
    device.Present(5, 3);
    for (const auto& [x, y, color] : std::initializer_list<ExpectedPixel>{
             {39, 10, 0}, {40, 6, 0xFFFFFF}, {41, 7, 0xFFFFFF}, {42, 8, 0xFF0000}, {679, 479, 0xFF0000}, {40, 5, 0}})
        EXPECT_EQ(WindowPixel(x, y), color) << x << "," << y;
    // The picture itself stays where it was drawn.
    ExpectPixels(device, {{0, 0, 0xFFFFFF}, {1, 1, 0xFF0000}});
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
// come between it and the next depth-tested draw, and whether depth is written.
TEST_F(GlGraphicsDeviceTest, DepthClearsOfPartsOfThePictureAllCount)
{
    device.SetDepthTest(true);
    device.SetDepthWrite(true);
    DrawScreenRect(device, 0, 0, 640, 480, 0xFF0000FF, 0.2f);
    device.SetDepthWrite(false);  // clears ignore it
    DrawScreenRect(device, 600, 400, 1, 1, 0xFF0000FF, 0.2f);
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
    ExpectPixels(device, {{50, 50, 0x00FF00}, {250, 50, 0x00FF00}, {150, 50, 0}});
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

TEST_F(GlLightingTest, MeshIsLitByItsMaterialTheLightAndTheAmbientAndBlendsByItsAlpha)
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

    device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
    Material glass;
    glass.diffuse = {0, 0, 0, 0.5f};
    glass.emissive = {1, 1, 1, 1};
    device.SetMaterial(glass);
    SetBlend(BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha);
    device.DrawMeshSubset(mesh, 0);
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

    enum class Shape { Mesh, Square, ScreenRect };

    // One of the draws of a frame, each at its own place.
    void Draw(size_t i)
    {
        using Op = TextureAlphaOp;
        const TextureId none = kNoTexture;
        const struct {
            bool blend;
            TextureId texture;
            TextureAlphaOp alphaOp;
            bool fog;
            Color emissive;
            Shape shape;
            float x, y;
            uint32_t color;
        } draws[] = {
            {false, greenTexture, Op::Modulate, false, {}, Shape::Mesh, -6, 5, 0},
            {true, none, Op::Modulate, false, {0.2f, 0.4f, 0.6f, 1.0f}, Shape::Square, 0, 5, 0x80FFFFFF},
            {false, none, Op::SelectTexture, false, {}, Shape::Mesh, 6, 5, 0},
            {false, greyTexture, Op::SelectTexture, true, {}, Shape::Mesh, -6, -5, 0},
            {true, greenTexture, Op::SelectTexture, false, {1, 1, 1, 1}, Shape::Square, 0, -5, 0x40FFFFFF},
            {false, none, Op::Modulate, false, {}, Shape::ScreenRect, 500, 300, 0xFFFF8000},
        };
        const auto& d = draws[i];
        SetStates(d.blend, d.texture, d.alphaOp, d.fog, d.emissive);
        if (d.shape == Shape::Mesh)
            DrawMeshAt(d.x, d.y);
        else if (d.shape == Shape::Square)
            DrawColorSquareAt(d.x, d.y, d.color);
        else
            DrawScreenRect(device, d.x, d.y, 20, 20, d.color);
    }

    // The centre pixel of each draw's square after drawing them in the given order.
    std::vector<uint32_t> DrawInOrder(const std::vector<size_t>& order, bool presentBetween)
    {
        device.Clear(kClearTarget, 0xFF0000FF, 1.0f);
        for (size_t i : order) {
            Draw(i);
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
    std::vector<uint32_t> alone;
    for (size_t i = 0; i < 6; ++i)
        alone.push_back(DrawInOrder({i}, false)[i]);
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
    ExpectPixels(device, {{256, 240, 0xFF0000}, {320, 240, 0}});
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
    ExpectPixels(device, {{159, 240, 0}, {165, 240, 0xFFFFFF}, {400, 245, 0xFFFFFF}, {400, 260, 0}});
}

}  // namespace
