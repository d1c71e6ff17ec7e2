// The bullet-pattern boss's emitters: small enemies that nothing can hit and
// that hurt no one by touch, firing patterns of their own until the boss's
// next phase removes them.
#pragma once

#include "actors/Enemy.h"

// 0 and 1: fly to their target and fire spiral pairs (turning one way or the
// other); 2 and 3: drift outward on a widening curve dropping slow shots to
// both sides (type 2 dies off the view). Other types do nothing at all.
class CEnemyBitDanmaku : public CEnemy {
public:
    // The target is read by types 0 and 1 only.
    CEnemyBitDanmaku(int type, const Vec3* start, const Vec3* target);

    void Update() override;
    void Draw() override;
    ~CEnemyBitDanmaku() override;

    virtual void SetPhase(int phase);

    int type;
    int phase = 0;
    float spiralAngle = 0.0f;

private:
    void FireSpiralPair();
    void DriftAndFire(float turn);
};

// Erases and deletes every emitter of the enemy list; other objects keep their order.
void DeleteAllDanmakuEmitters();
