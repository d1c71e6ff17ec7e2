// The boss that ends stage 1: it enters, then works through bullet patterns
// phase by phase as its hit points fall, each change announced by a sound
// and a hit-stop centred on it.
#pragma once

#include "actors/enemies/Boss.h"

class CEnemybDanmaku : public CBoss {
public:
    CEnemybDanmaku();

    void OnArrived() override;
    void Update() override;
    ~CEnemybDanmaku() override;

    // -1 entering; 0 emitters, 1 rotating cross, 2 aimed sweeps, 3 spirals; 255
    // leaving. Every change removes the emitters.
    void SetPhase(int phase) override;

    float crossAngle = 0.0f;
    PhaseChangeCallback onPhaseChange = nullptr;

private:
    void StepPhase();
    void NextPhaseBelow(float share);
    void SpawnSpiralEmitters();
    void FireCross();
    void FireSweep();
};
