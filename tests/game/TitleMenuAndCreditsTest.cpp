#include "actors/Player.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "game/Freeze.h"
#include "game/TitleMenu.h"
#include "platform/System.h"
#include "tests/game/ProgramRun.h"

#include <array>
#include <climits>

namespace {

using Frames = std::vector<InputState>;

const InputState kRest;
const InputState kCredit = Held({&InputState::credit});
const InputState kStart = Held({&InputState::start});
const InputState kBoth = Held({&InputState::start, &InputState::credit});
const InputState kUp = Held({}, 0.0f, 1.0f);
const InputState kDown = Held({}, 0.0f, -1.0f);
const InputState kRight = Held({}, 1.0f, 0.0f);
const InputState kLeft = Held({}, -1.0f, 0.0f);

// One press and its release.
Frames Tap(const InputState& state, int times = 1)
{
    Frames frames;
    for (int i = 0; i < times; ++i)
        frames = frames + Frames{state, kRest};
    return frames;
}

// Credits, scene, menu row, automatic reload value, course value, difficulty, start scene, automatic reload.
using Outcome = std::array<int, 8>;

class TitleMenuAndCreditsTest : public ProgramTest {
protected:
    Outcome Play(const char* settings, const Frames& frames)
    {
        WriteSettings(std::string("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n") + settings);
        ResetStartGlobals();
        Outcome seen{};
        RunFrames(frames + Frames{kRest}, [&](int) {
            seen = {g_credits, g_scene, g_titleMenuRow, g_titleMenuValues[kMenuRowAutomaticReload],
                    g_titleMenuValues[kMenuRowCourse], g_globalDifficulty, g_startScene, g_player->automaticReload};
        });
        return seen;
    }
};

TEST_F(TitleMenuAndCreditsTest, CabinetButtonsAndMenuFollowTheTable)
{
    // Start values: automatic reload on (value 1), course 0 (difficulty -1, stage 0).
    const struct {
        const char* name;
        const char* settings;  // beyond the score name and the frame pacing
        Frames frames;
        Outcome expected;
    } cases[] = {
        {"nothing pressed", "", {}, {0, -2, 0, 1, 0, -1, 0, 1}},
        {"a credit", "", Tap(kCredit), {1, -2, 0, 1, 0, -1, 0, 1}},
        {"credits stop at nine", "", Tap(kCredit, 11), {9, -2, 0, 1, 0, -1, 0, 1}},
        {"a held credit counts once", "", Repeat(kCredit, 5), {1, -2, 0, 1, 0, -1, 0, 1}},
        {"start without credit", "", Tap(kStart), {0, -2, 0, 1, 0, -1, 0, 1}},
        {"start spends a credit", "", Tap(kCredit) + Tap(kStart), {0, 0, 0, 1, 0, -1, 0, 1}},
        {"start and credit fresh together in the title are a credit", "", Tap(kBoth), {1, -2, 0, 1, 0, -1, 0, 1}},
        {"even with a credit in", "", Tap(kCredit) + Tap(kBoth), {2, -2, 0, 1, 0, -1, 0, 1}},
        {"start again during a play does nothing", "", Tap(kCredit, 2) + Tap(kStart, 2), {1, 0, 0, 1, 0, -1, 0, 1}},
        {"start and credit return to the title", "", Tap(kCredit) + Tap(kStart) + Repeat(kRest, 5) + Tap(kBoth),
         {0, -2, 0, 1, 0, -1, 0, 1}},
        {"up lowers automatic reload", "", Tap(kUp), {0, -2, 0, 0, 0, -1, 0, 0}},
        {"down stops at its largest value", "", Tap(kUp) + Tap(kDown, 3), {0, -2, 0, 1, 0, -1, 0, 1}},
        {"a held stick moves once", "", Repeat(kUp, 4) + Repeat(kDown, 4), {0, -2, 0, 0, 0, -1, 0, 0}},
        {"right picks the course row", "", Tap(kRight), {0, -2, 1, 1, 0, -1, 0, 1}},
        {"course 1 is the easier stage 0", "", Tap(kRight) + Tap(kDown), {0, -2, 1, 1, 1, 0, 0, 1}},
        {"course 3 is section 11", "", Tap(kRight) + Tap(kDown, 3), {0, -2, 1, 1, 3, -1, 11, 1}},
        {"course 7 is section 18", "", Tap(kRight) + Tap(kDown, 7), {0, -2, 1, 1, 7, -1, 18, 1}},
        {"course stops at 10", "", Tap(kRight) + Tap(kDown, 14), {0, -2, 1, 1, 10, -1, 17, 1}},
        {"up steps the course back one", "", Tap(kRight) + Tap(kDown, 3) + Tap(kUp), {0, -2, 1, 1, 2, -1, 10, 1}},
        {"course stops at 0", "", Tap(kRight) + Tap(kDown) + Tap(kUp, 3), {0, -2, 1, 1, 0, -1, 0, 1}},
        {"left goes back to the first row", "", Tap(kRight) + Tap(kLeft) + Tap(kUp), {0, -2, 0, 0, 0, -1, 0, 0}},
        {"a diagonal steps the old row, then picks the new one", "", Tap(Held({}, 1.0f, 1.0f)),
         {0, -2, 1, 0, 0, -1, 0, 0}},
        {"the chosen course starts", "", Tap(kRight) + Tap(kDown, 2) + Tap(kCredit) + Tap(kStart),
         {0, 10, 1, 1, 2, -1, 10, 1}},
        {"settings give the start values", "globaldifficulty,0\r\nautomaticreload,0\r\n", {},
         {0, -2, 0, 0, 1, 0, 0, 0}},
        {"a stored difficulty of 5 is course 6", "globaldifficulty,5\r\n", {}, {0, -2, 0, 1, 6, -1, 14, 1}},
        {"a course beyond the table changes nothing", "globaldifficulty,20\r\n", {}, {0, -2, 0, 1, 21, 20, 0, 1}},
        {"the largest stored difficulty stays beyond the table", "globaldifficulty,2147483647\r\n", {},
         {0, -2, 0, 1, INT_MAX, INT_MAX, 0, 1}},
        {"a step down from the largest ends at course 10", "globaldifficulty,2147483647\r\n", Tap(kRight) + Tap(kDown),
         {0, -2, 1, 1, 10, -1, 17, 1}},
        {"a step up from the smallest ends at course 0", "globaldifficulty,-2147483648\r\n", Tap(kRight) + Tap(kUp),
         {0, -2, 1, 1, 0, -1, 0, 1}},
        {"the blade with no demo folder stays in the title", "", Tap(Held({&InputState::blade})),
         {0, -2, 0, 1, 0, -1, 0, 1}},
    };
    for (const auto& [name, settings, frames, expected] : cases)
        EXPECT_EQ(Play(settings, frames), expected) << name;
}

TEST_F(TitleMenuAndCreditsTest, FrozenFramesSkipTheCabinetAndAreNotCounted)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    int framesCounted = -1;
    int credits = -1;
    RunFrames(Frames{kRest, kCredit, kRest, kRest, kRest}, [&](int frame) {
        // Frames 1 to 3 draw frozen; the loop sees the freeze still running
        // after frames 1 and 2 only.
        if (frame == 0)
            SetFreeze(3, nullptr);
        if (frame == 3) {
            framesCounted = g_frameCounter->framesThisSecond;
            credits = g_credits;
        }
    });
    EXPECT_EQ(credits, 0);  // the credit pressed in a frozen frame is lost
    EXPECT_EQ(framesCounted, 2);
}

