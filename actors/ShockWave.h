// A ring that grows from nothing to its size (or shrinks from it) over its
// frames. It is dying from construction: the dying timer is its life.
#pragma once

#include "engine/Sprite.h"

class CShockWave : public CSprite {
public:
    CShockWave(float x, float y, float z, float size, int frames);
    ~CShockWave() override;

    void Draw() override;

    float size;
    // 0 grows, 1 shrinks.
    int shrink = 0;
};

// Rings into the effect list; nothing in the game spawns them this way.
void SpawnShockWave(float x, float y, float z, float size, int frames);
// Size 25 over 30 frames.
void SpawnShockWaveAt(float x, float y, float z);
void SpawnShockWaveShrinking(float x, float y, float z);
