// Renders a parsed score to stereo PCM: every note through its instrument,
// the echo and reverb sends, and the ending (a looped piece's tail wraps round
// to its start; any other piece ends on its natural decay).
#pragma once

#include "tools/assetgen/sounds/OggVorbisEncoder.h"
#include "tools/assetgen/sounds/Score.h"

// Unnormalised: the caller sets the level.
PcmSound RenderScore(const Score& score, int sampleRate);

// The average of the two channels.
PcmSound MixToMono(const PcmSound& stereo);
