#include "actors/Player.h"
#include "engine/GraphicsSystem.h"
#include "engine/InputControler.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "game/Freeze.h"
#include "game/MainLoop.h"
#include "game/Replay.h"
#include "game/UniqueFilePath.h"
#include "platform/System.h"
#include "tests/game/ProgramRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <future>
#include <sstream>
#include <tuple>

namespace {

using Frames = std::vector<InputState>;
using S = InputState;

std::string g_boxText;

void CaptureBox(const char* text, const char*) { g_boxText = text; }

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// True when every wanted line appears in lines, in this order.
bool InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted)
{
    auto at = lines.begin();
    for (const std::string& line : wanted) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end())
            return false;
        ++at;
    }
    return true;
}

class ProgramEntryTest : public ProgramTest {
protected:
    // A demo of one frame of scene 0 with its own name, difficulty 0 and automatic reload off.
    static void WriteDemo(const std::string& name, const std::vector<unsigned char>* replace = nullptr)
    {
        MakeFolder(File("demo"));
        const std::string path = File("demo/") + name;
        if (replace) {
            WriteFileBytes(path, replace->data(), replace->size());
            return;
        }
        InputRecord record;
        InputState state;
        record.Append(&state);
        record.SaveFile(path, 0, "demoname", 10, 1, 0, 0, 60);
    }
};

TEST_F(ProgramEntryTest, StartUpAndShutDownLogEveryStepInOrder)
{
    WriteSettings("scorename,tester\r\nwindowmode,0\r\n");
    MakeFolder(File("log"));
    AppendLog("log\\d3d9.txt", "a line of an earlier run\n");

    EXPECT_EQ(RunFrames(Repeat(InputState(), 3)), 0);

    const std::vector<std::string> log = Lines(ReadText("log/d3d9.txt"));
    EXPECT_EQ(std::count(log.begin(), log.end(), "a line of an earlier run"), 0);
    EXPECT_TRUE(InOrder(log, {"Create DirectInput8 Object.", " -> Finished.", "Create Keyboard Device.",
                              "Create Direct3D9 Object.", "Initialize Direct3D9 Device (Primary).", " -> Finished.",
                              "Initialize Render States.", "Load Master Texture Binaries.", " -> Finished.",
                              "Load Master Sound Binaries.", " -> Finished.", "Load Master Model Binaries.",
                              " -> Finished.", "Release KeyBoard Device.", "Release Sound Device.", "Release Mesh.",
                              "Release Direct3D9 Device."}))
        << ReadText("log/d3d9.txt");
    EXPECT_EQ(std::tuple(host.windowTitle, host.windowShown, host.windowHidden, g_player, g_graphics,
                         g_systemSpriteList.size()),
              std::tuple("ORB-VOSTRELLE Z #501b", true, true, nullptr, nullptr, 0u));
    // The two values in force are stored; the file keeps what it had.
    for (const char* line : {"scorename,tester", "windowmode,0", "globaldifficulty,-1", "automaticreload,1"})
        EXPECT_NE(ReadText("vostrelle.ini").find(line + std::string("\r\n")), std::string::npos) << line;
}

TEST_F(ProgramEntryTest, WithoutAScoreNameTheGameSaysSoAndDoesNotStart)
{
    const struct {
        const char* settings;
        bool starts;
    } cases[] = {{nullptr, false},
                 {"windowmode,0\r\n", false},
                 {"scorename,\r\nwindowmode,0\r\n", false},
                 {"scorename,VOSTRELLE\r\nwindowmode,0\r\n", false},
                 {"scorename,   \r\nwindowmode,0\r\n", true},
                 {"scorename,vostrelle\r\nwindowmode,0\r\n", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings ? c.settings : "no settings file");
        std::remove(File("vostrelle.ini").c_str());
        if (c.settings)
            WriteSettings(c.settings);
        host.windowTitle.clear();
        g_boxText.clear();
        SetMessageBoxHandler(CaptureBox);
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunFrames({}), 0);
        const std::string errors = testing::internal::GetCapturedStderr();
        SetMessageBoxHandler(nullptr);
        EXPECT_EQ(!host.windowTitle.empty(), c.starts);
        if (c.starts)
            continue;
        // The box and the terminal say the same: what to add, and where.
        EXPECT_EQ(errors, g_boxText + "\n");
        EXPECT_NE(g_boxText.find("score name must be set"), std::string::npos);
        EXPECT_NE(g_boxText.find("\"scorename,YOURNAME\" to " + File("vostrelle.ini")), std::string::npos);
        EXPECT_EQ(g_boxText.find(".exe"), std::string::npos);
    }
    EXPECT_FALSE(FileExists(File("vostrelle.ini.tmp")));
}

