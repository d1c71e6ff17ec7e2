// The bonus an enemy worth no points leaves: it pops up, falls back, and pays
// the more the higher the player catches it (the collision pass pays it).
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CScoreItem : public CSprite {
public:
    CScoreItem(float x, float y, float z);

    void OnStopped() override;
    void Update() override;
    void Draw() override;
    ~CScoreItem() override;

    // Mode 0 (rise and fall) is the only one in use.
    virtual void SetMode(int mode);

    int mode = 0;
};

void SpawnScoreItem(const Vec3* position);
