// The ship's melee weapon: a 2.0-long blade swept half a turn around the ship
// in 10 frames. Each step leaves three hit volumes along the blade (until one
// of this swing has hit), an after-image, and draws the blade itself.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CBlade : public CSprite {
public:
    CBlade();

    // sweep -1 swings towards larger angles, anything else towards smaller;
    // half 1 covers the forward half-turn, anything else the rear one.
    virtual void StartSwing(int sweep, int half, float startRoll);
    virtual void EndSwing();

    void Update() override;
    ~CBlade() override;

    float angle = 0.0f;
    float endAngle = 0.0f;
    float length = 2.0f;
    bool active = false;
    int sweepSign = 0;
    int halfSign = 0;
    float roll = 0.0f;
    Vec3 tip;
    Vec3 previousTip;
    Vec3 previousPosition;
    Vec3 hitImpulse;
    Vec3 hitSpin;
    // Set by the collision pass once a volume of this swing has hit.
    bool hitFlag = false;

private:
    void StepAngle();
    void LeaveHitVolumes();
    void LeaveAfterImage();
    void DrawBlade();
};
