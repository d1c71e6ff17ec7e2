#include "EffectsFixture.h"
#include "actors/AnalogNumber.h"
#include "actors/DigitStrings.h"
#include "actors/DigitalNumber.h"

#include <tuple>

namespace {

class HudNumbersTest : public EffectsFixture {
protected:
    void SetUp() override
    {
        small = LoadPictures(g_texDigits, 10, 171);
        large = LoadPictures(g_texBigDigits, 10, 120);
    }

    std::vector<TextureId> small, large;
};

TEST_F(HudNumbersTest, DigitStringsLeaveGapsTheResultsCounterWaitsAndAScoreNumberDriftsAndFades)
{
    DrawDigitsRight(155, 8, "190");
    ASSERT_EQ(device.draws.size(), 3u);
    const int shown[] = {1, 9, 0};
    for (int i = 0; i < 3; ++i) {
        const RecordedDraw& d = device.draws[i];
        EXPECT_EQ(std::tuple(BlitX(d), BlitY(d), Width(d), d.state.texture),
                  std::tuple(140.0f + 5.0f * i, 8.0f, 12.0f, small[shown[i]]));
    }
    device.ClearRecord();
    DrawDigitsLeft(10, 0, "-4 5");
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(std::tuple(BlitX(device.draws[0]), BlitX(device.draws[1]), device.draws[1].state.texture),
              std::tuple(15.0f, 25.0f, small[5]));
    device.ClearRecord();
    const Vec3 at{};
    Vec3 direction{3.0f, 4.0f, 0.0f};
    CreateDigitalNumber(&at, &direction, 0);
    CreateDigitalNumber(&at, &direction, -5);
    EXPECT_TRUE(g_effectList.empty());
    EXPECT_EQ(direction.x, 3.0f);
    CreateDigitalNumber(&at, &direction, 250);
    EXPECT_TRUE(Near(direction, {0.012f, 0.016f, 0.0f}));
    CreateDigitalNumber(&at, &direction, 1);
    ASSERT_EQ(g_effectList.size(), 2u);
    CSprite* number = g_effectList[0];
    DrawAndUpdate(number);
    ASSERT_EQ(device.draws.size(), 3u);
    const std::vector<RecordedDraw>& d = device.draws;
    EXPECT_EQ(std::tuple(BlitX(d[0]), BlitY(d[0]), BlitX(d[2]), Width(d[0]), d[1].state.texture, AlphaByte(d[0])),
              std::tuple(400.0f, 240.0f, 424.0f, 32.0f, large[5], 255u));
    int frames = 1;
    while (number->state != STATE_DEAD) {
        device.ClearRecord();
        DrawAndUpdate(number);
        ++frames;
    }
    EXPECT_EQ(frames, 120);
    EXPECT_EQ(AlphaByte(device.draws[0]), 255u / 120u);
    EXPECT_NEAR(number->position.x, 120 * 0.012f, 1e-4f);
    device.ClearRecord();
    const int tone = world.LoadTone();
    CreateAnalogNumber(600, 236, "4 2", 3, static_cast<int8_t>(tone));
    ASSERT_EQ(g_overlayList.size(), 1u);
    CSprite* counter = g_overlayList[0];
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_FALSE(world.sound.IsPlaying(static_cast<int8_t>(tone)));
        DrawAndUpdate(counter);
    }
    EXPECT_TRUE(device.draws.empty());
    EXPECT_TRUE(world.sound.IsPlaying(static_cast<int8_t>(tone)));
    counter->Draw();
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(std::tuple(BlitX(device.draws[0]), BlitX(device.draws[1]), Width(device.draws[1]),
                         device.draws[1].state.texture),
              std::tuple(600.0f, 610.0f, 16.0f, small[2]));
}

}  // namespace
