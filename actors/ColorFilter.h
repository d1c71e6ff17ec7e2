// One colour over the whole 480 × 480 playing field that fades in (when asked)
// and then straight out again: the flashes of boss deaths and the shot special.
#pragma once

#include "engine/Sprite.h"

class CColorFilter : public CSprite {
public:
    // White, fading out over vanishFrames.
    explicit CColorFilter(int vanishFrames);
    CColorFilter(const Color* c, int vanishFrames);
    CColorFilter(const Color* c, int appearFrames, int vanishFrames);
    ~CColorFilter() override;

    void Activate() override;
    void Draw() override;

    // Its alpha is not used for drawing.
    Color color;
};

// A white filter fading out over the frames, into the overlay list.
void CreateColorFilter(int frames);
void CreateColorFilterTinted(const Color* c, int frames);
// A red filter fading in over half the frames and out over the other half.
void CreateColorFilterRed(int frames);