TEST_F(ProgramEntryTest, StartUpFailuresEndTheRunWithTheirMessageAndLeaveTheSettingsAlone)
{
    const std::string settings = "scorename,tester\r\nwindowmode,0\r\n";
    const struct {
        const char* name;
        bool ScriptedHost::*broken;
        int exitCode;
        const char* message;
    } cases[] = {{"no display", &ScriptedHost::videoWorks, 1, "No display found"},
                 {"no window", &ScriptedHost::windowWorks, 0, ""},
                 {"no drawing device", &ScriptedHost::graphicsWorks, 0, "Failure to Initializing Direct3D8."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettings(settings);
        ScriptedHost failing;
        failing.*c.broken = false;
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunProgram(failing), c.exitCode);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find(c.message), std::string::npos);
        EXPECT_EQ(errors.empty(), *c.message == '\0');
        EXPECT_EQ(std::tuple(failing.windowShown, ReadText("vostrelle.ini"), g_player, g_systemSpriteList.size()),
                  std::tuple(false, settings, nullptr, 0u));
    }
}

TEST_F(ProgramEntryTest, KeysAndButtonsComeFromTheirSettingsOrTheirDefaults)
{
    using C = CInputControler;
    const struct {
        const char* setting;  // null: fixed
        int C::*field;
        int byDefault;
    } bindings[] = {{nullptr, &C::upKey, 200},          {nullptr, &C::downKey, 0xD0},
                    {nullptr, &C::leftKey, 0xCB},       {nullptr, &C::rightKey, 0xCD},
                    {"shotkey", &C::shotKey, 0x2C},     {"raykey", &C::rayKey, 0x2D},
                    {"bladekey", &C::bladeKey, 0x1E},   {"dashkey", &C::dashKey, 0x2A},
                    {"leftrollkey", &C::leftrollKey, 0x1F}, {"rightrollkey", &C::rightrollKey, 0x20},
                    {"creditkey", &C::creditKey, 4},    {"startkey", &C::startKey, 2},
                    {"reloadkey", &C::reloadKey, 0x1D}, {"shot", &C::shotButton, 0},
                    {"ray", &C::rayButton, 1},          {"dash", &C::dashButton, 7},
                    {"blade", &C::bladeButton, 3},      {"reload", &C::reloadButton, 6},
                    {"leftroll", &C::leftrollButton, 4}, {"rightroll", &C::rightrollButton, 5},
                    {"credit", &C::creditButton, 8},    {"start", &C::startButton, 9}};
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "every setting distinct" : "defaults");
        std::string settings = "scorename,tester\r\nwindowmode,0\r\n";
        for (size_t i = 0; set && i < std::size(bindings); ++i)
            if (bindings[i].setting)
                settings += std::string(bindings[i].setting) + "," + std::to_string(100 + i) + "\r\n";
        WriteSettings(settings);
        std::vector<int> seen;
        RunFrames({InputState()}, [&](int) {
            for (const auto& b : bindings)
                seen.push_back(g_input->*b.field);
        });
        ASSERT_EQ(seen.size(), std::size(bindings));
        for (size_t i = 0; i < std::size(bindings); ++i) {
            SCOPED_TRACE(bindings[i].setting ? bindings[i].setting : "arrow");
            EXPECT_EQ(seen[i], set && bindings[i].setting ? static_cast<int>(100 + i) : bindings[i].byDefault);
        }
    }
}

