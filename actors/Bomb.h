// The explosion: an additive billboard running through the 16 explosion
// pictures, two frames each, while it keeps moving; then it removes itself.
#pragma once

#include "engine/Sprite.h"

class CBomb : public CSprite {
public:
    CBomb(float x, float y, float z, float size, const Vec3* velocity);
    ~CBomb() override;

    void OnDelayedAction() override;
    void Update() override;
    void Draw() override;

    int size;
};

// A size-5 explosion at the position, thrown down the ground's slope and toward the camera.
void SpawnBomb(const Vec3* position);
