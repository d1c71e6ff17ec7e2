// The placements of the other programs' windows, saved before a full-screen
// run and put back after it, since the mode change can move them.
#pragma once

#include "platform/DesktopWindows.h"

#include <array>
#include <cstdint>

struct WindowPlacementRow {
    uint64_t handle = 0;
    WindowPlacement placement;
};

constexpr int kWindowPlacementRows = 256;

extern std::array<WindowPlacementRow, kWindowPlacementRows> g_windowPlacements;
extern int g_windowPlacementCount;

// Records every visible, unowned, titled window (not the desktop itself) up
// to the size of the table. Nothing without a desktop.
void SaveWindowPlacements(DesktopWindows* desktop);
// Puts every recorded window that still exists back where it was.
void RestoreWindowPlacements(DesktopWindows* desktop);
