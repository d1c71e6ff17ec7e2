// A pending scene change: it counts down as a dying sprite in
// g_systemSpriteList, and the frame pass enters its scene when it is dead.
#pragma once

#include "engine/Sprite.h"

class CReseter : public CSprite {
public:
    CReseter(int scene, int step, int frames);
    ~CReseter() override;

    int scene;
    // Kept as given; the scene is always entered at step 0.
    int step;
};

// Enters the scene, step 0, after 240 frames (the game over).
void SpawnReseter(int scene, int step);
// Drops every pending scene change; the camera and transform sprites stay.
void RemoveAllReseters();
