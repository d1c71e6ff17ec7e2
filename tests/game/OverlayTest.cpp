#include "actors/LockonSystem.h"
#include "game/Freeze.h"
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
            {&stripOff, &g_texHudStrip[1], 306},  {&stripOn, &g_texHudStrip[2], 309},
            {&labelOff, &g_texHud257, 257},       {&labelOn, &g_texHud258, 258},
            {&creditStrip, &g_texHud170, 170},    {&life, &g_texHud191, 191},
            {&difficulty[0], &g_texDifficulty[0], 240}, {&difficulty[1], &g_texDifficulty[1], 245},
            {&menu, &g_texHud184, 184},           {&cursor, &g_texHud327, 327},
            {&prompt, &g_texHud104, 104},         {&gaugeLevel, &g_texHud230, 230},
            {&fpsLabel, &g_texHud247, 247},       {&loadingPicture, &g_texHud312, 312},
            {&cutIn, &g_texCutIn, 169},           {&flash, &g_texFreezeFlash, 187}};
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

    // The first draw of the texture since the record was cleared.
    const RecordedDraw* DrawOf(TextureId texture) const
    {
        for (const RecordedDraw& draw : device.draws) {
            if (draw.state.texture == texture)
                return &draw;
        }
        return nullptr;
    }

    TextureId digits[10]{};
    TextureId stripOff{}, stripOn{}, labelOff{}, labelOn{}, creditStrip{}, life{}, difficulty[2]{}, menu{}, cursor{},
        prompt{}, gaugeLevel{}, fpsLabel{}, loadingPicture{}, cutIn{}, flash{};
};

TEST_F(OverlayTest, TheHudStripAndReloadLabelFollowTheAutomaticReload)
{
    g_player->automaticReload = true;
    Draw();
    EXPECT_EQ(std::tuple(PlacesOf(stripOn), PlacesOf(labelOn), PlacesOf(stripOff)),
              std::tuple(At({{0, 0}}), At({{5, 8}}), Places{}));
    g_player->automaticReload = false;
    Draw();
    EXPECT_EQ(std::tuple(PlacesOf(stripOff), PlacesOf(labelOff)), std::tuple(At({{0, 0}}), At({{5, 8}})));
}

