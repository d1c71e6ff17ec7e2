// Runs the whole program headless: a host of null devices whose loop polls
// are scripted, and a fixture that gives each test a clean program folder
// (the folder of the test program) with a settings file of its own.
#pragma once

#include "engine/FileUtil.h"
#include "engine/InputState.h"
#include "engine/ObjectLists.h"
#include "game/ProgramEntry.h"
#include "game/TitleMenu.h"
#include "platform/NullAudioDevice.h"
#include "platform/NullGraphicsDevice.h"
#include "platform/NullInputDevice.h"
#include "platform/ProgramHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// DirectInput key codes of the default settings.
namespace keys {
constexpr int kShot = 0x2C, kRay = 0x2D, kBlade = 0x1E, kDash = 0x2A, kReload = 0x1D;
constexpr int kLeftRoll = 0x1F, kRightRoll = 0x20, kCredit = 4, kStart = 2;
constexpr int kUp = 200, kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD;
}  // namespace keys

class ScriptedHost : public ProgramHost {
public:
    // Called on every poll of the main loop with the number of the poll; its
    // result is the event the loop gets.
    std::function<HostEvent(int poll)> onPoll;

    bool videoWorks = true, windowWorks = true, graphicsWorks = true, vsync = false;
    DesktopWindows* desktop = nullptr;
    bool windowShown = false, windowHidden = false;
    std::string windowTitle;
    int64_t clock = 0;
    int64_t slept = 0;
    NullInputDevice* input = nullptr;  // owned by the input manager while it lives

    DesktopWindows* Desktop() override { return desktop; }
    // Every run starts counting its polls anew.
    bool StartVideo() override
    {
        polls = 0;
        return videoWorks;
    }
    bool CreateWindow(const char* title, int, int) override
    {
        windowTitle = title;
        return windowWorks;
    }
    void SetIcon(int, int, const uint32_t*) override {}
    void ShowWindow() override { windowShown = true; }
    void HideWindow() override { windowHidden = true; }
    GraphicsDevice* Graphics() override { return graphicsWorks ? &graphics : nullptr; }
    bool VsyncActive() const override { return vsync; }
    std::unique_ptr<AudioDevice> OpenAudio() override { return std::make_unique<NullAudioDevice>(); }
    std::unique_ptr<InputDevice> OpenInput() override
    {
        auto device = std::make_unique<NullInputDevice>();
        input = device.get();
        return device;
    }
    // Every turn of the loop takes a millisecond.
    HostEvent PollEvent() override
    {
        clock += 1;
        return onPoll ? onPoll(polls++) : HostEvent::Quit;
    }
    int64_t Milliseconds() override { return clock; }
    void Sleep(int milliseconds) override
    {
        clock += milliseconds;
        slept += milliseconds;
    }

    // Holds exactly the keys of state; the rest are released.
    void Press(const InputState& state)
    {
        input->keys.fill(0);
        const std::pair<uint8_t, int> held[] = {
            {state.shot, keys::kShot},          {state.ray, keys::kRay},         {state.blade, keys::kBlade},
            {state.dash, keys::kDash},          {state.reload, keys::kReload},   {state.leftroll, keys::kLeftRoll},
            {state.rightroll, keys::kRightRoll}, {state.credit, keys::kCredit},   {state.start, keys::kStart},
            {state.x < 0.0f, keys::kLeft},      {state.x > 0.0f, keys::kRight},  {state.y > 0.0f, keys::kUp},
            {state.y < 0.0f, keys::kDown}};
        for (const auto& [on, key] : held)
            if (on)
                input->keys[key] = 0x80;
    }

private:
    NullGraphicsDevice graphics;
    int polls = 0;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveProgramFiles();
        StartAsAFreshProcess();
    }
    void TearDown() override { RemoveProgramFiles(); }

    static std::string File(const std::string& name) { return GetProgramFolder() + name; }

    static std::string ReadText(const std::string& name)
    {
        std::vector<unsigned char> bytes;
        ReadWholeFile(File(name), &bytes);
        return std::string(bytes.begin(), bytes.end());
    }

    static void WriteSettings(const std::string& text)
    {
        ASSERT_TRUE(WriteFileBytes(File("vostrelle.ini"), text.data(), text.size()));
    }

    static std::vector<std::string> FilesIn(const std::string& folder)
    {
        std::vector<std::string> files;
        ListFilesInFolder(File(folder), &files);
        return files;
    }

    // Every frame runs on a poll (vsync); frames[i] is held during frame i and
    // afterFrame(i) sees the game right after it. Then the window closes.
    int RunFrames(const std::vector<InputState>& frames, const std::function<void(int)>& afterFrame = {})
    {
        host.vsync = true;
        host.onPoll = [&](int poll) {
            if (poll > 0 && afterFrame)
                afterFrame(poll - 1);
            if (poll >= static_cast<int>(frames.size()))
                return HostEvent::Quit;
            host.Press(frames[poll]);
            return HostEvent::None;
        };
        return RunProgram(host);
    }

    ScriptedHost host;

    // The globals a run leaves behind, as the program finds them when it starts.
    static void StartAsAFreshProcess()
    {
        g_scene = -255;
        g_sceneStep = g_sceneFrame = g_stepFrame = 0;
        g_globalDifficulty = 0;
        g_freezeFrames = g_freezeTotal = 0;
        g_fadeLevel = 0.0f;
        g_fadeDirection = 0;
        g_controlLocked = g_loading = g_replayPlaying = false;
        g_credits = 0;
        g_sectionHeading = g_sectionCard = -1;
        g_frameIntervalToggle = 0;
        g_startScene = 0;
        g_titleMenuRow = 0;
    }

private:
    static void RemoveProgramFiles()
    {
        const std::string folder = GetProgramFolder();
        const std::string command = "cd '" + folder + "' && rm -rf vostrelle.ini demo replay snapshot log";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
};

// Input of a frame, built by the keys held.
inline InputState Held(std::initializer_list<uint8_t InputState::*> buttons, float x = 0.0f, float y = 0.0f)
{
    InputState state;
    for (uint8_t InputState::*button : buttons)
        state.*button = 1;
    state.x = x;
    state.y = y;
    return state;
}

// n frames of the same input.
inline std::vector<InputState> Repeat(const InputState& state, int n) { return std::vector<InputState>(n, state); }

inline std::vector<InputState> operator+(std::vector<InputState> a, const std::vector<InputState>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
