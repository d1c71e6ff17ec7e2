// GraphicsSystem drawing through the OpenGL device, checked pixel by pixel.
#include "engine/GraphicsSystem.h"

#include "../engine/GraphicsTestResources.h"
#include "../platform/PixelTestUtil.h"
#include "engine/FileUtil.h"
#include "platform/sdl/GlGraphicsDevice.h"
#include "platform/text/TextFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// One material, diffuse (0.4, 0.2, 0), facing the camera.
const char* const kDullSquare = R"(xof 0303txt 0032
Mesh Square {
 4;
 -1.0;1.0;0.0;, 1.0;1.0;0.0;, -1.0;-1.0;0.0;, 1.0;-1.0;0.0;;
 2;
 3;0,1,2;, 3;2,1,3;;
 MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; }
 MeshMaterialList { 1; 2; 0,0;; Material { 0.4;0.2;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; } }
}
)";

class GraphicsGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!window.Create("graphics test", 640, 480) || !graphics.Init(&device, 640, 480, false, false))
            GTEST_SKIP() << "no OpenGL context: " << SDL_GetError();
        resources.AddPicture("TEXTURE", "#1", {0x204060});
        resources.AddPicture("TEXTURE", "#2", {0x80FF00});
        resources.AddText("MODEL", "#1", kDullSquare);
        graphics.LoadTextureResource(&textures[0], "#1");
        graphics.LoadTextureResource(&textures[1], "#2");
        graphics.SetViewport(160, 0, 480, 480);
        graphics.SetFog(0);
        graphics.SetCulling(0);
    }

    void ClearTo(int r, int g, int b)
    {
        graphics.SetFogColor(r, g, b);
        graphics.Clear();
    }

    uint32_t Pixel(int x, int y) { return ReadPixel(device, x, y); }

    // What a text drawn over black leaves: the box round the pixels it
    // touched (right and bottom included; right -1 for none) and the
    // strongest red and other channel.
    struct Ink {
        int left = 640, top = 480, right = -1, bottom = -1;
        int red = 0, others = 0;
    };

    Ink DrawTextOverBlack(int x, int y, const std::string& text, uint32_t color)
    {
        ClearTo(0, 0, 0);
        graphics.DrawText(x, y, text.c_str(), color);
        std::vector<unsigned char> rgb;
        int width = 0, height = 0;
        EXPECT_TRUE(device.ReadBackBuffer(&rgb, &width, &height));
        Ink ink;
        for (int py = 0; py < height; ++py)
            for (int px = 0; px < width; ++px) {
                const unsigned char* p = &rgb[(static_cast<size_t>(py) * width + px) * 3];
                if (p[0] == 0 && p[1] == 0 && p[2] == 0)
                    continue;
                ink = {std::min(ink.left, px), std::min(ink.top, py), std::max(ink.right, px),
                       std::max(ink.bottom, py), std::max<int>(ink.red, p[0]), std::max({ink.others, +p[1], +p[2]})};
            }
        return ink;
    }

    GraphicsTestResources resources;
    SdlWindow window;
    GlGraphicsDevice device{window};
    GraphicsSystem graphics;
    int textures[2] = {-1, -1};
};

// The play field shows about 47.8 pixels per unit at z = 0, centred on (400, 240).
// Subtracting more than is there gives black.
TEST_F(GraphicsGlTest, BillboardsAddSubtractMultiplyAndBlend)
{
    ClearTo(10, 100, 200);
    graphics.DrawBillboard(textures[0], 1.0f, 1.0f, 0.0f, MatrixTranslation(-3, 0, 0));
    graphics.DrawBillboard(textures[0], 1.0f, 1.0f, -1.0f, MatrixTranslation(0, 0, 0));
    graphics.DrawBillboard(textures[1], 1.0f, 1.0f, -2.0f, MatrixTranslation(3, 0, 0));
    graphics.DrawBillboard(textures[0], 1.0f, 1.0f, 0.5f, MatrixTranslation(0, 3, 0));
    EXPECT_EQ(Pixel(257, 240), 0x2AA4FFu);
    EXPECT_EQ(Pixel(400, 240), 0x002468u);
    ExpectNear(Pixel(543, 240), 0x056400);
    ExpectNear(Pixel(400, 97), 0x155294);
    EXPECT_EQ(Pixel(400, 200), 0x0A64C8u);
}

