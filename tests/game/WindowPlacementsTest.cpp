#include "game/WindowPlacements.h"

#include "tests/game/ProgramRun.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

class FakeDesktop : public DesktopWindows {
public:
    std::vector<TopLevelWindow> windows;
    std::map<uint64_t, WindowPlacement> placements;

    uint64_t Add(const char* title, const char* className = "Terminal", bool visible = true, bool owned = false)
    {
        const uint64_t handle = windows.size() + 100;
        windows.push_back({handle, visible, owned, title, className});
        placements[handle] = {int(handle), 10, 300, 200};
        return handle;
    }
    std::vector<TopLevelWindow> ListTopLevelWindows() override { return windows; }
    bool GetPlacement(uint64_t handle, WindowPlacement* placement) override
    {
        *placement = placements.at(handle);
        return true;
    }
    void SetPlacement(uint64_t handle, const WindowPlacement& placement) override { placements[handle] = placement; }
};

TEST(WindowPlacementsTest, OnlyVisibleUnownedTitledWindowsOtherThanTheDesktopAreRecorded)
{
    FakeDesktop desktop;
    const uint64_t editor = desktop.Add("editor");
    desktop.Add("hidden", "Terminal", false);
    desktop.Add("dialog", "Terminal", true, true);
    desktop.Add("");
    desktop.Add("Program Manager", "Progman");
    const uint64_t spaces = desktop.Add(" ");
    SaveWindowPlacements(&desktop);
    ASSERT_EQ(g_windowPlacementCount, 2);
    EXPECT_EQ(std::tuple(g_windowPlacements[0].handle, g_windowPlacements[1].handle, g_windowPlacements[0].placement.x),
              std::tuple(editor, spaces, int(editor)));
    SaveWindowPlacements(nullptr);  // no desktop
    EXPECT_EQ(g_windowPlacementCount, 0);
    RestoreWindowPlacements(nullptr);
}

TEST(WindowPlacementsTest, RestoreMovesBackWhatStillExistsUpToTheTableSize)
{
    FakeDesktop desktop;
    for (int i = 0; i < 300; ++i)
        desktop.Add("window");
    SaveWindowPlacements(&desktop);
    EXPECT_EQ(g_windowPlacementCount, kWindowPlacementRows);

    for (auto& [handle, placement] : desktop.placements)
        placement = {0, 0, 640, 480};  // the mode change moved them all
    desktop.windows.erase(desktop.windows.begin());  // one closed meanwhile
    RestoreWindowPlacements(&desktop);
    // The first was closed, so not found at restore time; the last lies beyond the table.
    EXPECT_EQ(std::tuple(desktop.placements[101].x, desktop.placements[355].x, desktop.placements[100].x,
                         desktop.placements[356].x),
              std::tuple(101, 355, 0, 0));
}

class ProgramPlacementsTest : public ProgramTest {};

TEST_F(ProgramPlacementsTest, FullScreenPutsTheOtherWindowsBackAfterTheRunAndAWindowLeavesThemAlone)
{
    for (const char* mode : {"1", "0"}) {
        SCOPED_TRACE(mode);
        FakeDesktop desktop;
        const uint64_t editor = desktop.Add("editor");
        host.desktop = &desktop;
        WriteSettings(std::string("scorename,tester\r\nwindowmode,") + mode + "\r\n");
        RunFrames(Repeat(InputState(), 2), [&](int) { desktop.placements[editor] = {0, 0, 640, 480}; });
        EXPECT_EQ(desktop.placements[editor].x, std::string(mode) == "1" ? int(editor) : 0);
    }
}

}  // namespace