TEST_F(ProgramEntryTest, TheMenusChoicesAreStoredAtShutdown)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    const InputState rest;
    RunFrames(Frames{Held({}, 0.0f, 1.0f), rest, Held({}, 1.0f, 0.0f), rest, Held({}, 0.0f, -1.0f), rest});
    const std::string settings = ReadText("vostrelle.ini");
    EXPECT_NE(settings.find("globaldifficulty,0\r\n"), std::string::npos);
    EXPECT_NE(settings.find("automaticreload,0\r\n"), std::string::npos);
}

TEST_F(ProgramEntryTest, ADemoPlaysUnderItsOwnNameAndSettingsAndGivesThePlayersBack)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\nglobaldifficulty,-1\r\nautomaticreload,1\r\n");
    WriteDemo("b.dat");
    WriteDemo("a.dat");  // the first by name plays
    const InputState rest;
    std::string nameDuring, nameAfter;
    int difficultyDuring = 99;
    bool playingAfter = true;
    RunFrames(Frames{rest, Held({&S::blade}), rest, Held({&S::start, &S::credit}), rest}, [&](int frame) {
        if (frame == 1) {
            nameDuring = g_scoreName;
            difficultyDuring = g_globalDifficulty;
            EXPECT_EQ(g_scene, 0);
            EXPECT_TRUE(g_replayPlaying);
            EXPECT_FALSE(g_player->automaticReload);
        }
        if (frame == 4) {
            nameAfter = g_scoreName;
            playingAfter = g_replayPlaying;
            EXPECT_EQ(g_scene, -2);
        }
    });
    EXPECT_EQ(std::tuple(nameDuring, difficultyDuring, nameAfter, playingAfter),
              std::tuple("demoname", 0, "tester", false));
    EXPECT_TRUE(FilesIn("replay").empty());  // a playback is never saved
    EXPECT_NE(ReadText("log/events.txt").find(" -> a.dat -> Start Replay.\n"), std::string::npos);
}

TEST_F(ProgramEntryTest, QuittingDuringADemoKeepsThePlayersSettings)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\nglobaldifficulty,-1\r\nautomaticreload,1\r\n");
    WriteDemo("a.dat");
    RunFrames(Frames{InputState(), Held({&S::blade}), InputState()});
    const std::string settings = ReadText("vostrelle.ini");
    EXPECT_NE(settings.find("globaldifficulty,-1"), std::string::npos) << settings;
    EXPECT_NE(settings.find("automaticreload,1"), std::string::npos) << settings;
}

TEST_F(ProgramEntryTest, FilesInDemoThatAreNoReplaysLeaveTheTitleUnchanged)
{
    WriteDemo("good.dat");
    std::vector<unsigned char> good;
    ReadWholeFile(File("demo/good.dat"), &good);
    std::remove(File("demo/good.dat").c_str());
    auto with = [&](size_t at, unsigned char value) {
        std::vector<unsigned char> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const std::pair<const char*, std::vector<unsigned char>> files[] = {
        {"short.dat", {good.begin(), good.begin() + 40}}, {"huge.dat", with(83, 0x7F)}, {"scene5.dat", with(56, 5)},
        {"empty.ini", {}}};
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\nglobaldifficulty,0\r\n");
        WriteDemo(name, &bytes);
        int scene = 0, difficulty = 0, demoScore = 0;
        bool playing = true;
        testing::internal::CaptureStderr();
        RunFrames(Frames{InputState(), Held({&S::blade})}, [&](int) {
            scene = g_scene;
            playing = g_replayPlaying;
            difficulty = g_globalDifficulty;
            demoScore = g_inputRecord->Header().score;
        });
        const std::string errors = testing::internal::GetCapturedStderr();
        // The recorder did not take the file's header.
        EXPECT_EQ(std::tuple(scene, playing, difficulty, demoScore != 10), std::tuple(-2, false, 0, true));
        EXPECT_EQ(Lines(errors), std::vector<std::string>{"vostrelle: cannot play the demo " + File("demo/") + name +
                                                          ": not a replay of this game"});
        std::remove(File(std::string("demo/") + name).c_str());
    }
    EXPECT_EQ(ReadText("log/events.txt").find("Start Replay"), std::string::npos);
    EXPECT_NE(ReadText("log/events.txt").find(" -> cannot play the demo "), std::string::npos);
}

