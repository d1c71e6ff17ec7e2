#include "platform/sdl/SdlMessageBox.h"

#include "platform/System.h"

#include <SDL.h>

#include <cstring>

namespace {

bool HasDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !driver || !IsHeadlessVideoDriver(driver);
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
