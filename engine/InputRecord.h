// The input states of one play, frame by frame, with a read cursor for
// playback. The replay files store its content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/InputState.h"

// The header of a replay file as it is held in memory. On disk it takes
// 84 bytes, little-endian; see ReplayFile.cpp for the layout.
struct ReplayHeader {
    int32_t version = 0;
    char name[17] = {};
    char checksum[33] = {};
    int32_t scene = 0;
    int32_t score = 0;
    int32_t hits = 0;
    int32_t automaticReload = 0;
    int32_t difficulty = 0;
    int32_t playTime = 0;  // frames: whole seconds of the play times 60
    int32_t frames = 0;
};

enum class ReplayLoadResult {
    Loaded,
    // The header was read but does not match its checksum: no frames.
    BadChecksum,
    // Not a replay file at all (missing, short, inconsistent): nothing changed.
    Unusable,
};

class InputRecord {
public:
    InputRecord() = default;

    // Adds a copy of state at the end and moves the read cursor past it;
    // returns the new count.
    int Append(const InputState* state);
    // Copies the frame at the read cursor into out and advances; past the
    // end out is left as it was.
    void ReadNext(InputState* out);
    void Rewind() { readCursor_ = 0; }
    // Empties the record and rewinds.
    void Clear();

    int ReadCursor() const { return readCursor_; }
    const std::vector<InputState>& Frames() const { return frames_; }

    // MD5 of decimal(score), decimal(hits), decimal(playTime), decimal(frames)
    // and name, concatenated, as 32 lower-case hexadecimal digits.
    static void ComputeChecksum(char out[33], int score, int hits, int playTime, int frames, const char* name);
    // Writes the header and every recorded frame; false when the file cannot
    // be written. Only the first 16 bytes of name are kept (a Shift-JIS
    // character is never split), and the checksum covers what is kept.
    bool SaveFile(const std::string& path, int scene, const char* name, int score, int hits, int automaticReload,
                  int difficulty, int playTime);
    // Reads a replay file into the header and the frame list. A file that is
    // not a replay leaves the record as it was.
    ReplayLoadResult LoadFile(const std::string& path);
    // Takes a header and frames read by ReadReplayFile, as LoadFile would.
    void Assign(const ReplayHeader& header, std::vector<InputState> frames);
    const ReplayHeader& Header() const { return header_; }

private:
    std::vector<InputState> frames_;
    int readCursor_ = 0;
    ReplayHeader header_;
};

// Reads a replay file without touching any record. Unusable, with header and
// frames untouched, for a file that is not a replay: one that cannot be read,
// is cut short, or claims more frames than it holds or than a day of play.
// BadChecksum gives the header and no frames.
ReplayLoadResult ReadReplayFile(const std::string& path, ReplayHeader* header, std::vector<InputState>* frames);

// The replay recorder, created by the program entry.
extern InputRecord* g_inputRecord;