TEST_F(OverlayTest, ScoreHitsAndCreditsAreRightAlignedDigits)
{
    g_player->score = 1234;
    g_player->killCount = 35;
    g_player->shotAmmo = 7;
    g_player->rayAmmo = 8;
    g_credits = 9;
    g_frameCounter->framesLastSecond = 60;
    Draw();
    // Twelve score digits end at 155; eight zeros of them, then 1 2 3 4.
    const std::pair<TextureId, Places> placed[] = {
        {digits[1], At({{135, 8}})},   {digits[4], At({{150, 8}})},    {digits[3], At({{145, 8}, {145, 24}})},
        {digits[5], At({{150, 24}})},  {digits[7], At({{130, 84}})},   {digits[8], At({{130, 104}})},
        {digits[9], At({{215, 461}})}, {digits[6], At({{603, 9}})},    {creditStrip, At({{160, 460}})},
        {fpsLabel, At({{614, 9}})}};
    for (const auto& [texture, places] : placed)
        EXPECT_EQ(PlacesOf(texture), places) << texture;
    EXPECT_EQ(PlacesOf(digits[0]).size(), 8u + 3u + 1u);
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

TEST_F(OverlayTest, LivesGaugeLockSlotsAndTheLastHitsShareOfHitPoints)
{
    g_player->lives = 3;
    g_player->specialGauge = 2500;
    g_lockonSystem->targetId[2] = 77;
    g_lastHitEnemy->hp = 50;
    g_lastHitEnemy->maxHp = 100;
    Draw();
    EXPECT_EQ(std::tuple(PlacesOf(life), PlacesOf(gaugeLevel)),
              std::tuple(At({{5, 380}, {38, 380}, {71, 380}}), At({{122, 201}})));
    const uint32_t slotColour = GraphicsSystem::ColorToArgb(0.5f, 0.0f, 0.8f, 0.0f);
    EXPECT_EQ(std::tuple(HasRect(4.0f, 242.0f, 79.0f), HasRect(4.0f, 298.0f, 32.0f, slotColour),
                         HasRect(4.0f, 286.0f, 32.0f), HasRect(168.0f, 22.0f, 232.0f)),
              std::tuple(true, true, false, true));
    int outlines = 0;
    for (const RecordedDraw& draw : device.draws)
        outlines += draw.type == PrimitiveType::LineStrip && draw.screenVertices[0].x == 4.0f ? 1 : 0;
    EXPECT_EQ(outlines, CLockonSystem::kSlotCount);
    g_lastHitEnemy->maxHp = 0;
    Draw();
    EXPECT_TRUE(HasRect(168.0f, 22.0f, 0.0f));
    g_lastHitEnemy->hp = g_lastHitEnemy->maxHp = 1;
    Draw();
    EXPECT_TRUE(HasRect(168.0f, 22.0f, 464.0f));
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
    const int courseY[] = {81, 97, 129, 145, 161, 177, 193, 209, 225, 241, 257};  // a gap after the stages
    for (int course = 0; course < 11; ++course) {
        g_titleMenuValues[1] = course;
        Draw();
        EXPECT_EQ(PlacesOf(cursor), At({{186, 81}, {246, courseY[course]}})) << course;
    }

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

TEST_F(OverlayTest, TheRadarShowsEnemiesNearThePlane)
{
    AddEnemy(0.0f, 0.0f, 1, 0);
    AddEnemy(1.0f, 1.0f, 1, 0)->position.z = 20.0f;  // at the bound: not shown
    Draw([] { DrawRadar(true); });
    Places points;
    Places redOutlines;
    for (const RecordedDraw& draw : device.draws) {
        if (draw.type == PrimitiveType::PointList)
            points.emplace_back(draw.screenVertices[0].x, draw.screenVertices[0].y);
        if (draw.type == PrimitiveType::LineStrip &&
            draw.screenVertices[0].color == GraphicsSystem::ColorToArgb(1.0f, 0.5f, 0.0f, 0.0f))
            redOutlines.emplace_back(draw.screenVertices[0].x, draw.screenVertices[0].y);
    }
    EXPECT_EQ(points, (Places{{580.0f, 420.0f}}));
    EXPECT_EQ(redOutlines, (Places{{530.0f, 370.0f}, {555.0f, 395.0f}}));
}

TEST_F(OverlayTest, TheSpecialsHitStopDarkensFlashesAndSlidesTheCutInIn)
{
    SetFreeze(45, nullptr);
    g_freezeFrames = 44;
    Draw(DrawHitStopLayer);
    EXPECT_TRUE(HasRect(0.0f, 0.0f, 640.0f));
    ASSERT_EQ(PlacesOf(cutIn).size(), 1u);
    EXPECT_NEAR(DrawOf(cutIn)->screenVertices[1].x - DrawOf(cutIn)->screenVertices[0].x, 32.0f, 1.0f);
    const RecordedDraw* flashed = DrawOf(flash);
    ASSERT_NE(flashed, nullptr);
    EXPECT_NEAR(flashed->colorVertices[1].x - flashed->colorVertices[0].x, 50.0f / 45.0f, 1e-5f);

    g_freezeFrames = 33;
    Draw(DrawHitStopLayer);
    ASSERT_NE(DrawOf(cutIn), nullptr);
    EXPECT_EQ(DrawOf(cutIn)->screenVertices[1].x - DrawOf(cutIn)->screenVertices[0].x, 360.0f);
}

TEST_F(OverlayTest, ABossHitStopFlashesAtTheBossWithoutCutIn)
{
    const Vec3 boss{1.0f, 2.0f, 0.0f};
    SetFreeze(45, &boss);
    g_freezeFrames = 20;
    Draw(DrawHitStopLayer);
    EXPECT_TRUE(PlacesOf(cutIn).empty() && !HasRect(0.0f, 0.0f, 640.0f));
    const RecordedDraw* flashed = DrawOf(flash);
    ASSERT_NE(flashed, nullptr);
    EXPECT_EQ(std::tuple(flashed->state.world.m[3][0], flashed->state.world.m[3][1]), std::tuple(1.0f, 2.0f));
}

}  // namespace
