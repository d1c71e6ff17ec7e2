// A number in small digits at a screen position, shown after a start delay
// with a sound: the counters of the results panel. It stays until its list is purged.
#pragma once

#include "engine/Sprite.h"

#include <cstdint>
#include <string>

class CAnalogNumber : public CSprite {
public:
    // x, y in screen pixels.
    CAnalogNumber(float x, float y, const Vec3* velocity, const char* text);
    ~CAnalogNumber() override;

    void OnStart() override;
    void Draw() override;

    std::string text;
    int8_t startSound = -1;
};

// Into the overlay list, shown and sounded once startDelay frames have passed.
void CreateAnalogNumber(int x, int y, const char* text, int startDelay, int8_t sound);
