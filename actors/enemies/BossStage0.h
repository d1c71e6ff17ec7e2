// The boss that ends stage 0: it flies in, then by turns charges a beam
// facing the player or moves to a new place spraying a spread volley, until
// it is destroyed or sent away.
#pragma once

#include "actors/enemies/Boss.h"

class CEnemyb : public CBoss {
public:
    CEnemyb();

    void Push(Vec3* impulse, Vec3* spin) override;
    void OnArrived() override;
    void Update() override;
    ~CEnemyb() override;

    // -3 entering, -2 pausing, -1 choosing, 0 spread volley, 1 and 2 a turning
    // volley nothing starts, 255 leaving.
    void SetPhase(int phase) override;

    int shotCount = 0;
    // Frames left of a beam charge; 0: none.
    int chargeFrames = 0;
    int pauseFrames = 0;

private:
    void MoveToRandomPoint();
    void StepCharge();
    void StepPhase();
    void StepSpreadVolley();
    void StepTurningVolley();
};
