// Distant skies: a box of textured squares drawn around the viewer, six
// faces (CSkybox) or five without the floor (CSkybox2), turned with the
// scene and carried with the ground.
#pragma once

#include "engine/Sprite.h"

class CSkybox : public CSprite {
public:
    void Draw() override;
    ~CSkybox() override;
};

class CSkybox2 : public CSprite {
public:
    void Draw() override;
    ~CSkybox2() override;
};

void SpawnSkybox();
void SpawnSkybox2();
