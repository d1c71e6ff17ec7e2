#include "platform/sdl/SdlWindow.h"

#include "platform/FileChooser.h"

#include <SDL_syswm.h>

namespace {

int DisplayIndexOf(SDL_Window* window)
{
    const int index = window ? SDL_GetWindowDisplayIndex(window) : 0;
    return index < 0 ? 0 : index;
}

// The X window behind an SDL window; 0 under other video drivers.
uint64_t X11WindowOf(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return 0;
    return info.info.x11.window;
}

}  // namespace

SdlWindow::~SdlWindow()
{
    if (window) {
        SetFileChooserOwner(0);
        SDL_DestroyWindow(window);
    }
    if (videoStarted) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

bool SdlWindow::Create(const char* title, int width, int height)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return false;
    videoStarted = true;
    // Joystick input must keep arriving while another window has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The picture is drawn into a framebuffer of its own; the window needs no depth.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
        return false;
    // File choosers stay above the game.
    SetFileChooserOwner(X11WindowOf(window));
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

void SdlWindow::SetIcon(int width, int height, const uint32_t* pixels)
{
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), width, height, 32,
                                                           width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon)
        return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

bool SdlWindow::EnterFullScreen(int width, int height, int refreshRate)
{
    SDL_DisplayMode chosen{};
    bool found = false;
    for (const SDL_DisplayMode& mode : DisplayModes()) {
        if (mode.w != width || mode.h != height)
            continue;
        if (!found || mode.refresh_rate == refreshRate)
            chosen = mode;
        found = true;
    }
    if (found && SDL_SetWindowDisplayMode(window, &chosen) == 0 &&
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0)
        return true;
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void SdlWindow::Show() { SDL_ShowWindow(window); }

bool SdlWindow::PollEvent(WindowEvent* event)
{
    SDL_Event e;
    if (!SDL_PollEvent(&e))
        return false;
    for (const EventListener& listener : listeners)
        listener(e);
    *event = WindowEvent::Other;
    if (e.type == SDL_QUIT)
        *event = WindowEvent::Quit;
    else if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE)
        *event = WindowEvent::Quit;
    else if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F11)
        *event = WindowEvent::Screenshot;
    return true;
}

void SdlWindow::AddEventListener(EventListener listener) { listeners.push_back(std::move(listener)); }

int SdlWindow::DisplayRefreshRate() const
{
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(DisplayIndexOf(window), &mode) != 0)
        return 0;
    return mode.refresh_rate;
}

std::vector<SDL_DisplayMode> SdlWindow::DisplayModes() const
{
    std::vector<SDL_DisplayMode> modes;
    const int display = DisplayIndexOf(window);
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) == 0)
            modes.push_back(mode);
    }
    return modes;
}

bool SdlWindow::DesktopMode(SDL_DisplayMode* mode) const
{
    return SDL_GetDesktopDisplayMode(DisplayIndexOf(window), mode) == 0;
}
