#include "EffectsFixture.h"
#include "actors/CinemaScope.h"
#include "actors/ColorFilter.h"
#include "actors/RectangleShadow.h"

#include <algorithm>
#include <tuple>

namespace {

class FiltersTest : public EffectsFixture {
protected:
    // Alpha bytes of the sprite's draws, frame by frame, until it is removed.
    std::vector<uint32_t> FadeOf(CSprite* sprite)
    {
        std::vector<uint32_t> alphas;
        while (sprite->state != STATE_DEAD) {
            device.ClearRecord();
            DrawAndUpdate(sprite);
            EXPECT_EQ(device.draws.size(), 1u);
            if (device.draws.size() == 1)
                alphas.push_back(AlphaByte(device.draws[0]));
        }
        return alphas;
    }
};

TEST_F(FiltersTest, FiltersShadowsAndPanelsFadeInWhenAskedThenOutOverThePlayfield)
{
    CreateColorFilter(15);
    ASSERT_EQ(g_overlayList.size(), 1u);
    g_overlayList[0]->Draw();
    const RecordedDraw& first = device.draws[0];
    const auto& v = first.screenVertices;
    EXPECT_EQ(std::tuple(v[0].x, v[3].x, v[3].y, v[0].color, first.state.depthTest),
              std::tuple(160.0f, 640.0f, 480.0f, 0xFFFFFFFFu, false));
    const std::vector<uint32_t> alphas = FadeOf(g_overlayList[0]);
    ASSERT_EQ(alphas.size(), 15u);
    EXPECT_EQ(alphas.back(), 255u / 15u);
    const Color red{1.0f, 0.0f, 0.0f, 1.0f};
    CColorFilter filter(&red, 10, 20);
    const std::vector<uint32_t> fade = FadeOf(&filter);
    ASSERT_EQ(fade.size(), 30u);
    EXPECT_EQ(std::tuple(fade[0], fade[9], fade[10], fade[11]), std::tuple(0u, 229u, 255u, 242u));
    EXPECT_TRUE(std::is_sorted(fade.begin(), fade.begin() + 11));
    EXPECT_TRUE(std::is_sorted(fade.rbegin(), fade.rend() - 10));
    CreateColorFilterRed(21);
    const std::vector<uint32_t> halves = FadeOf(g_overlayList.back());
    EXPECT_EQ(device.draws[0].screenVertices[0].color & 0xFFFFFF, 0xFF0000u);
    ASSERT_EQ(halves.size(), 20u);
    EXPECT_EQ(halves[10], 255u);
    const Vec3 corners[4] = {{0, 1, 0}, {1, 1, 0}, {0, 0, 0}, {1, 0, 0}};
    CRectangleShadow shadow(corners, 0.8f, 0.2f, 0.4f, 0.6f, 4);
    EXPECT_EQ(FadeOf(&shadow), (std::vector<uint32_t>{204, 153, 102, 51}));
    const RecordedDraw& last = device.draws[0];
    EXPECT_EQ(std::tuple(last.colorVertices[1].x, last.state.material.emissive.b, last.state.depthTest),
              std::tuple(1.0f, 0.6f, false));
    device.ClearRecord();
    CCinemaScope panel(170, 90, 300, 90);
    panel.Draw();
    EXPECT_TRUE(device.draws.empty());
    std::vector<float> widths;
    std::vector<uint32_t> panelAlphas;
    while (panel.state != STATE_DEAD) {
        device.ClearRecord();
        panel.Update();
        if (!device.draws.empty()) {
            widths.push_back(Width(device.draws[0]));
            panelAlphas.push_back(AlphaByte(device.draws[0]));
            EXPECT_EQ(device.draws[0].screenVertices[0].x, 160.0f);
        }
    }
    ASSERT_EQ(widths.size(), 479u);
    EXPECT_EQ(std::tuple(widths.front(), widths.back()), std::tuple(1.0f, 1.0f));
    EXPECT_TRUE(panelAlphas.front() <= 3u && panelAlphas.back() <= 3u);
    EXPECT_EQ(std::count(widths.begin(), widths.end(), 170.0f), 301);
    EXPECT_EQ(std::count(panelAlphas.begin(), panelAlphas.end(), 191u), 301);
    EXPECT_TRUE(std::is_sorted(widths.begin(), widths.begin() + 90));
}

}  // namespace
