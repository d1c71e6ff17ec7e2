// A ping-pong echo: repeats alternate between the left and right channels
// and darken as they fade.
#pragma once

#include <cstddef>
#include <vector>

void AddStereoEcho(const std::vector<float>& send, double delaySeconds, float feedback, int sampleRate,
                   std::vector<float>& left, std::vector<float>& right);
