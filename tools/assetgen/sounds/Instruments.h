// The music's instruments: each renders one played note into its track's output.
#pragma once

#include "tools/assetgen/sounds/MixBus.h"
#include "tools/assetgen/sounds/Score.h"
#include "tools/assetgen/sounds/ScorePerformance.h"

#include <cstdint>

// `seed` varies the noise and the starting phases from note to note.
void RenderNote(const TrackSetup& track, const PlayedNote& note, uint32_t seed, int sampleRate, TrackOutput& out);
// A drum hit: the note's pitch is a DrumKind.
void RenderDrumHit(const PlayedNote& note, uint32_t seed, int sampleRate, TrackOutput& out);

double MidiToHertz(int pitch);
