// A sky box drawn by the OpenGL device: smooth, edge-clamped sampling while
// it draws, unfiltered and wrapped again for what comes after.
#include "actors/Skybox.h"

#include "../engine/GraphicsTestResources.h"
#include "../platform/PixelTestUtil.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "platform/sdl/GlGraphicsDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

TEST(SkyboxGlTest, FacesBlendTheirTexelsUpToAClampedEdgeThenSamplingIsSetBack)
{
    SdlWindow window;
    GlGraphicsDevice device{window};
    GraphicsSystem graphics;
    if (!window.Create("sky box test", 640, 480) || !graphics.Init(&device, 640, 480, false, false))
        GTEST_SKIP() << "no OpenGL context: " << SDL_GetError();
    graphics.SetViewport(160, 0, 480, 480);
    constexpr uint32_t kLeft = 0x2040C0, kRight = 0xC08020;
    GraphicsTestResources resources;
    const char* names[6] = {"#329", "#330", "#331", "#332", "#333", "#334"};
    for (int face = 0; face < 6; ++face) {
        resources.AddPicture("TEXTURE", names[face], {kLeft, kRight});
        graphics.LoadTextureResource(&g_texSkybox[face], names[face]);
    }
    // The front face spans x from -5 to 35 at depth 20: two texels 40 units wide.
    CSprite worldTransform, groundTransform;
    groundTransform.position = {15.0f, 0.0f, 0.0f};
    g_graphics = &graphics;
    g_worldTransform = &worldTransform;
    g_groundTransform = &groundTransform;
    CSkybox().Draw();
    // The same picture drawn afterwards, higher up: unblended texels again.
    graphics.DrawBillboard(g_texSkybox[5], 6.0f, 1.0f, 1.0f, MatrixTranslation(8.0f, 5.0f, 20.0f));
    g_groundTransform = g_worldTransform = nullptr;
    g_graphics = nullptr;
    std::fill(std::begin(g_texSkybox), std::end(g_texSkybox), -1);

    // The pixel showing (x, y, 20) to the eye at (0, 0, -10).
    const auto pixelAt = [&](float x, float y) {
        const double perUnit = 240.0 / std::tan(0.9299114 / 2.0) / 30.0;
        return ReadPixel(device, static_cast<int>(400.0 + x * perUnit), static_cast<int>(240.0 - y * perUnit));
    };
    ExpectNear(pixelAt(-4.9f, 0.0f), kLeft);    // at the edge: no wrap into the right texel
    ExpectNear(pixelAt(8.0f, 0.0f), 0x384AA8);  // 0.85 left + 0.15 right
    EXPECT_EQ(pixelAt(6.95f, 5.0f), kLeft);
}

}  // namespace
