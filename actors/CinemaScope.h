// A translucent black panel over the left of the playfield that grows in,
// holds and shrinks away: the backdrop of the stage 0 cut scene's title card.
// It draws from its Update, so it shows only on frames that advance.
#pragma once

#include "engine/Sprite.h"

class CCinemaScope : public CSprite {
public:
    CCinemaScope(int width, int appear, int live, int vanish);
    ~CCinemaScope() override;

    void Update() override;

    // Full width in screen pixels.
    int width;
};
