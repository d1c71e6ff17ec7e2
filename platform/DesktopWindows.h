// The other programs' top-level windows on the desktop, so that their
// placements can be put back after a full-screen mode change moved them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WindowPlacement {
    int x = 0, y = 0;
    int width = 0, height = 0;
};

struct TopLevelWindow {
    uint64_t handle = 0;
    bool visible = false;
    bool owned = false;  // a dialog or tool window of another window
    std::string title;
    std::string className;
};

class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;
    virtual std::vector<TopLevelWindow> ListTopLevelWindows() = 0;
    virtual bool GetPlacement(uint64_t handle, WindowPlacement* placement) = 0;
    virtual void SetPlacement(uint64_t handle, const WindowPlacement& placement) = 0;
};