TEST_F(GraphicsGlTest, MeshIsLitByLightZeroAndTheAmbient)
{
    int mesh = -1;
    graphics.LoadMesh(&mesh, "#1", "MODEL");
    ASSERT_EQ(mesh, 0);
    ClearTo(0, 0, 0);
    graphics.DrawMesh(mesh, MatrixIdentity());
    // 0.4 × (ambient 0.667 + 0.5 × N·L 0.668) = 0.400 red, half of it green.
    ExpectNear(Pixel(400, 240), 0x663300);
    // Scaled up, the normals shrink and are not renormalised, as on the original device.
    graphics.DrawMesh(mesh, MatrixScaling(2, 2, 2));
    ExpectNear(Pixel(400, 240), 0x552B00);
}

TEST_F(GraphicsGlTest, ScreenPointsAndLinesCoverExactlyTheirPixels)
{
    graphics.SetViewport(0, 0, 640, 480);
    ClearTo(0, 0, 0);
    graphics.DrawPoint2D(100, 100, 1.0f);
    graphics.DrawHorizontalLines2D(200, 50, 210, 60, 1.0f, 0.0f, 1.0f, 0.0f);
    ExpectPixels(device, {{100, 100, 0xFFFFFF}, {101, 100, 0}, {200, 60, 0x00FF00}, {209, 50, 0x00FF00}});
}

TEST_F(GraphicsGlTest, BackBufferIsSavedAsBottomUpBmp)
{
    graphics.SetViewport(0, 0, 640, 480);
    ClearTo(0, 0, 0);
    graphics.DrawRect2D(0, 0, 1, 1, 1.0f, 1.0f, 0.5f, 0.0f);
    graphics.SetShake(20.0f);
    graphics.UpdateShake();
    graphics.Present();
    const std::string path = ::testing::TempDir() + "graphics_gl_test.bmp";
    ASSERT_TRUE(graphics.SaveBackBufferBmp(path));
    std::vector<unsigned char> bmp;
    ASSERT_TRUE(ReadWholeFile(path, &bmp));
    std::remove(path.c_str());
    ASSERT_EQ(bmp.size(), 54u + 640u * 480u * 3u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[28], 24);
    // The top left pixel is the first of the last row, stored blue first.
    const size_t topLeft = 54 + 479u * 640u * 3u;
    EXPECT_EQ(bmp[topLeft], 0);
    EXPECT_EQ(bmp[topLeft + 1], 127);
    EXPECT_EQ(bmp[topLeft + 2], 255);
    EXPECT_EQ(bmp[54], 0);
}

// The font is the face found for "Arial" at a cell height of 12 pixels.
TEST_F(GraphicsGlTest, TextStaysInItsBoxGoesDownALineAtALineFeedAndTakesTheColoursAlpha)
{
    graphics.SetViewport(0, 0, 640, 480);
    const uint32_t red = 0xFFFF0000, halfRed = 0x80FF0000;
    // The first line runs past the box's right edge, the third past its bottom.
    const Ink cut = DrawTextOverBlack(100, 100, std::string(80, 'M') + "\nM\nM\nM", red);
    EXPECT_GE(cut.left, 100);
    EXPECT_GE(cut.top, 100);
    EXPECT_TRUE(cut.right > 600 && cut.right < 612) << cut.right;
    EXPECT_TRUE(cut.bottom > 124 && cut.bottom < 132) << cut.bottom;
    const Ink one = DrawTextOverBlack(300, 200, "H", red), two = DrawTextOverBlack(300, 200, "H\nH", red);
    EXPECT_EQ(std::tuple(two.left, two.top, two.right, two.bottom),
              std::tuple(one.left, one.top, one.right, one.bottom + 12));
    const Ink half = DrawTextOverBlack(300, 200, "H", halfRed);
    EXPECT_EQ(std::tuple(one.red, one.others, half.others), std::tuple(255, 0, 0));
    EXPECT_NEAR(half.red, 128, 1);
    EXPECT_EQ(DrawTextOverBlack(300, 200, "", red).right, -1);
    // Each pixel is the laid-out coverage in the colour, one texel a pixel.
    const TextInk ink = TextFont::Open("Arial", 12)->Render("Hg", 512, 32);
    DrawTextOverBlack(300, 200, "Hg", red);
    for (int i = 0; i < ink.width * ink.height; ++i) {
        const int x = 300 + ink.left + i % ink.width, y = 200 + ink.top + i / ink.width;
        ASSERT_NEAR(Pixel(x, y) >> 16, ink.coverage[i], 1) << x << "," << y;
    }
}

}  // namespace
