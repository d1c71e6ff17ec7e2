#include "EffectsFixture.h"
#include "actors/SimpleBG.h"
#include "actors/SimpleSprite.h"

namespace {

using SimpleSceneryTest = EffectsFixture;

TEST_F(SimpleSceneryTest, MessageLineShowsItsRowForExactlyItsFramesAStartSoundWaitsATileChainsItsSuccessor)
{
    const TextureId sheet = LoadPicture(&g_texMessageText[1], "#337");
    ShowMessageLine(1, 3);
    ASSERT_EQ(g_overlayList.size(), 1u);
    CSprite* line = g_overlayList[0];
    int frames = 0;
    while (line->state != STATE_DEAD) {
        device.ClearRecord();
        DrawAndUpdate(line);
        ASSERT_EQ(AlphaByte(device.draws[0]), 255u);
        ++frames;
    }
    EXPECT_EQ(frames, 240);
    const RecordedDraw& draw = device.draws[0];
    EXPECT_EQ(draw.state.texture, sheet);
    EXPECT_EQ(BlitX(draw), 128.0f);
    EXPECT_EQ(BlitY(draw), 440.0f);
    EXPECT_EQ(Width(draw), 512.0f);
    // The picture is one texel high: v counts texel rows.
    EXPECT_EQ(draw.screenVertices[0].v, 54.0f);
    EXPECT_EQ(draw.screenVertices[3].v, 67.0f);
    device.ClearRecord();
    int texture = -1;
    LoadPicture(&texture, "#340");
    const int tone = world.LoadTone();
    SpawnSimpleSprite(texture, 200, 100, 0, 0, 2, 1, 0, tone);
    DrawAndUpdate(g_overlayList[1]);
    EXPECT_FALSE(world.sound.IsPlaying(static_cast<int8_t>(tone)));
    EXPECT_EQ(device.draws.size(), 1u);
    SpawnSimpleSprite(texture, 200, 100, 0, 0, 2, 1, 2, tone);
    device.ClearRecord();
    DrawAndUpdate(g_overlayList[2]);
    DrawAndUpdate(g_overlayList[2]);
    EXPECT_TRUE(device.draws.empty());
    EXPECT_TRUE(world.sound.IsPlaying(static_cast<int8_t>(tone)));
    SpawnSimpleBG(7, 0, 0);
    CSprite* tile = g_backLayerList[0];
    tile->Update();
    ASSERT_EQ(g_backLayerList.size(), 2u);
    EXPECT_EQ(g_backLayerList[1]->position.y, -639.0f);
    tile->position.y = 479.95f;
    tile->Update();
    EXPECT_EQ(g_backLayerList.size(), 2u);
    EXPECT_EQ(tile->state, STATE_DEAD);
}

}  // namespace
