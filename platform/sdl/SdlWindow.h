// The game's one window on SDL2: a 640 × 480 client area that cannot be
// resized, the hidden cursor, full screen on request, and the event pump.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <vector>

enum class WindowEvent {
    Other,       // an event nobody in the main loop acts on (listeners still saw it)
    Quit,        // the window was closed or Esc went down
    Screenshot,  // F11 went down
};

class SdlWindow {
public:
    using EventListener = std::function<void(const SDL_Event&)>;

    SdlWindow() = default;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;
    ~SdlWindow();

    // Starts SDL video and creates the window hidden, with an OpenGL surface.
    // False when either fails.
    bool Create(const char* title, int width, int height);
    // pixels: width × height ARGB values, row 0 at the top.
    void SetIcon(int width, int height, const uint32_t* pixels);
    // A real mode of exactly width × height when the display offers one (at
    // refreshRate when it has that), else the desktop in full screen.
    bool EnterFullScreen(int width, int height, int refreshRate);
    void Show();

    // Takes one waiting event, as a message peek does: false when none waits.
    // Every listener sees the event before it is classified.
    bool PollEvent(WindowEvent* event);
    void AddEventListener(EventListener listener);

    SDL_Window* Handle() const { return window; }
    // The refresh rate of the display the window is on; 0 when unknown.
    int DisplayRefreshRate() const;
    std::vector<SDL_DisplayMode> DisplayModes() const;
    bool DesktopMode(SDL_DisplayMode* mode) const;

private:
    SDL_Window* window = nullptr;
    bool videoStarted = false;
    std::vector<EventListener> listeners;
};
