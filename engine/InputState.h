// One frame of input: nine buttons and the two stick axes. A replay stores
// the same record frame by frame.
#pragma once

#include <cstdint>

struct InputState {
    uint8_t shot = 0;  // 1 = held
    uint8_t ray = 0;
    uint8_t blade = 0;
    uint8_t dash = 0;
    uint8_t reload = 0;
    uint8_t leftroll = 0;
    uint8_t rightroll = 0;
    uint8_t credit = 0;
    uint8_t start = 0;
    float x = 0.0f;  // -1 (left) .. +1 (right)
    float y = 0.0f;  // -1 (down) .. +1 (up)

    // All nine flags and both axes.
    void Copy(const InputState* source) { *this = *source; }
    // Shot to rightroll and both axes; credit and start stay as they are.
    void CopyGameplay(const InputState* source);
};
