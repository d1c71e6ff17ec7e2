#include "platform/sdl/SdlMessageBox.h"

#include "platform/System.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace {

bool HasDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (driver)
        return !IsHeadlessVideoDriver(driver);
    // Before the video starts, or when it could not: only a desktop the
    // environment names can show a box (SDL would otherwise try other
    // programs, which only add their own complaints).
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

void ShowSdlMessageBox(const char* text, const char* caption)
{
    if (HasDisplay())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, nullptr);
}

}  // namespace

bool IsHeadlessVideoDriver(const char* driver)
{
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

void InstallSdlMessageBox() { SetMessageBoxHandler(ShowSdlMessageBox); }
