// Spent ammunition thrown out by reloads: the magazine of a shot or ray
// reload, and the blade cartridge of a blade reload. Both live only in the
// dying state and fade out.
#pragma once

#include "engine/Sprite.h"

class CMagazine : public CSprite {
public:
    CMagazine(float x, float y);

    void Update() override;
    void Draw() override;
    ~CMagazine() override;
};

class CMagazine2 : public CSprite {
public:
    CMagazine2(float x, float y);

    void Update() override;
    void Draw() override;
    ~CMagazine2() override;
};
