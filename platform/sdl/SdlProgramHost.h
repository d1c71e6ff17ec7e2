// The program's host on SDL2: one window with the OpenGL device, SDL audio
// and input, SDL message boxes, and the desktop's other windows under X11.
#pragma once

#include "platform/ProgramHost.h"
#include "platform/sdl/GlGraphicsDevice.h"
#include "platform/sdl/SdlWindow.h"

#include <memory>

class SdlInput;

class SdlProgramHost : public ProgramHost {
public:
    SdlProgramHost();
    ~SdlProgramHost() override;
    SdlProgramHost(const SdlProgramHost&) = delete;
    SdlProgramHost& operator=(const SdlProgramHost&) = delete;

    DesktopWindows* Desktop() override { return desktop.get(); }
    bool StartVideo() override;
    bool CreateWindow(const char* title, int width, int height) override;
    void SetIcon(int width, int height, const uint32_t* pixels) override;
    void ShowWindow() override { window.Show(); }
    void HideWindow() override;
    GraphicsDevice* Graphics() override { return &graphics; }
    bool VsyncActive() const override { return graphics.VsyncActive(); }
    std::unique_ptr<AudioDevice> OpenAudio() override;
    std::unique_ptr<InputDevice> OpenInput() override;
    HostEvent PollEvent() override;
    int64_t Milliseconds() override;
    void Sleep(int milliseconds) override;

private:
    std::unique_ptr<DesktopWindows> desktop;
    bool videoStarted = false;
    SdlWindow window;
    GlGraphicsDevice graphics{window};
    // Fed by the window's event pump; the input manager reads it through a
    // forwarding device, so it outlives the manager.
    std::unique_ptr<SdlInput> input;
};