TEST_F(ProgramEntryTest, SettingsThatCannotBeReadAndAFolderThatCannotBeWrittenAreSaidInOneLine)
{
    const struct {
        const char* name;
        const char* inTheWay;  // a folder where a file belongs, or files where folders belong
        const char* line;
        bool starts;
    } cases[] = {
        {"unreadable settings", "mkdir vostrelle.ini", "vostrelle: cannot read the settings file ", false},
        {"unwritable folder", "touch log replay snapshot", "vostrelle: the program folder ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string clear = "cd '" + GetProgramFolder() + "' && rm -rf vostrelle.ini log replay snapshot && ";
        ASSERT_EQ(std::system((clear + c.inTheWay).c_str()), 0);
        if (c.starts)
            WriteSettings("scorename,tester\r\nwindowmode,1\r\n");
        host.windowTitle.clear();
        host.onPoll = [](int poll) { return poll < 1 ? HostEvent::Screenshot : HostEvent::Quit; };
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunProgram(host), 0);
        const std::vector<std::string> lines = Lines(testing::internal::GetCapturedStderr());
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind(c.line, 0), 0u) << lines[0];
        EXPECT_EQ(lines.size(), c.starts ? 2u : 1u);  // and the screenshot that could not be kept
        EXPECT_EQ(!host.windowTitle.empty(), c.starts);
        EXPECT_EQ(ReadText("log/events.txt").find(lines[0].substr(11)) != std::string::npos, !c.starts);
    }
}

TEST_F(ProgramEntryTest, ADemoThatFailsItsChecksumStillPlaysItsSceneWithoutInput)
{
    WriteDemo("a.dat");
    std::vector<unsigned char> bytes;
    ReadWholeFile(File("demo/a.dat"), &bytes);
    bytes[60] ^= 1;  // the score
    WriteDemo("a.dat", &bytes);
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    bool playing = false;
    size_t frames = 99;
    RunFrames(Frames{InputState(), Held({&S::blade})}, [&](int) {
        playing = g_replayPlaying && g_scene == 0;
        frames = g_inputRecord->Frames().size();
    });
    EXPECT_EQ(std::tuple(playing, frames), std::tuple(true, 0u));
}

TEST_F(ProgramEntryTest, NamesThatClashCountUpFromTwo)
{
    const std::string folder = File("clash/");
    std::system(("rm -rf '" + folder + "'").c_str());
    ASSERT_TRUE(MakeFolder(folder));
    for (const char* name : {"a.bmp", "a_2.bmp", "a_3.bmp", "a_4.bmp"}) {
        EXPECT_EQ(UniqueFilePath(folder, "a", ".bmp"), folder + name);
        ASSERT_TRUE(WriteFileBytes(folder + name, "", 0));
    }
}

TEST_F(ProgramEntryTest, ScreenshotsAreKeptSideBySide)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    host.vsync = true;
    host.onPoll = [](int poll) { return poll < 2 ? HostEvent::Screenshot : HostEvent::Quit; };
    RunProgram(host);
    const std::vector<std::string> shots = FilesIn("snapshot");
    ASSERT_EQ(shots.size(), 2u);
    for (const std::string& shot : shots) {
        std::vector<unsigned char> bmp;
        ReadWholeFile(shot, &bmp);
        EXPECT_EQ(bmp.size(), 54u + 640 * 480 * 3);
        EXPECT_EQ(shot.substr(shot.size() - 4), ".bmp");
    }
}

