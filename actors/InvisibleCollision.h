// An invisible hit volume: the blade leaves these along its length (mode 0:
// they knock the enemy back with sparks, a sound and a flash), the beam uses
// plain ones (mode -1) that only carry a radius and a power.
#pragma once

#include "engine/Sprite.h"

constexpr int COLLISION_PLAIN = -1;
constexpr int COLLISION_BLADE = 0;

class CInvisibleCollision : public CSprite {
public:
    CInvisibleCollision(float x, float y, float z, float radius, int power);

    void OnHit(CSprite* other) override;
    void Update() override;
    void Draw() override;
    ~CInvisibleCollision() override;

    int mode = COLLISION_PLAIN;
};
