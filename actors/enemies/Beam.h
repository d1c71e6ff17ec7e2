// A straight energy beam: a flat quad 20 long from its origin along its
// direction that narrows, turns blue and fades over its 60 dying frames, and
// while it is still wide lays a row of hit volumes along its first 10 units
// into the enemy-shot list every drawn frame.
#pragma once

#include "engine/Sprite.h"

class CBeam : public CSprite {
public:
    CBeam(float x, float y, float z, float dx, float dy, float dz);

    void Draw() override;
    ~CBeam() override;

    float halfWidth = 0.25f;

private:
    void LayHitVolumes();
};

void CreateBeam(float x, float y, float z, const Vec3* direction);
// From (x, y, z) toward the player, the standard width and three times as wide.
void CreateBeamAimed(float x, float y, float z);
void CreateWideBeamAimed(float x, float y, float z);
