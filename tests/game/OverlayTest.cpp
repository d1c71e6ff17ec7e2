#include "game/Overlay.h"
#include "game/TitleMenu.h"
#include "tests/game/GameFixture.h"

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>

namespace {

using Places = std::vector<std::pair<float, float>>;

// Blits land half a pixel up and left of the pixel they name.
Places At(std::initializer_list<std::pair<int, int>> pixels)
{
    Places places;
    for (const auto& [x, y] : pixels)
        places.emplace_back(static_cast<float>(x) - 0.5f, static_cast<float>(y) - 0.5f);
    return places;
}

class OverlayTest : public GameFixture {
protected:
    void SetUp() override
    {
        for (int d = 0; d < 10; ++d)
            digits[d] = LoadPicture(&g_texDigits[d], "#" + std::to_string(171 + d));
        const std::tuple<TextureId*, int*, int> pictures[] = {
            {&stripOff, &g_texHudStrip[1], 306},        {&stripOn, &g_texHudStrip[2], 309},
            {&creditStrip, &g_texHud170, 170},          {&menu, &g_texHud184, 184},
            {&difficulty[0], &g_texDifficulty[0], 240}, {&difficulty[1], &g_texDifficulty[1], 245},
            {&cursor, &g_texHud327, 327},               {&prompt, &g_texHud104, 104},
            {&fpsLabel, &g_texHud247, 247},             {&loadingPicture, &g_texHud312, 312}};
        for (const auto& [id, handle, number] : pictures)
            *id = LoadPicture(handle, "#" + std::to_string(number));
        g_scene = 0;
    }

    void Draw(const std::function<void()>& draw = DrawOverlay)
    {
        device.ClearRecord();
        draw();
    }

    // A flat rectangle (no texture) drawn as a strip, by its top left corner and width (and colour when given).
    bool HasRect(float x, float y, float width, uint32_t argb = 0) const
    {
        return std::any_of(device.draws.begin(), device.draws.end(), [&](const RecordedDraw& draw) {
            const auto& v = draw.screenVertices;
            return draw.type == PrimitiveType::TriangleStrip && draw.state.texture == kNoTexture && v.size() == 4 &&
                   v[0].x == x && v[0].y == y && v[1].x - v[0].x == width && (argb == 0 || v[0].color == argb);
        });
    }

    // The top left pixels of every blit or quad of the texture since the record was cleared.
    Places PlacesOf(TextureId texture) const
    {
        Places places;
        for (const RecordedDraw& draw : device.draws) {
            if (draw.state.texture == texture && !draw.screenVertices.empty())
                places.emplace_back(draw.screenVertices[0].x, draw.screenVertices[0].y);
        }
        return places;
    }

    TextureId digits[10]{};
    TextureId stripOff{}, stripOn{}, creditStrip{}, difficulty[2]{}, menu{}, cursor{}, prompt{}, fpsLabel{},
        loadingPicture{};
};

TEST_F(OverlayTest, CreditsAndTheFrameRateAreRightAlignedDigits)
{
    g_credits = 9;
    g_frameCounter->framesLastSecond = 37;
    Draw();
    const std::pair<TextureId, Places> placed[] = {
        {digits[9], At({{215, 461}})},   {digits[3], At({{603, 9}})}, {digits[7], At({{608, 9}})},
        {creditStrip, At({{160, 460}})}, {fpsLabel, At({{614, 9}})}};
    for (const auto& [texture, places] : placed)
        EXPECT_EQ(PlacesOf(texture), places) << texture;
}

TEST_F(OverlayTest, OnlyTheTwoMenuDifficultiesHaveAPicture)
{
    for (int value : {-1, 0, 1, -2}) {
        g_globalDifficulty = value;
        Draw();
        EXPECT_EQ(PlacesOf(difficulty[0]), value == -1 ? At({{5, 420}}) : Places{}) << value;
        EXPECT_EQ(PlacesOf(difficulty[1]), value == 0 ? At({{5, 420}}) : Places{}) << value;
    }
}

TEST_F(OverlayTest, TheTitleMenuPlacesItsCursorsByRowValueAndWithoutCreditsThePromptBlinks)
{
    g_scene = -2;
    g_credits = 1;
    g_titleMenuValues[0] = 1;
    g_titleMenuValues[1] = 4;
    g_titleMenuRow = 1;
    Draw();
    EXPECT_EQ(std::tuple(PlacesOf(menu), PlacesOf(cursor)), std::tuple(At({{176, 64}}), At({{186, 97}, {246, 161}})));
    bool underline = false;
    for (const RecordedDraw& draw : device.draws) {
        if (draw.type == PrimitiveType::LineList && !draw.screenVertices.empty())
            underline = draw.screenVertices[0].x == 246.0f && draw.screenVertices[1].x == 306.0f &&
                        draw.screenVertices[0].y == 72.0f;
    }
    EXPECT_TRUE(underline);

    g_titleMenuValues[0] = 0;
    g_titleMenuValues[1] = 11;
    Draw();
    EXPECT_EQ(PlacesOf(cursor), At({{186, 81}}));
    g_titleMenuValues[1] = 0;
    Draw();
    EXPECT_EQ(PlacesOf(cursor), At({{186, 81}, {246, 81}}));

    g_credits = 0;  // no menu: a blinking prompt
    for (int frame : {-1, 0, 60, 61, 119, 120}) {
        g_sceneFrame = frame;
        Draw();
        const bool shown = frame == -1 || frame == 0 || frame == 60 || frame == 120;
        EXPECT_EQ(PlacesOf(prompt), shown ? At({{314, 231}}) : Places{}) << frame;
        EXPECT_TRUE(PlacesOf(menu).empty());
    }
}

TEST_F(OverlayTest, TheLoadingScreenReplacesTheHudButKeepsTheFrameRate)
{
    g_loading = true;
    g_player->auraTimer = 125;
    Draw();
    EXPECT_TRUE(PlacesOf(stripOn).empty() && PlacesOf(stripOff).empty() && HasRect(0.0f, 0.0f, 640.0f));
    EXPECT_EQ(std::tuple(PlacesOf(loadingPicture), PlacesOf(fpsLabel), PlacesOf(digits[2])),
              std::tuple(At({{80, 0}}), At({{614, 9}}), At({{168, 64}})));
}

}  // namespace
