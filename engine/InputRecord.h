// The input states of one play, frame by frame, with a read cursor for
// playback. The replay files store its content.
#pragma once

#include <vector>

#include "engine/InputState.h"

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

private:
    std::vector<InputState> frames_;
    int readCursor_ = 0;
};

// The replay recorder, created by the program entry.
extern InputRecord* g_inputRecord;
