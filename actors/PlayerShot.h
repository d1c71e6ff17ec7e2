// One shot of the ship's rapid-fire weapon. Its level multiplies the score of
// the kill it makes: 4 for the opening shot of a burst, 1 for the pairs.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CPlayerShot : public CSprite {
public:
    CPlayerShot(float x, float y, float z, const Vec3* velocity, int level);

    void OnHit(CSprite* target) override;
    void Remove() override;
    void Draw() override;
    ~CPlayerShot() override;

    int level;
};

// The opening shot of a burst: level 4 and a wider hit radius.
void SpawnPlayerShot(float x, float y, float z, const Vec3* velocity);
