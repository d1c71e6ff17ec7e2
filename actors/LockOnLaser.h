// The ray weapon's homing laser: launched outward, it pauses, then homes on
// its target by serial id and trails a fading 16-point ribbon.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CLockOnLaser : public CSprite {
public:
    static constexpr int kTrailLength = 16;

    // slot -1 makes a special laser, which holds no lock slot.
    CLockOnLaser(float x, float y, float z, float vx, float vy, float vz, int targetId, int slot, int multiplier);

    void OnHit(CSprite* target) override;
    void Die() override;
    void SubStep() override;
    void Update() override;
    void Draw() override;
    ~CLockOnLaser() override;

    bool fullLock = false;
    int targetId;
    int slot;
    float steeringGain = 0.1f;
    Vec3 trail[kTrailLength];
    int multiplier;

private:
    void Steer(const CSprite* target);
    void FlyOn();
    void BurstIntoSparks();
};
