// A rectangle cut from a texture and blitted at a screen position, with
// appear, live and vanish alpha ramps and a sound when its start delay ends:
// banners, results labels and the scripts' message lines.
#pragma once

#include "engine/Sprite.h"

class CSimpleSprite : public CSprite {
public:
    // Active at once, no life limit.
    CSimpleSprite(float x, float y, int left, int top, int right, int bottom, int texture);
    // Fades in over appear frames, stays live frames, fades out over vanish
    // frames, moving (vx, vy) pixels a frame.
    CSimpleSprite(float x, float y, int left, int top, int right, int bottom, int appear, int live, int vanish,
                  float vx, float vy, int texture);
    ~CSimpleSprite() override;

    void Init(float x, float y, int left, int top, int right, int bottom, int texture);
    void OnStart() override;
    void Draw() override;

    int sourceLeft = 0;
    int sourceRight = 0;
    int sourceTop = 0;
    int sourceBottom = 0;
    int texture = -1;
    // Played when a start delay runs out; -1 plays nothing.
    int sound = -1;
};

// A plain sprite into the overlay list, shown after startDelay frames with the sound.
void SpawnSimpleSprite(int texture, int x, int y, int left, int top, int right, int bottom, int startDelay,
                       int sound);
// Row `row` of message sheet `sheet` at the bottom of the screen for the frames.
void SpawnMessageLine(int sheet, int row, int frames);
void ShowMessageLine(int sheet, int row);
