// A 2D background tile that scrolls down the playfield and spawns its
// successor one tile height (640 pixels) above itself.
#pragma once

#include "engine/Sprite.h"

class CSimpleBG : public CSprite {
public:
    // x, y in pixels from the playfield's top left corner.
    CSimpleBG(int texture, int x, int y);
    ~CSimpleBG() override;

    void Update() override;
    void Draw() override;

    int texture;
    bool chained = false;
};

// Into the back layer, drawn under everything.
void SpawnSimpleBG(int texture, int x, int y);
