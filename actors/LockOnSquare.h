// The square that flashes over an enemy when it is locked: it spins and
// shrinks from 10 to nothing over its 24 frames.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CLockOnSquare : public CSprite {
public:
    explicit CLockOnSquare(int targetId);
    void Update() override;
    void Draw() override;
    ~CLockOnSquare() override;

    int targetId;
};

// The sprite's own rotation and offset, placed on the enemy, in the world placement.
Matrix LockOnWorldMatrix(CSprite* self, const CSprite* enemy);
// Squares and markers: the game camera, no fog, culling on, no blending.
void SetLockOnDrawStates();
