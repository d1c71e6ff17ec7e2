// What the program entry needs of the system around the game: the window and
// its events, the drawing, sound and input devices behind it, the clock and
// the desktop's other windows. The SDL backend lives in platform/sdl; tests
// run the program on one of their own.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/DesktopWindows.h"
#include "platform/GraphicsDevice.h"
#include "platform/InputDevice.h"

#include <cstdint>
#include <memory>

enum class HostEvent {
    None,        // no event waits
    Quit,        // the window was closed or Esc went down
    Screenshot,  // F11 went down
    Other,       // anything else, already handled or ignored
};

class ProgramHost {
public:
    virtual ~ProgramHost() = default;

    // The other top-level windows; null where they cannot be reached.
    virtual DesktopWindows* Desktop() = 0;
    // Starts the window system; false when there is none to start.
    virtual bool StartVideo() = 0;
    // Creates the window, still hidden, with a client area of width × height
    // and the mouse cursor hidden over it. False when it cannot be created.
    virtual bool CreateWindow(const char* title, int width, int height) = 0;
    // pixels: width × height ARGB values, row 0 at the top.
    virtual void SetIcon(int width, int height, const uint32_t* pixels) = 0;
    virtual void ShowWindow() = 0;
    // Leaves full screen, giving the desktop its own mode back, and hides the window.
    virtual void HideWindow() = 0;
    // The drawing device of the window, owned by the host.
    virtual GraphicsDevice* Graphics() = 0;
    // True when presenting a frame waits for the display's retrace.
    virtual bool VsyncActive() const = 0;
    // Null when there is no sound output.
    virtual std::unique_ptr<AudioDevice> OpenAudio() = 0;
    virtual std::unique_ptr<InputDevice> OpenInput() = 0;

    // Takes one waiting event, without waiting.
    virtual HostEvent PollEvent() = 0;
    // Milliseconds of a monotonic clock.
    virtual int64_t Milliseconds() = 0;
    virtual void Sleep(int milliseconds) = 0;
};