TEST_F(ProgramEntryTest, TheIdleTitleSleepsBetweenFramesAtSixtyAndNoMore)
{
    WriteSettings("scorename,tester\r\nwindowmode,0\r\nvsync,1\r\n");  // vsync only counts in full screen
    int framesLastSecond = 0;
    int sceneFrame = 0;
    host.onPoll = [&](int) {
        if (host.clock < 3000)
            return HostEvent::None;
        framesLastSecond = g_frameCounter->framesLastSecond;
        sceneFrame = g_sceneFrame;
        return HostEvent::Quit;
    };
    RunProgram(host);
    EXPECT_TRUE(framesLastSecond == 60 || framesLastSecond == 61) << framesLastSecond;
    EXPECT_NEAR(sceneFrame, 3000 / 16.5, 2.0);
    EXPECT_GT(host.slept, 3000 * 8 / 10);
}

// With vsync every turn runs a frame: a freeze running across the one-second
// mark holds the latch back until its last frozen turn has passed.
TEST_F(ProgramEntryTest, FrozenTurnsLeaveTheFrameRateUnlatched)
{
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    host.vsync = true;
    int64_t thawed = 0;  // the turn whose frame ends the freeze: frozen when it begins
    int mark = 0, latched = 0;
    host.onPoll = [&](int poll) {
        if (poll == 950)
            SetFreeze(100, nullptr);
        if (IsFrozen())
            thawed = host.clock;
        mark = g_frameCounter->nextSecondMark;
        latched = g_frameCounter->framesLastSecond;
        return poll == 1100 ? HostEvent::Quit : HostEvent::None;
    };
    RunProgram(host);
    EXPECT_EQ(mark, thawed + 1000);
    EXPECT_GT(latched, 900);
}

TEST(FramePacingTest, FramesAreDueEverySixteenOrSeventeenMillisecondsFromWhenTheyRan)
{
    CFrameCounter counter;
    g_frameCounter = &counter;
    g_frameIntervalToggle = 0;
    EXPECT_TRUE(TakeDueFrame(0, false));
    EXPECT_EQ(counter.nextFrameDue, 16);
    EXPECT_FALSE(TakeDueFrame(15, false));
    EXPECT_EQ(IdleMilliseconds(5), 10);  // wakes a millisecond early
    EXPECT_EQ(IdleMilliseconds(15), 0);
    EXPECT_TRUE(TakeDueFrame(16, false));
    EXPECT_EQ(counter.nextFrameDue, 33);
    EXPECT_TRUE(TakeDueFrame(133, false));  // a hundred milliseconds late: one frame, no catching up
    EXPECT_EQ(counter.nextFrameDue, 149);
    EXPECT_FALSE(TakeDueFrame(134, false));
    EXPECT_TRUE(TakeDueFrame(134, true));  // with vsync every turn runs one

    counter.nextSecondMark = 1000;
    counter.framesThisSecond = 58;
    LatchFrameRate(999);
    EXPECT_EQ(counter.framesLastSecond, 0);
    LatchFrameRate(1003);
    EXPECT_EQ(std::tuple(counter.framesLastSecond, counter.framesThisSecond, counter.nextSecondMark),
              std::tuple(58, 0, 2003));
    g_frameCounter = nullptr;
}

TEST_F(ProgramEntryTest, SettingsFromAPipeAreUnreadableAtOnceAndThePipeStays)
{
    const std::string path = File("vostrelle.ini");
    ASSERT_EQ(std::system(("rm -rf '" + path + "'").c_str()), 0);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    testing::internal::CaptureStderr();
    std::future<int> run = std::async(std::launch::async, [this] { return RunProgram(host); });
    const bool prompt = run.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!prompt)  // a writer that comes and goes lets a reader blocked in its opening go on
        close(open(path.c_str(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(prompt);
    EXPECT_EQ(run.get(), 0);
    EXPECT_EQ(Lines(testing::internal::GetCapturedStderr()),
              std::vector<std::string>{"vostrelle: cannot read the settings file " + path});
    struct stat info;
    EXPECT_TRUE(stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
    std::remove(path.c_str());
}

}  // namespace
