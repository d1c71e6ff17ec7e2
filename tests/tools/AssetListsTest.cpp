// The master asset lists on the null devices: the slots each handle gets and
// the log lines. How long the loading takes is a benchmark's (bench/).
#include "assets/EmbeddedAssets.h"
#include "engine/AssetLists.h"
#include "engine/FileUtil.h"
#include "engine/GraphicsSystem.h"
#include "engine/SoundSystem.h"
#include "platform/NullAudioDevice.h"
#include "platform/NullGraphicsDevice.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Start-up as the program entry runs it: the master textures, the loading
// picture, the remaining lists, then the loading picture released.
class AssetLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearResources();
        RegisterEmbeddedAssets();
        ASSERT_TRUE(graphics.Init(&device, 640, 480, false, false));
        g_graphics = &graphics;
        g_sound = &sound;
        AppendLog("log\\d3d9.txt", "");
        LoadMasterTextures();
        g_graphics->LoadTextureResource(&loading, "#342");
        loadingSlot = loading;
        LoadMoreTextures();
        LoadMasterSounds();
        LoadMasterModels();
        g_graphics->ReleaseTexture(&loading);
    }
    void TearDown() override
    {
        g_graphics = nullptr;
        g_sound = nullptr;
        ClearResources();
    }

    NullGraphicsDevice device;
    GraphicsSystem graphics;
    SoundSystem sound{std::make_unique<NullAudioDevice>()};
    int loading = -1;
    int loadingSlot = -1;
};

} // namespace

TEST_F(AssetLists, HandlesTakeTheirSlotsInListOrder)
{
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(g_texDigits[i], i);
        EXPECT_EQ(g_texBigDigits[i], 10 + i);
    }
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(g_texExplosion[i], 20 + i);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(g_texResultLabels[i], 73 + i);
    const std::pair<int, int> slots[] = {
        {g_texHud101, 36}, {g_texHud231, 72}, {g_texIconSmall, 82}, {loadingSlot, 83}, {g_texSkybox2[0], 84},
        {g_texMuzzleFlash, 99}, {loading, -1},
        {g_seEnemyExplode, 0}, {g_seWarningTone, 47}, {g_seWarningTone2, 48}, // the same resource a second time
        {g_seScoreItem, 55}, {g_bgmTitle, 56}, {g_modelPlayer, 0}, {g_model121, 7}, {g_modelSection, 9}};
    for (size_t i = 0; i < std::size(slots); ++i)
        EXPECT_EQ(slots[i].first, slots[i].second) << "row " << i;
}

TEST_F(AssetLists, LogsEachList)
{
    std::vector<unsigned char> log;
    ASSERT_TRUE(ReadWholeFile(ProgramFilePath("log\\d3d9.txt"), &log));
    EXPECT_EQ(std::string(log.begin(), log.end()),
              "Load Master Texture Binaries.\n -> Finished.\n"
              "Load Master Sound Binaries.\n -> Finished.\n"
              "Load Master Model Binaries.\n -> Finished.\n");
}
