// Holds the peaks of a mix under a ceiling, the way a mastering limiter does:
// the gain falls just ahead of each peak and recovers smoothly after it.
#pragma once

#include <vector>

// samples: interleaved; the channels share one gain so the stereo image stays put.
void LimitPeaks(std::vector<float>& samples, int channels, int sampleRate, float ceiling);