TEST_F(TitleMenuAndCreditsTest, ACreditHeldAcrossAFreezeDuringAPlaybackCountsOnceAfterIt)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    MakeFolder(File("demo"));
    InputRecord demo;
    demo.SaveFile(File("demo/a.dat"), 0, "demo", 0, 0, 0, 0, 0);
    int credits = -1;
    RunFrames(Frames{kRest, Held({&InputState::blade}), kRest} + Repeat(kCredit, 5), [&](int frame) {
        if (frame == 2)
            SetFreeze(4, nullptr);
        credits = g_replayPlaying ? g_credits : -1;
    });
    // During a playback the frozen frames move nothing to the previous state,
    // so the press made while frozen is fresh in the first frame after.
    EXPECT_EQ(credits, 1);
}

TEST_F(TitleMenuAndCreditsTest, APlayIsRecordedFrameByFrameWithItsWholeSecondsOfPlay)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    RunFrames(Tap(kCredit) + Frames{kStart} + Repeat(kRight, 9) + Frames{kBoth}, [&](int frame) {
        if (frame == 5)
            host.clock += 61'500;
    });
    const std::vector<std::string> replays = FilesIn("replay");
    ASSERT_EQ(replays.size(), 1u);
    InputRecord record;
    ASSERT_NE(record.LoadFile(replays[0]), ReplayLoadResult::Unusable);
    EXPECT_EQ(record.Frames().size(), 10u);  // the start frame itself is the first
    EXPECT_EQ(record.Header().playTime, 61 * 60);
    EXPECT_NE(ReadText("log/events.txt").find(" -> Start.\n"), std::string::npos);
}

}  // namespace
