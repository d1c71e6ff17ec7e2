// Unfolds a score's arrangement into timed notes per track.
#pragma once

#include "tools/assetgen/sounds/Score.h"

#include <vector>

// A note as heard: times in seconds from the start of the piece. `pitch` is
// a MIDI note, or a DrumKind on a drums track.
struct PlayedNote {
    double start = 0.0;
    double length = 0.0;
    int pitch = 0;
    float velocity = 0.8f;
};

struct Performance {
    double seconds = 0.0;
    // Indexed like Score::tracks, each in time order within a section.
    std::vector<std::vector<PlayedNote>> tracks;
};

Performance PerformScore(const Score& score);
