#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "game/Replay.h"
#include "platform/System.h"
#include "tests/common/GameState.h"
#include "tests/game/ProgramRun.h"

#include <cstring>
#include <filesystem>
#include <tuple>

namespace {

using Frames = std::vector<InputState>;
using S = InputState;

// Targets for the weapons: the stage's own enemies come with its script.
void SpawnTargets()
{
    const float places[][2] = {{0.0f, 2.5f}, {-1.5f, 3.0f}, {1.5f, 3.5f}, {0.5f, -0.5f}};
    for (const auto& place : places) {
        CEnemy* enemy = new CEnemy();
        enemy->SetPosition(place[0], place[1], 0.0f);
        enemy->hitRadius = 0.4f;
        enemy->hp = enemy->maxHp = 60;
        enemy->score = 300;
        g_enemyList.push_back(enemy);
    }
}

// The stage 0 intro, in which the ship flies in under locked controls.
constexpr int kIntroFrames = 481;

// A play of stage 0 that uses every control once the intro is over; the
// weapons wait out their reload first.
Frames Play()
{
    const InputState rest;
    return Frames{Held({&S::start})} + Repeat(rest, kIntroFrames + 60) + Repeat(Held({&S::shot}, 0.0f, 1.0f), 20) +
           Repeat(Held({&S::shot}, 1.0f, 0.0f), 25) + Repeat(rest, 2) + Repeat(Held({&S::leftroll}), 15) +
           Repeat(Held({&S::reload, &S::leftroll}, 0.0f, -1.0f), 5) + Repeat(Held({}, -1.0f, 0.0f), 20) +
           Repeat(Held({&S::ray}), 2) + Repeat(rest, 40) + Repeat(Held({&S::ray}), 2) + Repeat(rest, 5) +
           Repeat(Held({&S::dash}, 0.0f, 1.0f), 3) + Repeat(Held({&S::blade}, 1.0f, 0.0f), 30) + Repeat(rest, 3) +
           Repeat(Held({&S::reload}), 2) + Repeat(Held({&S::reload, &S::shot}), 2) + Repeat(rest, 70) +
           Repeat(Held({&S::dash, &S::shot}), 2) + Repeat(rest, 60) + Repeat(Held({&S::dash, &S::blade}), 2) +
           Repeat(Held({&S::rightroll}, 1.0f, 1.0f), 30) + Repeat(Held({&S::shot}), 60) + Repeat(rest, 20);
}

class ReplayPlaybackTest : public ProgramTest {};

TEST_F(ReplayPlaybackTest, ADemoRepeatsTheRecordedPlayFrameByFrame)
{
    WriteSettings("scorename,recorder\r\nwindowmode,1\r\nvsync,1\r\n");
    const Frames play = Play();
    const int start = 2;                                      // the frame the start button is pressed in
    const int reset = start + static_cast<int>(play.size());  // start and credit together
    // The blade in the title, once the last shots of the play have flown off.
    const int demo = reset + 121;
    const Frames frames = Frames{Held({&S::credit}), InputState()} + play + Frames{Held({&S::start, &S::credit})} +
                          Repeat(InputState(), 120) + Frames{Held({&S::blade})} +
                          Repeat(InputState(), static_cast<int>(play.size()));

    std::vector<std::vector<double>> recorded, replayed;
    std::string replayFile;
    int score = 0;
    size_t framesRecorded = 0;
    RunFrames(frames, [&](int frame) {
        if (frame == start + kIntroFrames + 30 || frame == demo + kIntroFrames + 30)
            SpawnTargets();
        if (frame == reset - 1) {
            score = g_player->score;
            framesRecorded = g_inputRecord->Frames().size();
        }
        if (frame >= start && frame < reset)
            recorded.push_back(GameState());
        if (frame == reset) {
            const std::vector<std::string> files = FilesIn("replay");
            ASSERT_EQ(files.size(), 1u);
            replayFile = files[0];
            MakeFolder(File("demo"));
            std::filesystem::copy_file(replayFile, File("demo/") + GetFileNameWithExt(replayFile));
        }
        if (frame == demo) {
            EXPECT_TRUE(g_replayPlaying);
            EXPECT_STREQ(g_scoreName, "recorder");
        }
        if (frame >= demo && frame < demo + static_cast<int>(play.size()))
            replayed.push_back(GameState());
    });

    // From the first frame of the scene on: in the frame of the start itself
    // the blade still stands where the ship was in the title.
    ASSERT_EQ(replayed.size(), recorded.size());
    for (size_t i = 1; i < recorded.size(); ++i)
        ASSERT_EQ(replayed[i], recorded[i]) << "after frame " << i << " of the play";
    EXPECT_GT(score, 0);

    InputRecord file;
    ASSERT_EQ(file.LoadFile(replayFile), ReplayLoadResult::Loaded);
    // Frozen frames record nothing.
    EXPECT_EQ(std::tuple(file.Header().frames, framesRecorded < play.size(), file.Header().scene,
                         std::string(file.Header().name)),
              std::tuple(static_cast<int>(framesRecorded), true, 0, "recorder"));
    const std::string events = ReadText("log/events.txt");
    const std::string name = GetFileNameWithExt(replayFile);
    for (const std::string& line :
         {std::string(" -> Start.\n"), name + " -> Save Replay File.\n", " -> " + name + " -> Start Replay.\n"})
        EXPECT_NE(events.find(line), std::string::npos) << line;
}

}  // namespace
