// The lock-on reticle the ship carries ahead of itself; the collision pass
// locks the enemies it passes over.
#pragma once

#include "engine/Sprite.h"

class CLockOnSite : public CSprite {
public:
    CLockOnSite();
    // A lock on other succeeded: flash a lock square over it.
    void OnHit(CSprite* other) override;
    void Draw() override;
    ~CLockOnSite() override;
};
