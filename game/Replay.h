// Recording every play and playing demo replays back. The frames themselves
// and the file format belong to the recorder, g_inputRecord.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The player's name: from the settings, or from a replay while it plays.
extern char g_scoreName[256];
// When the current play started (ms).
extern int g_recordStartTime;

// The clock (ms) the play time is measured on: the program host's while the
// program runs, the system's monotonic clock otherwise.
void SetReplayClock(std::function<int64_t()> clock);

// Stopping a playback brings the player's own name back from the settings file.
void SetPlayback(bool playing);
// The start of every play and every playback.
void BeginRecording();
// Plays a replay file from its scene's start. False, with nothing changed,
// for a file that is not a replay or names a scene the game does not have.
bool StartReplay(const std::string& path);
// Writes the recording of the scene being left to the "replay" folder.
void SaveReplay();

// The difficulty and automatic reload to keep in the settings: the player's
// own, also while a replay has put its values in force.
int PlayerDifficulty();
bool PlayerAutomaticReload();
