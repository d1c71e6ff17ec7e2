#include "game/MainLoop.h"

#include "actors/Reseter.h"
#include "engine/AssetLists.h"
#include "engine/FileUtil.h"
#include "engine/InputControler.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "game/ControlMapping.h"
#include "game/FramePass.h"
#include "game/Freeze.h"
#include "game/Replay.h"
#include "game/Scenes.h"
#include "game/Screenshot.h"
#include "game/TitleMenu.h"
#include "platform/ProgramHost.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kTitleScene = -2;
constexpr int kMaxCredits = 9;

bool Fresh(uint8_t now, uint8_t before) { return now && !before; }

void EnterCredit()
{
    if (g_credits < kMaxCredits)
        g_credits += 1;
    g_sound->Play(g_seCredit, 0);
}

void StartPlay()
{
    AppendLog(kEventsLog, (FormatTimestamp() + " -> Start.\n").c_str());
    g_credits -= 1;
    BeginRecording();
    g_inputRecord->Clear();
    SetScene(g_startScene, -1);
}

void HandleCabinetButtons(const InputState& now, const InputState& before)
{
    if (now.start && now.credit && g_scene != kTitleScene) {
        RemoveAllReseters();
        SetScene(kTitleScene, 0);
    } else if (Fresh(now.credit, before.credit)) {
        EnterCredit();
    } else if (Fresh(now.start, before.start) && !g_replayPlaying && g_credits > 0 && g_scene == kTitleScene) {
        StartPlay();
    }
}

// True when a demo replay started. Its first recorded frame is replayed in
// this same frame, as a play records its first frame in the frame that starts
// it; and it starts from rest, as a play starts with only start pressed.
bool StartDemo()
{
    std::vector<std::string> files;
    ListFilesInFolder(GetProgramFolder() + "demo", &files);
    if (files.empty() || !StartReplay(files.front()))
        return false;
    const InputState rest;
    g_input->current.CopyGameplay(&rest);
    return true;
}

// The menu moves once per deflection of the stick from rest.
void MoveTitleMenu(const InputState& now, const InputState& before)
{
    if (before.x != 0.0f || before.y != 0.0f)
        return;
    if (now.y > 0.0f) {
        g_sound->Play(g_seMenuMove, 0);
        MenuStep(-1);
    } else if (now.y < 0.0f) {
        g_sound->Play(g_seMenuMove, 0);
        MenuStep(+1);
    }
    if (now.x > 0.0f) {
        g_titleMenuRow = kMenuRowCourse;
        g_sound->Play(g_seMenuMove, 0);
    } else if (now.x < 0.0f) {
        g_titleMenuRow = kMenuRowAutomaticReload;
        g_sound->Play(g_seMenuMove, 0);
    }
}

// A play records the input; a replay replaces its gameplay part, so that past
// the recording's end the ship gets no input while credit and start stay live.
void RecordOrPlayBack()
{
    if (!g_replayPlaying) {
        g_inputRecord->Append(&g_input->current);
        return;
    }
    InputState recorded;
    g_inputRecord->ReadNext(&recorded);
    g_input->SetState(&recorded);
}

int Now(ProgramHost& host) { return static_cast<int>(host.Milliseconds()); }

}  // namespace

void StartFrameTimer(int now)
{
    g_frameCounter->now = now;
    g_frameCounter->nextFrameDue = now + FrameInterval();
    g_frameCounter->nextSecondMark = now + 1000;
    SetScene(kTitleScene, 0);
}

bool TakeDueFrame(int now, bool vsync)
{
    g_frameCounter->now = now;
    if (!vsync && g_frameCounter->nextFrameDue > now)
        return false;
    g_frameCounter->nextFrameDue = now + FrameInterval();
    return true;
}

bool RunFrame()
{
    Frame(false);
    g_sound->Update();
    g_input->Update(g_replayPlaying);
    if (IsFrozen())
        return false;
    HandleCabinetButtons(g_input->current, g_input->previous);
    if (g_scene == kTitleScene) {
        const bool demoStarted = Fresh(g_input->current.blade, g_input->previous.blade) && StartDemo();
        if (!demoStarted)
            MoveTitleMenu(g_input->current, g_input->previous);
    }
    if (g_scene >= 0)
        RecordOrPlayBack();
    ApplyPlayerControls();
    g_frameCounter->Count();
    return true;
}

void LatchFrameRate(int now)
{
    if (g_frameCounter->nextSecondMark > now)
        return;
    g_frameCounter->Latch();
    g_frameCounter->nextSecondMark = now + 1000;
}

int IdleMilliseconds(int now) { return std::max(0, g_frameCounter->nextFrameDue - now - 1); }

void RunMainLoop(ProgramHost& host, bool vsync)
{
    StartFrameTimer(Now(host));
    for (;;) {
        const HostEvent event = host.PollEvent();
        if (event == HostEvent::Quit)
            return;
        if (event == HostEvent::Screenshot)
            TakeScreenshot();
        if (event != HostEvent::None)
            continue;
        const int now = Now(host);
        const bool frameRan = TakeDueFrame(now, vsync);
        // A frozen frame ends its turn before the frame rate is looked at.
        if (frameRan && !RunFrame())
            continue;
        LatchFrameRate(now);
        if (!frameRan && IdleMilliseconds(now) > 0)
            host.Sleep(IdleMilliseconds(now));
    }
}
