// The mid-size enemies of stage 0. They fly to a random point of the field,
// work there, then leave in a random direction; destroyed, they tumble and
// sink away, then burst. CEnemym0 fires a long stream of single shots,
// CEnemym0b charges and fires two beams.
#pragma once

#include "actors/Enemy.h"

// Mid enemy phases.
constexpr int MID_ARRIVING = 0;
constexpr int MID_WORKING = 1;
constexpr int MID_STOP_WORKING = 2;
constexpr int MID_LEAVING = 3;

class CEnemym : public CEnemy {
public:
    CEnemym(float x, float y, float z);

    void Push(Vec3* newImpulse, Vec3* newSpin) override;
    void Die() override;
    void Remove() override;
    void OnArrived() override;
    void OnStopped() override;
    void Update() override;
    void Draw() override;
    ~CEnemym() override;

    virtual void SetPhase(int newPhase);

    // Half-turns added each dying frame.
    Vec3 dyingSpin;
    int phase = MID_ARRIVING;

protected:
    void LeaveWhenDone();
    // The turn and sink of one dying frame.
    void Tumble();
};

class CEnemym0 : public CEnemym {
public:
    CEnemym0(float x, float y, float z);

    void Update() override;
    ~CEnemym0() override;
    void SetPhase(int newPhase) override;

    // Volleys of phase 1 so far, fired or not.
    int volleyCount = 0;

private:
    void FireVolley();
};

class CEnemym0b : public CEnemym {
public:
    CEnemym0b(float x, float y, float z);

    void Push(Vec3* newImpulse, Vec3* newSpin) override;
    void Update() override;
    ~CEnemym0b() override;
    void SetPhase(int newPhase) override;

    // Beams fired or lost to a push.
    int beamCount = 0;
    // Frames left of a beam charge.
    int chargeFrames = 0;

private:
    void Charge();
};
