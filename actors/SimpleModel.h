// A mesh that spins in place: the model of a practice section's briefing.
#pragma once

#include "engine/Sprite.h"

class CSimpleModel : public CSprite {
public:
    CSimpleModel(int model, float x, float y, float z);
    ~CSimpleModel() override;

    void Update() override;
    void Draw() override;

    int model;
    // Half-turns added to the rotation every frame.
    Vec3 spinRate;
};

// Into the effect list; the serial id lets the section delete it later.
int SpawnSimpleModel(int model, float x, float y, float z, float spinX, float spinY, float spinZ);
