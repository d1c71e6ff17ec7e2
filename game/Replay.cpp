#include "game/Replay.h"

#include "actors/Enemy.h"
#include "actors/Player.h"
#include "actors/Reseter.h"
#include "engine/FileUtil.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "engine/Profiler.h"
#include "game/Scenes.h"
#include "game/UniqueFilePath.h"
#include "platform/System.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

char g_scoreName[256] = {};
int g_recordStartTime = 0;

namespace {

// What the player had chosen before a replay put its own values in force.
int g_playerDifficulty = 0;
bool g_playerAutomaticReload = false;

std::function<int64_t()> g_replayClock = MonotonicMilliseconds;

int Now() { return static_cast<int>(g_replayClock()); }

// Only scenes with a set-up can be played; anything else is not a replay of this game.
bool IsPlayableScene(int scene)
{
    switch (scene) {
    case -3: case -2: case -1: case 0: case 1:
    case 10: case 11: case 12: case 13: case 14: case 15: case 16: case 17: case 18:
    case 111: case 112: case 113:
        return true;
    default:
        return false;
    }
}

void ReadScoreName()
{
    CProfiler profile("vostrelle.ini");
    profile.GetStringBuf("scorename", g_scoreName, sizeof g_scoreName, "");
}

}  // namespace

void SetReplayClock(std::function<int64_t()> clock) { g_replayClock = std::move(clock); }

void SetPlayback(bool playing)
{
    g_replayPlaying = playing;
    if (!playing)
        ReadScoreName();
}

void BeginRecording()
{
    g_lastHitEnemy->hp = 0;
    g_lastHitEnemy->maxHp = 0;
    g_lastHitEnemy->iconTexture = -1;
    RemoveAllReseters();
    g_recordStartTime = Now();
    SetPlayback(false);
    g_player->Reset();
    // The ship's age decides on which frames its aura smokes (and draws random
    // numbers); counted from here, a replay sees the same frames as the play.
    g_player->age = 0;
}

bool StartReplay(const std::string& path)
{
    ReplayHeader header;
    std::vector<InputState> frames;
    if (ReadReplayFile(path, &header, &frames) == ReplayLoadResult::Unusable || !IsPlayableScene(header.scene)) {
        ReportFileProblem("cannot play the demo " + path + ": not a replay of this game");
        return false;
    }
    g_playerDifficulty = g_globalDifficulty;
    g_playerAutomaticReload = g_player->automaticReload;
    BeginRecording();
    g_inputRecord->Assign(header, std::move(frames));
    g_inputRecord->Rewind();
    std::strcpy(g_scoreName, header.name);
    g_globalDifficulty = header.difficulty;
    g_player->automaticReload = header.automaticReload == 1;
    SetPlayback(true);
    SetScene(header.scene, -1);
    const std::string line = FormatTimestamp() + " -> " + GetFileNameWithExt(path) + " -> Start Replay.\n";
    AppendLog(kEventsLog, line.c_str());
    return true;
}

void SaveReplay()
{
    const std::string folder = GetProgramFolder() + "replay";
    MakeFolder(folder);
    const std::string stem = FormatTimestamp() + "_" + std::to_string(g_scene);
    const std::string path = UniqueFilePath(folder + "/", stem, ".dat");
    const uint32_t elapsed = static_cast<uint32_t>(Now() - g_recordStartTime);
    const int playTime = static_cast<int>(elapsed / 1000 * 60);
    const bool saved = g_inputRecord->SaveFile(path, g_scene, g_scoreName, g_player->score, g_player->killCount,
                                               g_player->automaticReload ? 1 : 0, g_globalDifficulty, playTime);
    g_inputRecord->Rewind();
    if (saved)
        AppendLog(kEventsLog, (GetFileNameWithExt(path) + " -> Save Replay File.\n").c_str());
    else
        ReportFileProblem("cannot save the replay " + path);
}

int PlayerDifficulty() { return g_replayPlaying ? g_playerDifficulty : g_globalDifficulty; }

bool PlayerAutomaticReload() { return g_replayPlaying ? g_playerAutomaticReload : g_player->automaticReload; }
