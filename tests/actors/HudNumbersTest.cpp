#include "EffectsFixture.h"
#include "actors/AnalogNumber.h"
#include "actors/DigitStrings.h"
#include "actors/DigitalNumber.h"

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
    DrawDigitsRight(155, 8, "123");
    ASSERT_EQ(device.draws.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(BlitX(device.draws[i]), 140.0f + 5.0f * i);
        EXPECT_EQ(BlitY(device.draws[i]), 8.0f);
        EXPECT_EQ(Width(device.draws[i]), 12.0f);
        EXPECT_EQ(device.draws[i].state.texture, small[i + 1]);
    }
    device.ClearRecord();
    DrawDigitsLeft(10, 0, "-4 5");
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(BlitX(device.draws[0]), 15.0f);
    EXPECT_EQ(BlitX(device.draws[1]), 25.0f);
    EXPECT_EQ(device.draws[1].state.texture, small[5]);
    device.ClearRecord();
    const Vec3 at{};
    Vec3 direction{3.0f, 4.0f, 0.0f};
    CreateDigitalNumber(&at, &direction, 0);
    CreateDigitalNumber(&at, &direction, -5);
    EXPECT_TRUE(g_effectList.empty());
    EXPECT_EQ(direction.x, 3.0f);
    CreateDigitalNumber(&at, &direction, 250);
    EXPECT_TRUE(Near(direction, {0.012f, 0.016f, 0.0f}));
    ASSERT_EQ(g_effectList.size(), 1u);
    CSprite* number = g_effectList[0];
    DrawAndUpdate(number);
    ASSERT_EQ(device.draws.size(), 3u);
    EXPECT_EQ(BlitX(device.draws[0]), 400.0f);
    EXPECT_EQ(BlitY(device.draws[0]), 240.0f);
    EXPECT_EQ(BlitX(device.draws[2]), 424.0f);
    EXPECT_EQ(Width(device.draws[0]), 32.0f);
    EXPECT_EQ(device.draws[1].state.texture, large[5]);
    EXPECT_EQ(AlphaByte(device.draws[0]), 255u);
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
    EXPECT_EQ(BlitX(device.draws[0]), 600.0f);
    EXPECT_EQ(BlitX(device.draws[1]), 610.0f);
    EXPECT_EQ(Width(device.draws[1]), 16.0f);
    EXPECT_EQ(device.draws[1].state.texture, small[2]);
}

}  // namespace
