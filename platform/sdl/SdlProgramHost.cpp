#include "platform/sdl/SdlProgramHost.h"

#include "platform/System.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/X11DesktopWindows.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {

class ForwardingInput : public InputDevice {
public:
    explicit ForwardingInput(SdlInput& target) : target(target) {}
    bool HasKeyboard() const override { return target.HasKeyboard(); }
    bool HasController() const override { return target.HasController(); }
    bool ReadKeyboard(KeyboardState* keys) override { return target.ReadKeyboard(keys); }
    bool ReadController(ControllerState* state) override { return target.ReadController(state); }

private:
    SdlInput& target;
};

}  // namespace

SdlProgramHost::SdlProgramHost() : desktop(OpenX11DesktopWindows()) { InstallSdlMessageBox(); }

// The window holds a reference of its own to the video subsystem, so it is
// still there when the members go after this.
SdlProgramHost::~SdlProgramHost()
{
    if (videoStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// Without a display SDL would try every driver, with noise from their
// libraries, and fall back on one without a screen; the game takes one only
// when SDL_VIDEODRIVER asks for it, never silently.
bool SdlProgramHost::StartVideo()
{
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (!asked && !IsDisplayNamed())
        return false;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && IsHeadlessVideoDriver(driver) && !(asked && std::strstr(asked, driver))) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    videoStarted = true;
    return true;
}

bool SdlProgramHost::CreateWindow(const char* title, int width, int height)
{
    if (!window.Create(title, width, height))
        return false;
    input = std::make_unique<SdlInput>();
    window.AddEventListener([this](const SDL_Event& event) { input->HandleEvent(event); });
    return true;
}

void SdlProgramHost::SetIcon(int width, int height, const uint32_t* pixels) { window.SetIcon(width, height, pixels); }

void SdlProgramHost::HideWindow()
{
    if (!window.Handle())
        return;
    SDL_SetWindowFullscreen(window.Handle(), 0);
    SDL_HideWindow(window.Handle());
}

std::unique_ptr<AudioDevice> SdlProgramHost::OpenAudio() { return SdlAudioDevice::Open(); }

std::unique_ptr<InputDevice> SdlProgramHost::OpenInput()
{
    if (!input)
        return nullptr;
    return std::make_unique<ForwardingInput>(*input);
}

HostEvent SdlProgramHost::PollEvent()
{
    WindowEvent event;
    if (!window.PollEvent(&event))
        return HostEvent::None;
    switch (event) {
    case WindowEvent::Quit:
        return HostEvent::Quit;
    case WindowEvent::Screenshot:
        return HostEvent::Screenshot;
    default:
        return HostEvent::Other;
    }
}

int64_t SdlProgramHost::Milliseconds() { return MonotonicMilliseconds(); }

void SdlProgramHost::Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
