// Chord symbols as the sections write them: a root (C, F#, Bb), a quality
// (m, 7, m7, maj7, sus2, sus4, dim, aug, 5, add9, madd9, m9, 6, m6, 7sus4)
// and an optional length in beats after a colon (one bar by default).
#pragma once

#include "tools/assetgen/sounds/Score.h"

#include <string>

bool ParseChord(const std::string& word, int beatsPerBar, Chord& chord);
