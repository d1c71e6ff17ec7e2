// A floating score number in large digits: it drifts away from a kill or a
// pick-up and fades out over 120 frames. Its position is in play-field units.
#pragma once

#include "engine/Sprite.h"

#include <string>

class CDigitalNumber : public CSprite {
public:
    CDigitalNumber(float x, float y, const Vec3* velocity, const char* text);
    ~CDigitalNumber() override;

    void Draw() override;

    std::string text;
};

// For a positive value: scales *direction to the drift speed in place and
// puts the number at (position x, position y) into the effect list.
void CreateDigitalNumber(const Vec3* position, Vec3* direction, int value);
