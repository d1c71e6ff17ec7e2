// The mark that stays on a locked enemy until its lock slot is freed.
#pragma once

#include "engine/Sprite.h"

class CLockedMarker : public CSprite {
public:
    CLockedMarker(int targetId, int slot);
    void Update() override;
    void Draw() override;
    ~CLockedMarker() override;

    int slot;
    int targetId;
};
