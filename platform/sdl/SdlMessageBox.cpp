#include "platform/sdl/SdlMessageBox.h"

#include "platform/System.h"

#include <SDL.h>

#include <cstring>

namespace {

bool IsSet(const char* variable)
{
    const char* value = SDL_getenv(variable);
    return value && value[0] != '\0';
}

// Without a display SDL would hand the message to zenity, which has none either.
bool HasDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return driver ? !IsHeadlessVideoDriver(driver) : IsDisplayNamed();
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

bool IsDisplayNamed() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"); }

void InstallSdlMessageBox() { SetMessageBoxHandler(ShowSdlMessageBox); }
