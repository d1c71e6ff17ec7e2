// The flash a blade hit leaves: a thin additive streak that flattens out.
#pragma once

#include "engine/Sprite.h"

class CBladeWave : public CSprite {
public:
    CBladeWave(float x, float y, float z);

    void Update() override;
    void Draw() override;
    ~CBladeWave() override;

    float size = 20.0f;
    float thickness = 0.5f;
};
