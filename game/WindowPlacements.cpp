#include "game/WindowPlacements.h"

std::array<WindowPlacementRow, kWindowPlacementRows> g_windowPlacements;
int g_windowPlacementCount = 0;

namespace {

bool IsRecorded(const TopLevelWindow& window)
{
    return window.visible && !window.owned && !window.title.empty() && window.className != "Progman";
}

void RecordWindowPlacement(DesktopWindows* desktop, const TopLevelWindow& window)
{
    if (!IsRecorded(window) || g_windowPlacementCount >= kWindowPlacementRows)
        return;
    WindowPlacementRow& row = g_windowPlacements[g_windowPlacementCount];
    row.handle = window.handle;
    row.placement = WindowPlacement();
    desktop->GetPlacement(window.handle, &row.placement);
    g_windowPlacementCount += 1;
}

void RestoreWindowPlacement(DesktopWindows* desktop, const TopLevelWindow& window)
{
    for (int i = 0; i < g_windowPlacementCount; ++i) {
        if (g_windowPlacements[i].handle == window.handle) {
            desktop->SetPlacement(window.handle, g_windowPlacements[i].placement);
            return;
        }
    }
}

}  // namespace

void SaveWindowPlacements(DesktopWindows* desktop)
{
    g_windowPlacementCount = 0;
    if (!desktop)
        return;
    for (const TopLevelWindow& window : desktop->ListTopLevelWindows())
        RecordWindowPlacement(desktop, window);
}

void RestoreWindowPlacements(DesktopWindows* desktop)
{
    if (!desktop)
        return;
    for (const TopLevelWindow& window : desktop->ListTopLevelWindows())
        RestoreWindowPlacement(desktop, window);
}
